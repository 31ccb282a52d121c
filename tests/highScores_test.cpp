// The High Scores window and its file "HScores.dt": shared by copies of the game, beset by faults.
#include "forms/frmHigh.h"
#include "forms/highScoreTable.h"
#include "platform/appPath.h"
#include "platform/fileLock.h"
#include "support/gameFixture.h"
#include "support/scoreFile.h"

#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace highScoreTable;
using namespace std::chrono_literals;

constexpr const char* smallDisk = "/mnt"; // 64 KiB, filled up by the full-disk cases
std::string noSmallDisk;                  // why the full-disk cases cannot run

// Runs before main, single-threaded. Root ignores permissions, so it becomes user 65534, after
// mounting the small disk over /mnt in a mount namespace of its own, gone with the process.
const bool unprivileged = [] {
    if (::geteuid() != 0) {
        noSmallDisk = "mounting a file system needs root";
        return true;
    }
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", smallDisk, "tmpfs", MS_NOSUID | MS_NODEV,
                "size=64k,mode=0755,uid=65534,gid=65534") != 0)
        noSmallDisk = std::string("this machine allows no tmpfs: ") + std::strerror(errno);
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
        return false;
    // A process that changed its user may not be traced; LeakSanitizer traces it at exit.
    ::prctl(PR_SET_DUMPABLE, 1);
    return true;
}();

using Rows = std::vector<std::pair<std::string, std::string>>; // name and score as shown
using Texts = std::vector<std::string>;

// A name as typed, as stored and as shown; the five bytes Windows-1252 leaves undefined stand for
// the C1 controls of the same value, both ways.
struct Player {
    std::string typed, stored, shown;
};
const Player ada{"", "Ada\x81\x8D\x8F\x90\x9D", "Ada\u0081\u008D\u008F\u0090\u009D"};
const Player ann{"  Zoë Œuvre-Ÿ €uro and more", "  Zo\xEB \x8Cuvre-\x9F \x80uro",
                 "Zoë Œuvre-Ÿ €uro"};
const Player bo{"e\xCC\x81t\xC3\xA9 李\u0081", "\xE9t\xE9 ?\x81", "été ?\u0081"};
using Entries = std::vector<std::pair<Player, std::int32_t>>;

std::string fileOf(const Entries& entries) {
    std::vector<std::pair<std::string, std::int32_t>> records;
    for (const auto& [player, score] : entries)
        records.emplace_back(player.stored, score);
    return scoreFile::fileOf(records);
}

Rows rowsOf(const frmHigh& high) {
    Rows rows;
    for (std::size_t i = 0; i < 10; ++i)
        rows.emplace_back(high.lblPlayer[i]->text().toStdString(),
                          high.lblScore[i]->text().toStdString());
    return rows;
}

Rows rowsShowing(const Entries& entries) {
    Rows rows;
    for (const auto& [player, score] : entries)
        rows.emplace_back(player.shown, std::to_string(score));
    rows.resize(10);
    return rows;
}

// The real program, its high-score file in the program folder.
class HighScores : public GameFixture {
  protected:
    // The texts of the warnings so far, every one an exclamation box titled "High Scores".
    Texts warnings() const {
        Texts texts;
        for (const auto& box : dialogs.messageBoxes) {
            EXPECT_EQ(box.style, platform::vbExclamation);
            EXPECT_EQ(box.title, "High Scores");
            texts.push_back(box.text);
        }
        return texts;
    }

    // Another copy of the game holding the file locked until endCopy, with short lock waits; or,
    // given a time, one whose first save made the file and failed, which removes it then and ends.
    static pid_t lockedByAnotherCopy(const std::string& path,
                                     std::chrono::milliseconds removeAfter = {}) {
        const int locked = ::open(path.c_str(), O_RDWR | O_CREAT, 0644);
        EXPECT_EQ(platform::lockFile(locked, true), platform::FileLock::held);
        const pid_t holder = ::fork(); // shares the lock, alone once this process closes the file
        if (holder == 0) {
            std::this_thread::sleep_for(removeAfter.count() ? removeAfter : 1h);
            ::_exit(::unlink(path.c_str()));
        }
        ::close(locked);
        platform::setLockWaitForTesting(removeAfter.count() ? removeAfter * 5 : 50ms);
        return holder;
    }
    static void endCopy(pid_t copy) {
        ::kill(copy, SIGKILL);
        ::waitpid(copy, nullptr, 0);
        platform::setLockWaitForTesting({});
    }

    std::string file = folderPath() + "/HScores.dt";
};

