// Faults around the high-score file that need no lack of privileges, played through a whole game
// over with the name box: symbolic links that lead nowhere or in a circle, and a file system with
// no room left. Each must give a clear warning, keep the scores in memory, and leave the disk as
// it was unless a save really succeeded. (Permission faults: fileFaultsUnprivileged_test.cpp.)
#include "forms/highScoreTable.h"
#include "support/fileFaultGame.h"
#include "support/scoreFileBytes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace scoreFileBytes;
namespace fs = std::filesystem;

namespace {

class FileFaults : public FileFaultGame {
  protected:
    // A fresh program folder for one case.
    std::string newProgramFolder(const std::string& name) {
        const std::string path = folderPath() + "/" + name;
        EXPECT_TRUE(fs::create_directory(path)) << path;
        return path;
    }
};

} // namespace

// "HScores.dt" as a symbolic link. A link to a missing file in a folder that exists is written
// through; a link into a missing folder cannot be written; a link to itself cannot be read.
TEST_F(FileFaults, SymbolicLinksThroughAGameOver) {
    struct Case {
        const char* name;
        const char* target; // of the link, relative to the program folder
        bool warnsAtLoad;   // the link cannot be read
        bool saves;         // the save reaches a file
        const char* reason; // of the failure
    };
    const Case cases[] = {
        {"dangling, into a missing folder", "gone/HScores.dt", false, false,
         "No such file or directory"},
        {"dangling, to a missing file", "elsewhere.dt", false, true, ""},
        {"to itself", "HScores.dt", true, false, "Too many levels of symbolic links"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = newProgramFolder(c.name);
        ASSERT_EQ(::symlink(c.target, (folder + "/HScores.dt").c_str()), 0) << std::strerror(errno);
        startProgramIn(folder);
        if (c.warnsAtLoad) {
            EXPECT_EQ(warnings(), std::vector<std::string>{
                                      highScoreTable::readFailureMessage(filePath(), c.reason)});
        } else {
            EXPECT_TRUE(warnings().empty());
        }

        const std::int32_t first = loseAGame("Ann");
        const std::int32_t second = loseAGame("Bo");
        std::vector<std::string> expected;
        if (c.warnsAtLoad)
            expected = {highScoreTable::readFailureMessage(filePath(), c.reason),
                        highScoreTable::saveRefusedMessage(filePath()),
                        highScoreTable::saveRefusedMessage(filePath())};
        else if (!c.saves)
            expected = {highScoreTable::writeFailureMessage(filePath(), c.reason),
                        highScoreTable::writeFailureMessage(filePath(), c.reason)};
        EXPECT_EQ(warnings(), expected);

        // Both scores are in the table in memory, in order.
        const Row ann = row("Ann", first), bo = row("Bo", second);
        EXPECT_EQ(rows(), (second > first ? std::vector<Row>{bo, ann} : std::vector<Row>{ann, bo}));

        // The link is still the link it was; only a save that succeeded made a file behind it.
        EXPECT_TRUE(fs::is_symlink(filePath()));
        EXPECT_EQ(fs::read_symlink(filePath()).string(), c.target);
        if (c.saves) {
            const Bytes saved = readBytes(folder + "/" + c.target);
            EXPECT_EQ(saved, second > first ? fileOf({{"Bo", second}, {"Ann", first}})
                                            : fileOf({{"Ann", first}, {"Bo", second}}));
            // The next run reads the scores back through the link.
            startProgramIn(folder);
            EXPECT_TRUE(warnings().empty());
            EXPECT_EQ(rows().size(), 2u);
        } else {
            std::error_code error;
            EXPECT_FALSE(fs::exists(fs::path(folder) / "gone", error));
            if (std::string(c.target) != "HScores.dt") {
                EXPECT_FALSE(fs::exists(fs::path(folder) / c.target, error));
            }
        }
    }
}

namespace {

// A small tmpfs mounted for the length of a test, and unmounted however the test ends.
class SmallFileSystem {
  public:
    explicit SmallFileSystem(const std::string& at) : path(at) {
        fs::create_directory(path);
        if (::geteuid() != 0) {
            why = "mounting a file system needs root";
            return;
        }
        if (::mount("tmpfs", path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0755") !=
            0) {
            why = std::string("this machine does not allow a tmpfs to be mounted: ") +
                  std::strerror(errno);
            return;
        }
        mounted = true;
    }
    ~SmallFileSystem() {
        if (mounted)
            ::umount2(path.c_str(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    // Fills every free block with a file of its own; answers whether the file system is now full,
    // so that not one more byte can be written to a new file.
    bool fill() {
        const int filler = ::open((path + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (filler < 0)
            return false;
        const std::string block(4096, 'x');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        const bool full = errno == ENOSPC;
        ::close(filler);
        const std::string probePath = path + "/probe";
        const int probe = ::open(probePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool probeFailed = probe < 0 || (::write(probe, "x", 1) < 0 && errno == ENOSPC);
        if (probe >= 0)
            ::close(probe);
        ::unlink(probePath.c_str());
        return full && probeFailed;
    }

    std::string path;
    std::string why; // why it could not be mounted
    bool mounted = false;
};

} // namespace

// The program's folder on a full file system: a new file cannot be written, and the failed save
// leaves no file behind; a file that is already there is written over in place and succeeds.
TEST_F(FileFaults, FullFileSystemThroughAGameOver) {
    struct Case {
        const char* name;
        bool fileBefore; // "HScores.dt" holds one score before the file system fills up
    };
    for (const Case& c : {Case{"no file yet", false}, Case{"the file is there", true}}) {
        SCOPED_TRACE(c.name);
        SmallFileSystem tmpfs(folderPath() + "/" + c.name);
        if (!tmpfs.mounted)
            GTEST_SKIP() << "full file system not tried: " << tmpfs.why;
        const Bytes before = fileOf({{"Ada", 5000}});
        if (c.fileBefore)
            writeBytes(tmpfs.path + "/HScores.dt", before);
        ASSERT_TRUE(tmpfs.fill()) << "the file system did not fill up";
        startProgramIn(tmpfs.path);
        ASSERT_TRUE(warnings().empty());

        const std::int32_t first = loseAGame("Ann");
        const std::int32_t second = loseAGame("Bo");
        const Row ada = row("Ada", 5000), ann = row("Ann", first), bo = row("Bo", second);
        std::vector<Row> expectedRows =
            second > first ? std::vector<Row>{bo, ann} : std::vector<Row>{ann, bo};
        if (c.fileBefore)
            expectedRows.insert(expectedRows.begin(), ada);
        EXPECT_EQ(rows(), expectedRows);

        if (c.fileBefore) {
            EXPECT_TRUE(warnings().empty());
            std::vector<std::pair<std::string, std::int32_t>> entries;
            for (const Row& r : expectedRows)
                entries.emplace_back(r.first, std::stoi(r.second));
            EXPECT_EQ(readBytes(filePath()), fileOf(entries));
        } else {
            const std::string full =
                highScoreTable::writeFailureMessage(filePath(), "No space left on device");
            EXPECT_EQ(warnings(), (std::vector<std::string>{full, full}));
            EXPECT_FALSE(fs::exists(filePath()))
                << "a failed save left a file of " << fs::file_size(filePath()) << " bytes";
        }
        window->close();
        window.reset();
    }
}
