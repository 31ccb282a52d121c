#include "forms/highScoreTable.h"

#include "support/scoreFileBytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace highScoreTable;
using namespace scoreFileBytes;

namespace {

// The table 100, 90, ..., 10 under the names P100 ... P10.
ScoreTable tenDown() {
    ScoreTable table{};
    for (std::size_t i = 0; i < entryCount; ++i) {
        const auto score = static_cast<std::int32_t>(100 - 10 * i);
        table[i] = HighScore{storedName("P" + std::to_string(score)), score};
    }
    return table;
}

Bytes bytesOf(const HighScore& entry) {
    const Record r = encodeRecord(entry);
    return Bytes(r.begin(), r.end());
}

// A file made elsewhere: consecutive bytes differ, so a moved, lost or invented byte shows.
Bytes patternBytes(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    return bytes;
}

class HighScoreFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    std::string path() const { return scoreFilePath(folder.path().toStdString()); }
    QTemporaryDir folder;
};

} // namespace

// A record is the typed name as 18 Windows-1252 bytes (cut, or padded with spaces, leading
// spaces kept), then the score as 4 bytes, least significant first; it decodes back the same.
TEST(HighScoreRecord, TypedNameAndScoreBecomeEighteenNameBytesThenFourScoreBytes) {
    struct Case {
        const char* name;
        std::string typed;
        std::string stored;
        std::int32_t score;
    };
    const Case cases[] = {
        {"short name padded", "Bob", "Bob", 300},
        {"exactly 18 kept", "ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQR", 0x12345678},
        {"25 characters cut to 18", "ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQR", -1},
        {"leading spaces stored", "  Al", "  Al", std::numeric_limits<std::int32_t>::min()},
        {"accented letter one byte", "Zo\xC3\xAB", "Zo\xEB",
         std::numeric_limits<std::int32_t>::max()},
        {"outside the code page", "\xE6\x9D\x8E Wei", "? Wei", 1},
        {"markup kept as typed", "<b>x</b>", "<b>x</b>", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes expected = record(c.stored, c.score);
        EXPECT_EQ(bytesOf(HighScore{storedName(c.typed), c.score}), expected);
        const HighScore decoded =
            decodeRecord(std::span<const unsigned char, recordBytes>(expected.data(), recordBytes));
        EXPECT_EQ(bytesOf(decoded), expected);
        EXPECT_EQ(decoded.score, c.score);
    }
}

// A score earns a place when it beats some entry; it goes behind every entry with an equal or
// higher score, the last entry drops out, and a score that beats none changes nothing.
TEST(HighScoreRules, ScoreGoesBehindEqualScoresOrNowhere) {
    struct Case {
        const char* name;
        ScoreTable table;
        std::int32_t score;
        std::vector<std::int32_t> after; // scores after the insertion
        std::size_t place;               // where "New" lands; entryCount for nowhere
    };
    const Case cases[] = {
        {"empty table", ScoreTable{}, 1, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"empty table, 0", ScoreTable{}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, entryCount},
        {"above the best", tenDown(), 101, {101, 100, 90, 80, 70, 60, 50, 40, 30, 20}, 0},
        {"equal to the second", tenDown(), 90, {100, 90, 90, 80, 70, 60, 50, 40, 30, 20}, 2},
        {"one above the lowest", tenDown(), 11, {100, 90, 80, 70, 60, 50, 40, 30, 20, 11}, 9},
        {"equal to the lowest", tenDown(), 10, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10}, 10},
        {"below the lowest", tenDown(), -3, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10}, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool qualifies = c.place < entryCount;
        EXPECT_EQ(isHighScore(c.table, c.score), qualifies);
        ScoreTable table = c.table;
        EXPECT_EQ(insertScore(table, c.score, storedName("New")), qualifies);
        for (std::size_t i = 0; i < entryCount; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(table[i].score, c.after[i]);
            if (i == c.place) {
                EXPECT_EQ(shownName(table[i].playerName), "New");
            } else if (c.after[i] == 0) {
                EXPECT_EQ(bytesOf(table[i]), Bytes(recordBytes, 0));
            } else {
                EXPECT_EQ(shownName(table[i].playerName), "P" + std::to_string(c.after[i]));
            }
        }
    }
}