// Where the program folder's "HScores.dt" may not be written by the player, the table is theirs
// alone, in their data folder ($XDG_DATA_HOME/Velquist), made when first needed, and the program
// folder's table is where it starts.
struct Fault {
    const char* name;
    bool onFullDisk;        // the program folder is on a file system with no room left
    const char* linkTo;     // "HScores.dt" is a symbolic link to this, from the program folder
    int fileMode;           // "HScores.dt" holds a full table and a tail, with this mode; -1: none
    mode_t folderMode;      // the program folder's mode
    bool ownTable;          // the table is kept in the player's data folder
    mode_t dataMode;        // the mode of $XDG_DATA_HOME; 0: not there yet
    const char* readReason; // the load warns that the program folder's file cannot be read
    const char* saveReason; // the system's reason in the save warnings; nullptr: none
    // The file read at load is the table's own and cannot be read: every save is refused.
    bool refused() const { return readReason && !ownTable; }
    friend void PrintTo(const Fault& f, std::ostream* os) { *os << f.name; } // in failures
};

const char* const denied = "Permission denied";
const Fault faults[] = {
    {"None", false, nullptr, -1, 0755, false, 0, nullptr, nullptr},
    {"LinkIntoAMissingFolder", false, "gone/x.dt", -1, 0755, false, 0, nullptr,
     "No such file or directory"},
    {"LinkToAMissingFile", false, "elsewhere.dt", -1, 0755, false, 0, nullptr, nullptr},
    {"LinkToItself", false, "HScores.dt", -1, 0755, true, 0, "Too many levels of symbolic links",
     nullptr},
    {"FullDiskNoFileYet", true, nullptr, -1, 0755, false, 0, nullptr, "No space left on device"},
    {"FullDiskFileThere", true, nullptr, 0644, 0755, false, 0, nullptr, nullptr},
    {"ReadOnlyFolderNoFile", false, nullptr, -1, 0555, true, 0, nullptr, nullptr},
    {"ReadOnlyFolderAndFile", false, nullptr, 0444, 0555, true, 0755, nullptr, nullptr},
    {"ReadOnlyFolderWritableFile", false, nullptr, 0644, 0555, false, 0, nullptr, nullptr},
    {"ReadOnlyFolderAndDataFolder", false, nullptr, 0444, 0555, true, 0555, nullptr, denied},
    {"WriteOnlyFile", false, nullptr, 0200, 0755, false, 0, denied, nullptr},
    {"UnsearchableFolder", false, nullptr, 0644, 0600, true, 0, denied, nullptr},
};

class FileFaults : public HighScores, public ::testing::WithParamInterface<Fault> {};

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

