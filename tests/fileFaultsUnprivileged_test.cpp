// Permission faults around the high-score file, played through a whole game over with the name
// box: a read-only folder, a read-only file, an unreadable file and a folder that cannot be
// searched. Each must give a clear warning, keep the scores in memory, and leave the disk as it
// was unless a save really succeeded.
//
// Root reads and writes whatever the permissions say, so when this executable starts as root it
// gives root up before anything else runs and carries on as the unprivileged user 65534.
#include "forms/highScoreTable.h"
#include "support/fileFaultGame.h"
#include "support/scoreFileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace scoreFileBytes;
namespace fs = std::filesystem;

namespace {

// Runs before main, while the process has one thread: drops root for the user 65534.
const bool runsUnprivileged = [] {
    if (::geteuid() != 0)
        return true;
    if (::setgroups(0, nullptr) != 0 || ::setgid(unprivilegedId) != 0 ||
        ::setuid(unprivilegedId) != 0)
        return false;
    // A process that changed its user may not be traced; LeakSanitizer traces it at exit.
    ::prctl(PR_SET_DUMPABLE, 1);
    return ::geteuid() != 0;
}();

class PermissionFaults : public FileFaultGame {
  protected:
    void SetUp() override {
        ASSERT_TRUE(runsUnprivileged) << "could not give up root";
        FileFaultGame::SetUp();
    }
    void TearDown() override {
        // Everything made writable again, so that the temporary folder can be removed.
        std::error_code error;
        for (fs::recursive_directory_iterator entry(folderPath(), error), end;
             !error && entry != end; entry.increment(error))
            ::chmod(entry->path().c_str(), 0700);
        FileFaultGame::TearDown();
    }
};

constexpr const char* denied = "Permission denied";

} // namespace

TEST_F(PermissionFaults, PermissionsThroughAGameOver) {
    enum class Expect {
        saved,         // the save succeeds
        notWritten,    // every save fails with a warning; the file stays as it was
        unreadableFile // the load warns, and every save is refused
    };
    struct Case {
        const char* name;
        bool fileBefore;   // "HScores.dt" holds Ada's 5000 before the program starts
        mode_t fileMode;   // of the file, when there is one
        mode_t folderMode; // of the program folder
        Expect expect;
    };
    const Case cases[] = {
        {"read-only folder, no file", false, 0, 0555, Expect::notWritten},
        {"read-only folder, writable file", true, 0644, 0555, Expect::saved},
        {"read-only file", true, 0444, 0755, Expect::notWritten},
        {"unreadable file", true, 0200, 0755, Expect::unreadableFile},
        {"file with no permissions at all", true, 0000, 0755, Expect::unreadableFile},
        {"folder that cannot be searched", true, 0644, 0600, Expect::unreadableFile},
    };
    const Bytes ada = fileOf({{"Ada", 5000}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = folderPath() + "/" + c.name;
        ASSERT_TRUE(fs::create_directory(folder));
        const std::string file = folder + "/HScores.dt";
        if (c.fileBefore) {
            writeBytes(file, ada);
            ASSERT_EQ(::chmod(file.c_str(), c.fileMode), 0);
        }
        ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
        startProgramIn(folder);

        const bool unreadable = c.expect == Expect::unreadableFile;
        const std::string readWarning = highScoreTable::readFailureMessage(file, denied);
        EXPECT_EQ(warnings(),
                  unreadable ? std::vector<std::string>{readWarning} : std::vector<std::string>{});
        const bool adaShown = c.fileBefore && !unreadable;
        EXPECT_EQ(rows(), adaShown ? std::vector<Row>{row("Ada", 5000)} : std::vector<Row>{});

        const std::int32_t first = loseAGame("Ann");
        const std::int32_t second = loseAGame("Bo");
        std::vector<Row> expectedRows =
            second > first ? std::vector<Row>{row("Bo", second), row("Ann", first)}
                           : std::vector<Row>{row("Ann", first), row("Bo", second)};
        if (adaShown)
            expectedRows.insert(expectedRows.begin(), row("Ada", 5000));
        EXPECT_EQ(rows(), expectedRows) << "the scores in memory";

        std::vector<std::string> expected;
        if (c.expect == Expect::notWritten)
            expected.assign(2, highScoreTable::writeFailureMessage(file, denied));
        if (unreadable)
            expected = {readWarning, highScoreTable::saveRefusedMessage(file),
                        highScoreTable::saveRefusedMessage(file)};
        EXPECT_EQ(warnings(), expected);

        // The disk: the file as it was, unless the save succeeded.
        window->close();
        window.reset();
        ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
        if (!c.fileBefore) {
            EXPECT_FALSE(fs::exists(file));
            continue;
        }
        ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
        if (c.expect == Expect::saved) {
            std::vector<std::pair<std::string, std::int32_t>> entries;
            for (const Row& r : expectedRows)
                entries.emplace_back(r.first, std::stoi(r.second));
            EXPECT_EQ(readBytes(file), fileOf(entries));
        } else {
            EXPECT_EQ(readBytes(file), ada);
        }
    }
}