// Reading takes the whole records the file holds, up to ten; a record cut part-way stays empty.
// Saving goes over the first 220 bytes only: a short file grows, a longer one keeps its tail.
TEST_F(HighScoreFile, LoadTakesWholeRecordsAndSaveGoesOverTheFirst220Bytes) {
    for (std::size_t size : {0u, 21u, 22u, 43u, 44u, 219u, 220u, 300u}) {
        SCOPED_TRACE(size);
        const Bytes original = patternBytes(size);
        writeBytes(path(), original);
        const ReadResult loaded = readFile(path());
        ASSERT_EQ(loaded.status, ReadStatus::read);
        for (std::size_t i = 0; i < entryCount; ++i) {
            SCOPED_TRACE(i);
            const auto from = original.begin() + static_cast<long>(i * recordBytes);
            const Bytes expected = (i + 1) * recordBytes <= size ? Bytes(from, from + recordBytes)
                                                                 : Bytes(recordBytes, 0);
            EXPECT_EQ(bytesOf(loaded.table[i]), expected);
        }

        ASSERT_TRUE(writeFile(path(), tenDown()).written);
        const FileImage image = encodeTable(tenDown());
        Bytes expected(image.begin(), image.end());
        if (size > fileBytes)
            expected.insert(expected.end(), original.begin() + fileBytes, original.end());
        EXPECT_EQ(readBytes(path()), expected);
    }
}

// Names are raw bytes: a file holding every byte value in its names, the ones Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) among them, is written back unchanged.
TEST_F(HighScoreFile, EveryByteValueSurvivesALoadAndASave) {
    for (unsigned first : {0u, 180u}) { // 180 name bytes a file; two files cover all 256
        SCOPED_TRACE(first);
        Bytes original;
        for (unsigned r = 0; r < entryCount; ++r) {
            std::string name;
            for (unsigned k = 0; k < nameBytes; ++k)
                name += static_cast<char>(first + r * nameBytes + k);
            const Bytes bytes = record(name, 0x01010101);
            original.insert(original.end(), bytes.begin(), bytes.end());
        }
        writeBytes(path(), original);
        const ReadResult loaded = readFile(path());
        ASSERT_EQ(loaded.status, ReadStatus::read);
        ASSERT_TRUE(writeFile(path(), loaded.table).written);
        EXPECT_EQ(readBytes(path()), original);
    }
}

// --- Permissions, as a user without privileges ----------------------------------------------

// A file the player may write but not read: loading warns, and the save that would destroy the
// scores in it is refused.
TEST_F(HighScoreFile, WriteOnlyFileWarnsAtLoadAndIsNeverWrittenOver) {
    const Bytes original = fileOf({{"Ada", 300}, {"Bob", 200}});
    writeBytes(path(), original);
    const uid_t owner = ::geteuid() == 0 ? unprivilegedId : ::geteuid();
    ASSERT_EQ(::chown(path().c_str(), owner, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chmod(path().c_str(), 0200), 0);
    const std::string failure = asUnprivilegedUser(folder.path().toStdString(), [this] {
        ScoreFile file{path()};
        ScoreTable table = tenDown();
        if (loadTable(file, table) != readFailureMessage(path(), "Permission denied"))
            return std::string("load did not warn of permission denied");
        if (!file.unreadable || encodeTable(table) != FileImage{})
            return std::string("load did not leave an empty table and an unreadable file");
        if (saveTable(file, tenDown()) != saveRefusedMessage(path()))
            return std::string("save was not refused");
        return std::string();
    });
    EXPECT_EQ(failure, "");
    ASSERT_EQ(::chmod(path().c_str(), 0600), 0); // to read it back when not root
    EXPECT_EQ(readBytes(path()), original);
}

// A folder the player may not write in: the save fails with the system's reason.
TEST_F(HighScoreFile, ReadOnlyFolderFailsTheSaveWithPermissionDenied) {
    const std::string folderPath = folder.path().toStdString();
    const std::string failure = asUnprivilegedUser(folderPath, [&] {
        if (::chmod(folderPath.c_str(), 0555) != 0)
            return std::string("cannot make the folder read-only");
        ScoreFile file{path()};
        ScoreTable table{};
        const std::string loadWarning = loadTable(file, table);
        const std::string saveWarning = saveTable(file, tenDown());
        ::chmod(folderPath.c_str(), 0700);
        if (!loadWarning.empty())
            return "missing file warned: " + loadWarning;
        if (saveWarning != writeFailureMessage(path(), "Permission denied"))
            return "unexpected warning: " + saveWarning;
        return std::string();
    });
    EXPECT_EQ(failure, "");
    EXPECT_FALSE(std::filesystem::exists(path()));
}