// Two scores entered with the fault in place from the start: each fault warns clearly, keeps the
// scores in memory, and leaves the disk as it was unless a save succeeded.
TEST_P(FileFaults, ScoresWarnStayInTheTableAndLeaveTheDiskAsItWas) {
    const Fault& f = GetParam();
    ASSERT_TRUE(unprivileged) << "could not give up root";
    if (f.onFullDisk && !noSmallDisk.empty()) {
        ASSERT_NE(qgetenv("CI"), "true") << noSmallDisk; // CI runs as root, so it has one
        GTEST_SKIP() << "full file system not tried: " << noSmallDisk;
    }
    const std::string folder = (f.onFullDisk ? smallDisk : folderPath()) + std::string("/program");
    fs::remove_all(folder);
    ASSERT_TRUE(fs::create_directory(folder));
    file = folder + "/HScores.dt";
    const std::string dataHome = folderPath() + "/data", own = dataHome + "/Velquist/HScores.dt";
    ASSERT_TRUE(!f.dataMode || ::mkdir(dataHome.c_str(), f.dataMode) == 0);
    // A full table: both scores go behind the largest, the first behind the score it ties with.
    Entries before;
    for (std::int32_t score : {2147483647, 9, 8, 7, 6, 5, 4, 3, 2, 1})
        before.emplace_back(ada, score);
    // A file there before the program starts has a tail past the table's 220 bytes, which stays.
    const std::string tail = f.fileMode >= 0 ? "tail" : "";
    ASSERT_TRUE(!f.linkTo || ::symlink(f.linkTo, file.c_str()) == 0) << std::strerror(errno);
    if (f.fileMode >= 0) {
        std::ofstream(file, std::ios::binary) << fileOf(before) + tail;
        ASSERT_EQ(::chmod(file.c_str(), static_cast<mode_t>(f.fileMode)), 0);
    }
    if (f.onFullDisk) // a file of its own takes every free block
        std::ofstream(folder + "/filler") << std::string(1 << 20, 'x');
    ASSERT_EQ(::chmod(folder.c_str(), f.folderMode), 0);

    platform::setAppPathForTesting(folder);
    frmHigh high(nullptr);
    const std::string& used = f.ownTable ? own : file;
    Entries entries = f.fileMode >= 0 && !f.readReason ? before : Entries{};
    for (const auto& [player, score] : {std::pair{ann, 9}, std::pair{bo, 100}}) {
        high.addScore(score, player.typed);
        entries.emplace_back(player, score);
    }
    std::ranges::stable_sort(entries, std::greater{}, &Entries::value_type::second);
    entries.resize(std::min<std::size_t>(entries.size(), 10));
    // The rows follow the table at once, although the window is hidden.
    EXPECT_EQ(rowsOf(high), rowsShowing(entries));
    // A score with no place changes nothing and saves nothing, so it warns of nothing either.
    EXPECT_FALSE(high.isHighScore(0));
    high.addScore(0, "Late");
    // A warning at load, then one for each save.
    Texts expected = f.readReason ? Texts{readFailureMessage(file, f.readReason)} : Texts{};
    if (f.saveReason || f.refused())
        expected.resize(expected.size() + 2, f.refused() ? saveRefusedMessage(used)
                                                         : writeFailureMessage(used, f.saveReason));
    EXPECT_EQ(warnings(), expected);

    // The disk, with the folders writable again so that they can be removed: a link as it was,
    // and each file as it was unless the saves went into it.
    ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
    ::chmod(dataHome.c_str(), 0700); // where there is one
    EXPECT_TRUE(!f.linkTo || fs::read_symlink(file) == f.linkTo);
    ::chmod(file.c_str(), 0600); // where there is a file
    const bool written = !f.saveReason && !f.refused();
    const auto untouched = f.fileMode >= 0 ? std::optional(fileOf(before) + tail) : std::nullopt;
    EXPECT_EQ(scoreFile::readBytes(file),
              written && !f.ownTable ? fileOf(entries) + tail : untouched);
    EXPECT_EQ(scoreFile::readBytes(own),
              written && f.ownTable ? std::optional(fileOf(entries)) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(HighScoreFile, FileFaults, ::testing::ValuesIn(faults),
                         [](const auto& info) { return std::string(info.param.name); });

// Copies sharing the file: each window saves into what the others saved, shows and judges by the
// file as it is now, and a clear holds against another's next save. A save warns and keeps its
// changes for the next one while a copy holds the lock (a copy started under it warns of nothing),
// or when it waited for a file that a copy made and removed again after its first save failed.
TEST_F(HighScores, CopiesSharingTheFileKeepEachOthersScoresThroughARemovalAndALock) {
    frmHigh first(nullptr);
    const pid_t remover = lockedByAnotherCopy(file, 300ms);
    first.addScore(100, ann.typed);
    endCopy(remover);
    first.addScore(50, bo.typed);
    EXPECT_EQ(scoreFile::readBytes(file), fileOf({{ann, 100}, {bo, 50}}));

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

    const pid_t holder = lockedByAnotherCopy(file);
    frmHigh third(nullptr);
    second.cmdClear_Click();
    second.addScore(300, ann.typed);
    endCopy(holder);
    third.addScore(4, ann.typed);
    EXPECT_EQ(rowsOf(third), rowsShowing({{bo, 5}, {ann, 4}}));
    second.addScore(200, bo.typed);
    EXPECT_EQ(scoreFile::readBytes(file), fileOf({{ann, 300}, {bo, 200}}));
    const std::string removed = writeFailureMessage(file, "another copy of the game removed it");
    EXPECT_EQ(warnings(), (Texts{removed, lockBusyMessage(file), lockBusyMessage(file)}));
}

// A window rereading the file while another copy writes it over and over sees only tables that
// were written whole, each ten entries of one score.
TEST_F(HighScores, ReadsWhileAnotherCopyWritesSeeOnlyWholeTables) {
    // In memory, where a write costs little, so that reads and writes interleave closely.
    const QTemporaryDir memory("/dev/shm/velquist-XXXXXX");
    platform::setAppPathForTesting(memory.path().toStdString());
    file = memory.path().toStdString() + "/HScores.dt";
    ScoreTable table;
    table.fill(HighScore{storedName("1"), 1});
    ASSERT_TRUE(writeFile(file, table).written);
    const pid_t writer = ::fork();
    for (std::int32_t score = 2; writer == 0; ++score) {
        table.fill(HighScore{storedName(std::to_string(score)), score});
        writeFile(file, table);
    }
    frmHigh high(nullptr);
    std::set<std::string> seen;
    // Until the reads have met 30 tables: they went on among the writes.
    for (int i = 0; seen.size() < 30 && i < 20000; ++i) {
        high.show();
        const Rows rows = rowsOf(high);
        high.hide();
        EXPECT_NE(rows[0].second, "");
        EXPECT_EQ(rows, Rows(10, {rows[0].second, rows[0].second}));
        seen.insert(rows[0].second);
    }
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    EXPECT_EQ(seen.size(), 30u);
}

// Two copies saving at once, one the even scores up to 600 rising, the other the odd ones from 601
// falling, so that a save lost in the race shows: the file ends with the ten best of both.
TEST_F(HighScores, TwoProcessesSavingAtOnceLeaveTheTenBestOfBoth) {
    const pid_t child = ::fork(); // the one that falls
    ScoreFile shared{file};
    ScoreTable table{};
    const std::int32_t step = child == 0 ? -2 : 2;
    for (std::int32_t score = child == 0 ? 601 : 2; score >= 2 && score <= 601; score += step)
        addScore(shared, table, score, storedName(std::to_string(score)));
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    Entries best; // 601 down to 592
    for (std::int32_t score = 601; score > 591; --score)
        best.emplace_back(Player{"", std::to_string(score), ""}, score);
    EXPECT_EQ(scoreFile::readBytes(file), fileOf(best));
}
