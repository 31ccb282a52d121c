// Copies of the game sharing one "HScores.dt": no copy's save or clear may lose what another saved.
#include "forms/frmHigh.h"
#include "platform/appPath.h"
#include "platform/fileLock.h"
#include "support/scoreFileBytes.h"
#include "support/scriptedDialogs.h"

#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scoreFileBytes;
using Entries = std::vector<std::pair<std::string, std::int32_t>>;

// A program folder of its own, in memory where it can be, so that saves flush quickly.
class ScoreSharing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform::setAppPathForTesting(folder.path().toStdString());
        platform::setDialogProvider(&dialogs);
    }
    void TearDown() override {
        platform::setLockWaitForTesting({});
        platform::setDialogProvider(nullptr);
        platform::setAppPathForTesting({});
    }
    QTemporaryDir folder{QString(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                         "/velquist-XXXXXX"};
    const std::string file = folder.filePath("HScores.dt").toStdString();
    ScriptedDialogs dialogs;
};

// Each window saves into what the other saved, shows and judges by the file as it is now, and a
// clear in one holds against the other's next save.
TEST_F(ScoreSharing, TwoWindowsOnOneFileKeepEachOthersScoresAndClears) {
    writeBytes(file, fileOf(Entries(10, {"P", 100})));
    frmHigh first(nullptr), second(nullptr);
    first.addScore(150, "Ann");
    second.addScore(120, "Bo");
    EXPECT_EQ(second.lblPlayer[0]->text(), "Ann");
    first.show();
    EXPECT_EQ(first.lblPlayer[1]->text(), "Bo");
    second.cmdClear_Click();
    EXPECT_TRUE(first.isHighScore(5));
    first.addScore(5, "Cy");
    EXPECT_EQ(readBytes(file), fileOf({{"Cy", 5}}));
    EXPECT_EQ(first.lblPlayer[1]->text(), "");
}

// Two processes saving 300 scores each at the same time, one the even scores up to 600 and the
// other the odd ones up to 601: the file ends with the ten best of them all, every record whole.
TEST_F(ScoreSharing, TwoProcessesSavingAtOnceLeaveTheTenBestOfBoth) {
    const auto saveEveryOtherScoreFrom = [this](std::int32_t score) {
        highScoreTable::ScoreFile shared{file};
        highScoreTable::ScoreTable table{};
        for (; score <= 601; score += 2)
            addScore(shared, table, score, highScoreTable::storedName(std::to_string(score)));
        return 0;
    };
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(saveEveryOtherScoreFrom(3));
    saveEveryOtherScoreFrom(2);
    ::waitpid(child, nullptr, 0);
    Entries best; // 601 down to 592
    for (std::int32_t score = 601; score > 591; --score)
        best.emplace_back(std::to_string(score), score);
    EXPECT_EQ(readBytes(file), fileOf(best));
}

// A copy that keeps the file locked makes a clear and a save fail with a warning that says so,
// both kept; once that copy is killed its lock goes with it, and the next save writes them.
TEST_F(ScoreSharing, LockOfAKilledCopyNeverBlocksAndWaitingChangesAreSavedNextTime) {
    writeBytes(file, fileOf({{"Ada", 500}}));
    frmHigh window(nullptr);
    const int locked = ::open(file.c_str(), O_RDWR);
    ASSERT_EQ(platform::lockFile(locked, true), platform::FileLock::held);
    // The child shares the open file and so its lock, which it holds alone once this one closes.
    const pid_t holder = ::fork();
    if (holder == 0)
        ::_exit(::pause());
    ::close(locked);
    platform::setLockWaitForTesting(std::chrono::milliseconds(50));
    window.cmdClear_Click();
    window.addScore(300, "Ann");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    window.addScore(200, "Bo");
    EXPECT_EQ(readBytes(file), fileOf({{"Ann", 300}, {"Bo", 200}}));
    EXPECT_EQ(dialogs.messageBoxes.at(0).text, highScoreTable::lockBusyMessage(file));
    EXPECT_EQ(dialogs.messageBoxes.at(1).text, highScoreTable::lockBusyMessage(file));
}
