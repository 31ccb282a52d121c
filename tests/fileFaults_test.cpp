// The high-score file beset by POSIX file-system faults: symbolic links, permissions and a full
// disk.
#include "platform/appPath.h"
#include "support/highScoreFixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace highScoreTable;

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
