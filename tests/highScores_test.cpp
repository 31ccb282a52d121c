// The High Scores window and its file "HScores.dt", shared by copies of the game.
#include "platform/appPath.h"
#include "platform/fileLock.h"
#include "support/highScoreFixture.h"

#include <QProcess>
#include <QTimer>

#include <filesystem>

using namespace highScoreTable;
using namespace std::chrono_literals;

// Another copy of the game, a process of its own (support/anotherCopy.cpp), ended with its scope.
class AnotherCopy {
  public:
    explicit AnotherCopy(const QStringList& arguments) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationDirPath() + "/velquist_anotherCopy", arguments);
        EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
    }
    ~AnotherCopy() {
        process.kill();
        process.waitForFinished();
    }
    void waitToSay(const QByteArray& word) {
        while (!process.canReadLine() && process.waitForReadyRead(30000)) {
        }
        EXPECT_EQ(process.readLine().trimmed(), word);
    }
    QProcess process;
};

// Another copy holding the file's lock, while this copy's lock waits are short.
struct LockHolder : AnotherCopy {
    LockHolder(const std::string& file, const char* lock, QStringList more = {})
        : AnotherCopy(QStringList{"hold", QString::fromStdString(file), lock} + more) {
        waitToSay("held");
        platform::setLockWaitForTesting(50ms);
    }
    ~LockHolder() { platform::setLockWaitForTesting({}); }
};

// The menu shows the window modally over the main window: the file's whole records in order, names
// as plain text without outer spaces, entries with score 0 blank; "Close" has the focus on every
// show. "Clear" blanks the rows at once and stays open, and the file becomes 220 zero bytes.
TEST_F(HighScores, MenuShowsTheFileAndClearEmptiesIt) {
    const Player bob{"", "  <b>Bob</b>", "<b>Bob</b>"}, zoe{"", "Zo\xEB", "Zoë"};
    // The last record is cut off within its score.
    std::ofstream(file, std::ios::binary)
        << fileOf({{ada, 2147483647}, {bob, 4000}, {zoe, -900}, {ann, 0}, {bo, 257}})
               .substr(0, 4 * 22 + 20);
    frmHigh& high = *window->highScores;
    EXPECT_EQ(high.parentWidget(), window.get());
    QTimer::singleShot(0, &high, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &high);
        EXPECT_EQ(rowsOf(high), rowsShowing({{ada, 2147483647}, {bob, 4000}, {zoe, -900}}));
        for (const QLabel* label : high.findChildren<QLabel*>())
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        high.cmdClear->click();
        EXPECT_TRUE(high.isVisible());
        EXPECT_EQ(rowsOf(high), rowsShowing({}));
        high.cmdClose->click();
    });
    window->mnuHigh->trigger();
    EXPECT_EQ(scoreFile::readBytes(file), fileOf({}));
    high.show();
    EXPECT_EQ(high.focusWidget(), high.cmdClose);
    EXPECT_EQ(warnings(), Texts{});
}

// A read-only "HScores.dt" (its read-only attribute on Windows, mode 0400 elsewhere) in a folder
// the player may write sends the player to their own folder, %APPDATA%\Velquist on Windows
// ($XDG_DATA_HOME/Velquist, the fixture's, elsewhere), starting from the read-only file's table.
TEST_F(HighScores, AReadOnlyFileInAWritableFolderSendsThePlayerToTheirOwnFolder) {
    const QString data = qEnvironmentVariable("APPDATA", qEnvironmentVariable("XDG_DATA_HOME"));
    const std::string own = QDir::toNativeSeparators(data + "/Velquist/HScores.dt").toStdString();
    std::filesystem::remove(own);
    std::ofstream(file, std::ios::binary) << fileOf({{ada, 300}});
    ASSERT_TRUE(QFile::setPermissions(QString::fromStdString(file), QFile::ReadOwner));
    frmHigh high(nullptr);
    high.addScore(100, bo.typed);
    EXPECT_EQ(scoreFile::readBytes(own), fileOf({{ada, 300}, {bo, 100}}));
    EXPECT_EQ(scoreFile::readBytes(file), fileOf({{ada, 300}}));
    EXPECT_EQ(warnings(), Texts{});
    std::filesystem::remove_all(std::filesystem::path(own).parent_path());
}

// Copies sharing the file: each window saves into what the others saved, shows and judges by the
// file as it is now, and a clear holds against another's next save. A save warns and keeps its
// changes for the next one while a copy holds the lock, even one that only reads; a copy started
// under a writer's lock reads nothing then and warns of nothing. A save that waited for a file a
// copy made and removed again after its first save failed warns too, whether the path then leads
// to no file or to a new one that a third copy made, which its next save goes into.
TEST_F(HighScores, CopiesSharingTheFileKeepEachOthersScoresThroughARemovalAndALock) {
    frmHigh first(nullptr);
    for (const char* then : {"", "new"}) {
        std::filesystem::remove(file);
        {
            LockHolder remover(file, "exclusive", {"300", then});
            platform::setLockWaitForTesting(1500ms);
            first.addScore(100, ann.typed);
        }
        first.addScore(50, bo.typed);
        EXPECT_EQ(scoreFile::readBytes(file), fileOf({{ann, 100}, {bo, 50}})) << then;
    }

    std::ofstream(file, std::ios::binary) << fileOf(Entries(10, {ada, 100}));
    frmHigh second(nullptr);
    first.addScore(150, ann.typed);
    second.addScore(120, bo.typed);
    EXPECT_EQ(rowsOf(second)[0].first, ann.shown);
    first.show();
    EXPECT_EQ(rowsOf(first)[1].first, bo.shown);
    second.cmdClear_Click();
    EXPECT_TRUE(first.isHighScore(5));
    first.addScore(5, bo.typed);
    EXPECT_EQ(scoreFile::readBytes(file), fileOf({{bo, 5}}));
    EXPECT_EQ(rowsOf(first), rowsShowing({{bo, 5}}));

    auto writer = std::make_unique<LockHolder>(file, "exclusive");
    frmHigh third(nullptr);
    EXPECT_NE(rowsOf(third)[0].first, bo.shown); // it read nothing under the lock
    second.cmdClear_Click();
    writer.reset();
    {
        LockHolder reader(file, "shared");
        second.addScore(300, ann.typed);
    }
    third.addScore(4, ann.typed);
    EXPECT_EQ(rowsOf(third), rowsShowing({{bo, 5}, {ann, 4}}));
    second.addScore(200, bo.typed);
    EXPECT_EQ(scoreFile::readBytes(file), fileOf({{ann, 300}, {bo, 200}}));
    const std::string removed = writeFailureMessage(file, "another copy of the game removed it");
    EXPECT_EQ(warnings(), (Texts{removed, removed, lockBusyMessage(file), lockBusyMessage(file)}));
}

// Two copies saving at once, one the even scores up to 600 rising, the other the odd ones from 601
// falling, so that a save lost in the race shows: the file ends with the ten best of both.
TEST_F(HighScores, TwoProcessesSavingAtOnceLeaveTheTenBestOfBoth) {
    AnotherCopy falling({"save", QString::fromStdString(file), "601", "-2", "2"});
    falling.waitToSay("ready");
    falling.process.write("go\n");
    ScoreFile shared{file};
    ScoreTable table{};
    for (std::int32_t score = 2; score <= 600; score += 2)
        addScore(shared, table, score, storedName(std::to_string(score)));
    EXPECT_TRUE(falling.process.waitForFinished(60000) && falling.process.exitCode() == 0);
    Entries best; // 601 down to 592
    for (std::int32_t score = 601; score > 591; --score)
        best.emplace_back(Player{"", std::to_string(score), ""}, score);
    EXPECT_EQ(scoreFile::readBytes(file), fileOf(best));
}
