#include "forms/highScoreTable.h"

#include "platform/codePage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace highScoreTable;
using Bytes = std::vector<unsigned char>;

namespace {

std::string text(const Name& name) {
    return std::string(name.begin(), name.end());
}

// A stored name of the given bytes, padded with spaces.
Name rawName(const std::string& bytes) {
    Name name;
    name.fill(' ');
    std::copy_n(bytes.begin(), std::min(bytes.size(), nameBytes), name.begin());
    return name;
}

HighScore entry(const std::string& name, std::int32_t score) {
    return HighScore{storedName(name), score};
}

// The table 100, 90, ..., 10 under the names P100 ... P10.
ScoreTable tenDown() {
    ScoreTable table{};
    for (std::size_t i = 0; i < entryCount; ++i) {
        const auto score = static_cast<std::int32_t>(100 - 10 * i);
        table[i] = entry("P" + std::to_string(score), score);
    }
    return table;
}

std::vector<std::int32_t> scores(const ScoreTable& table) {
    std::vector<std::int32_t> out;
    for (const HighScore& e : table)
        out.push_back(e.score);
    return out;
}

std::vector<std::string> names(const ScoreTable& table) {
    std::vector<std::string> out;
    for (const HighScore& e : table)
        out.push_back(shownName(e.playerName));
    return out;
}

bool isEmptyEntry(const HighScore& e) {
    return e.score == 0 && text(e.playerName) == std::string(nameBytes, '\0');
}

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

Bytes imageBytes(const ScoreTable& table) {
    const FileImage image = encodeTable(table);
    return Bytes(image.begin(), image.end());
}

// A file made elsewhere: every byte different, so that any moved or lost byte shows.
Bytes patternBytes(std::size_t size, unsigned offset = 0) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>((i * 7 + offset) & 0xFF);
    return bytes;
}

class ScoreFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    std::string path() const { return scoreFilePath(folder.path().toStdString()); }
    QTemporaryDir folder;
};

} // namespace

// --- Record layout ------------------------------------------------------------------------------

// A record is the name's 18 bytes, padded with spaces, then the score as 4 little-endian bytes.
TEST(HighScoreRecord, FourLetterNameWithThreeHundredIsNameFourteenSpacesAnd2C010000) {
    const Record record = encodeRecord(entry("Anna", 300));
    const Bytes expected = {'A',  'n',  'n',  'a',  0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
                            0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x2C, 0x01, 0x00, 0x00};
    EXPECT_EQ(Bytes(record.begin(), record.end()), expected);
}

TEST(HighScoreRecord, ScoresAreFourLittleEndianBytesBothWays) {
    struct Case {
        std::int32_t score;
        Bytes bytes;
    };
    const Case cases[] = {
        {0, {0x00, 0x00, 0x00, 0x00}},
        {1, {0x01, 0x00, 0x00, 0x00}},
        {300, {0x2C, 0x01, 0x00, 0x00}},
        {0x12345678, {0x78, 0x56, 0x34, 0x12}},
        {-1, {0xFF, 0xFF, 0xFF, 0xFF}},
        {std::numeric_limits<std::int32_t>::max(), {0xFF, 0xFF, 0xFF, 0x7F}},
        {std::numeric_limits<std::int32_t>::min(), {0x00, 0x00, 0x00, 0x80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        const Record record = encodeRecord(entry("x", c.score));
        EXPECT_EQ(Bytes(record.begin() + nameBytes, record.end()), c.bytes);
        EXPECT_EQ(decodeRecord(record).score, c.score);
    }
}

// Record i starts at byte 22 i, index 0 first, with nothing between records.
TEST(HighScoreRecord, TableImageIsTheTenRecordsBackToBack) {
    const ScoreTable table = tenDown();
    const FileImage image = encodeTable(table);
    for (std::size_t i = 0; i < entryCount; ++i) {
        SCOPED_TRACE(i);
        const Record record = encodeRecord(table[i]);
        EXPECT_TRUE(std::equal(record.begin(), record.end(), image.begin() + i * recordBytes));
    }
}

TEST(HighScoreRecord, EmptyTableIs220ZeroBytes) {
    ScoreTable table = tenDown();
    clearTable(table);
    EXPECT_EQ(imageBytes(table), Bytes(fileBytes, 0));
}

// --- Names --------------------------------------------------------------------------------------

// A typed name is NFC Windows-1252, '?' for what the code page lacks, cut or padded to 18 bytes.
TEST(HighScoreName, TypedNamesAreStoredAsEighteenWindows1252Bytes) {
    struct Case {
        const char* name;
        std::string typed;
        std::string stored;
    };
    const std::string spaces15(15, ' ');
    const Case cases[] = {
        {"short name padded", "Bob", "Bob" + spaces15},
        {"exactly 18 kept", "ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQR"},
        {"25 characters cut to 18", "ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQR"},
        {"leading spaces stored", "  Al", "  Al" + std::string(14, ' ')},
        {"accented letter one byte", "Zo\xC3\xAB", "Zo\xEB" + spaces15},
        {"decomposed accent composed", "e\xCC\x81", "\xE9" + std::string(17, ' ')},
        {"outside the code page", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD",
         "????" + std::string(14, ' ')},
        {"cut counts characters, not UTF-8 bytes",
         [] {
             std::string euros;
             for (int i = 0; i < 20; ++i)
                 euros += "\xE2\x82\xAC";
             return euros;
         }(),
         std::string(18, '\x80')},
        {"markup kept as typed", "<h1>x</h1>", "<h1>x</h1>" + std::string(8, ' ')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text(storedName(c.typed)), c.stored);
    }
}

// The window shows a name without the spaces around it; spaces inside stay.
TEST(HighScoreName, ShownNameLosesOnlyOuterSpaces) {
    struct Case {
        std::string stored;
        std::string shown;
    };
    const Case cases[] = {
        {"  Al Bo          ", "Al Bo"},       {"ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQR"},
        {std::string(18, ' '), ""},           {"Zo\xEB", "Zo\xC3\xAB"},
        {"\x80\x9F", "\xE2\x82\xAC\xC5\xB8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Name name;
        name.fill(' ');
        std::copy(c.stored.begin(), c.stored.end(), name.begin());
        EXPECT_EQ(shownName(name), c.shown);
    }
}

// Whatever byte a file holds shows as its Windows-1252 character, and that character, typed
// back, is the same byte.
TEST(HighScoreName, EveryByteValueShowsAsItsCharacterAndStoresBackTheSame) {
    for (int value = 0; value < 256; ++value) {
        if (value == ' ')
            continue; // a lone space is trimmed for display
        SCOPED_TRACE(value);
        const Name name = rawName(std::string(1, static_cast<char>(value)) + "x");
        const std::string shown = shownName(name);
        EXPECT_EQ(shown, platform::fromAnsi(text(name).substr(0, 2)));
        EXPECT_EQ(storedName(shown)[0], static_cast<char>(value));
    }
}

TEST(HighScoreName, ScoresShowAsPlainDecimalDigits) {
    EXPECT_EQ(shownScore(120), "120");
    EXPECT_EQ(shownScore(1234567), "1234567");
    EXPECT_EQ(shownScore(5), "5");
}

// --- Rules of the table -------------------------------------------------------------------------

// A score earns a place when it is strictly greater than some entry's score.
TEST(HighScoreRules, IsHighScoreOnEmptyAndFullTables) {
    struct Case {
        const char* name;
        ScoreTable table;
        std::int32_t score;
        bool qualifies;
    };
    const Case cases[] = {
        {"empty table, 1", ScoreTable{}, 1, true},
        {"empty table, 0", ScoreTable{}, 0, false},
        {"full table, equal to the lowest", tenDown(), 10, false},
        {"full table, one above the lowest", tenDown(), 11, true},
        {"full table, above the best", tenDown(), 5000, true},
        {"full table, 0", tenDown(), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isHighScore(c.table, c.score), c.qualifies);
    }
}

TEST(HighScoreRules, FirstScoreOnEmptyTableGoesFirstAndLeavesTheRestEmpty) {
    ScoreTable table{};
    ASSERT_TRUE(insertScore(table, 50, storedName("Ann")));
    EXPECT_EQ(table[0].score, 50);
    EXPECT_EQ(text(table[0].playerName), "Ann" + std::string(15, ' '));
    for (std::size_t i = 1; i < entryCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(isEmptyEntry(table[i]));
    }
}

// A new score goes behind every entry with an equal score; the 10th entry drops out.
TEST(HighScoreRules, InsertionGoesBehindEqualScoresAndDropsTheLast) {
    struct Case {
        std::int32_t score;
        std::size_t place;
        std::vector<std::int32_t> after;
    };
    const Case cases[] = {
        {90, 2, {100, 90, 90, 80, 70, 60, 50, 40, 30, 20}},
        {11, 9, {100, 90, 80, 70, 60, 50, 40, 30, 20, 11}},
        {101, 0, {101, 100, 90, 80, 70, 60, 50, 40, 30, 20}},
        {15, 9, {100, 90, 80, 70, 60, 50, 40, 30, 20, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        ScoreTable table = tenDown();
        ASSERT_TRUE(insertScore(table, c.score, storedName("New")));
        EXPECT_EQ(scores(table), c.after);
        EXPECT_EQ(shownName(table[c.place].playerName), "New");
        // Entries above the place are untouched; those below moved down one, whole.
        const ScoreTable before = tenDown();
        for (std::size_t i = 0; i < c.place; ++i)
            EXPECT_EQ(text(table[i].playerName), text(before[i].playerName)) << i;
        for (std::size_t i = c.place + 1; i < entryCount; ++i)
            EXPECT_EQ(text(table[i].playerName), text(before[i - 1].playerName)) << i;
    }
}

TEST(HighScoreRules, EqualScoresKeepTheOrderTheyArrivedIn) {
    ScoreTable table{};
    for (const char* name : {"First", "Second", "Third"})
        ASSERT_TRUE(insertScore(table, 70, storedName(name)));
    ASSERT_TRUE(insertScore(table, 80, storedName("Top")));
    EXPECT_EQ(names(table)[0], "Top");
    EXPECT_EQ(names(table)[1], "First");
    EXPECT_EQ(names(table)[2], "Second");
    EXPECT_EQ(names(table)[3], "Third");
}

TEST(HighScoreRules, ScoreBeatingNoEntryChangesNothing) {
    for (std::int32_t score : {10, 5, 0, -3}) {
        SCOPED_TRACE(score);
        ScoreTable table = tenDown();
        EXPECT_FALSE(insertScore(table, score, storedName("Late")));
        EXPECT_EQ(imageBytes(table), imageBytes(tenDown()));
    }
}

// --- Decoding a file's bytes ------------------------------------------------------------------

// Only whole records are read, up to ten; the rest of the table stays empty.
TEST(HighScoreDecode, ShortAndLongFilesGiveTheWholeRecordsTheyHold) {
    const Bytes full = imageBytes(tenDown());
    struct Case {
        std::size_t size;
        std::size_t wholeRecords;
    };
    const Case cases[] = {{0, 0},   {21, 0},  {22, 1},   {30, 1},   {43, 1},  {44, 2},
                          {198, 9}, {219, 9}, {220, 10}, {221, 10}, {400, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        std::string bytes(full.begin(),
                          full.begin() + static_cast<long>(std::min(c.size, fileBytes)));
        bytes.resize(c.size, '\x55'); // bytes beyond the table are not looked at
        const ScoreTable table = decodeTable(bytes);
        for (std::size_t i = 0; i < entryCount; ++i) {
            SCOPED_TRACE(i);
            const Record got = encodeRecord(table[i]);
            const auto from = full.begin() + static_cast<long>(i * recordBytes);
            if (i < c.wholeRecords)
                EXPECT_TRUE(std::equal(got.begin(), got.end(), from));
            else
                EXPECT_TRUE(isEmptyEntry(table[i]));
        }
    }
}

// The file is taken as it is: no sorting, no checking.
TEST(HighScoreDecode, UnsortedRecordsAreTakenInFileOrder) {
    ScoreTable unsorted{};
    unsorted[0] = entry("Low", 5);
    unsorted[1] = entry("High", 500);
    unsorted[3] = entry("Gap", 7);
    const FileImage image = encodeTable(unsorted);
    const ScoreTable table =
        decodeTable(std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    EXPECT_EQ(scores(table), (std::vector<std::int32_t>{5, 500, 0, 7, 0, 0, 0, 0, 0, 0}));
}

// --- Reading and writing the file -------------------------------------------------------------

TEST(HighScorePath, FileSitsInTheFolderUnderItsName) {
    EXPECT_EQ(scoreFilePath("/opt/velquist"), "/opt/velquist/HScores.dt");
}

TEST_F(ScoreFileTest, MissingFileReadsAsEmptyTableWithoutErrorAndIsNotCreated) {
    const ReadResult result = readFile(path());
    EXPECT_EQ(result.status, ReadStatus::missing);
    EXPECT_EQ(imageBytes(result.table), Bytes(fileBytes, 0));
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(ScoreFileTest, WritingCreatesAMissingFileOf220Bytes) {
    const WriteResult result = writeFile(path(), tenDown());
    ASSERT_TRUE(result.written) << result.reason;
    EXPECT_EQ(readBytes(path()), imageBytes(tenDown()));
}

TEST_F(ScoreFileTest, FullFileReadsBackWhatWasWritten) {
    ASSERT_TRUE(writeFile(path(), tenDown()).written);
    const ReadResult result = readFile(path());
    ASSERT_EQ(result.status, ReadStatus::read);
    EXPECT_EQ(imageBytes(result.table), imageBytes(tenDown()));
}

// A save overwrites the first 220 bytes and nothing else: a longer file keeps its tail.
TEST_F(ScoreFileTest, LongerFileKeepsItsTailAfterASave) {
    const Bytes original = patternBytes(300);
    writeBytes(path(), original);
    const ReadResult loaded = readFile(path());
    ASSERT_EQ(loaded.status, ReadStatus::read);
    EXPECT_EQ(imageBytes(loaded.table), Bytes(original.begin(), original.begin() + fileBytes));

    ASSERT_TRUE(writeFile(path(), tenDown()).written);
    const Bytes after = readBytes(path());
    ASSERT_EQ(after.size(), original.size());
    EXPECT_EQ(Bytes(after.begin(), after.begin() + fileBytes), imageBytes(tenDown()));
    EXPECT_EQ(Bytes(after.begin() + fileBytes, after.end()),
              Bytes(original.begin() + fileBytes, original.end()));
}

// A short file holds whole records and maybe a piece of one; the save fills it to 220 bytes.
TEST_F(ScoreFileTest, ShortFileCutPartWayReadsItsWholeRecordsAndGrowsOnSave) {
    Bytes bytes = imageBytes(tenDown());
    bytes.resize(2 * recordBytes + 9);
    writeBytes(path(), bytes);
    ReadResult loaded = readFile(path());
    ASSERT_EQ(loaded.status, ReadStatus::read);
    EXPECT_EQ(scores(loaded.table), (std::vector<std::int32_t>{100, 90, 0, 0, 0, 0, 0, 0, 0, 0}));

    ASSERT_TRUE(writeFile(path(), loaded.table).written);
    const Bytes after = readBytes(path());
    ASSERT_EQ(after.size(), fileBytes);
    EXPECT_EQ(Bytes(after.begin(), after.begin() + 2 * recordBytes),
              Bytes(bytes.begin(), bytes.begin() + 2 * recordBytes));
    EXPECT_EQ(Bytes(after.begin() + 2 * recordBytes, after.end()),
              Bytes(fileBytes - 2 * recordBytes, 0));
}

// Names are kept as raw bytes: a file holding every byte value in its names is written back
// unchanged, both as read and after an insertion has moved its records down.
TEST_F(ScoreFileTest, EveryByteValueSurvivesALoadAndASave) {
    // The 180 name bytes of a file run on from the first value; two files cover all 256.
    for (unsigned first : {0u, 180u}) {
        SCOPED_TRACE(first);
        Bytes original(fileBytes);
        for (std::size_t record = 0; record < entryCount; ++record) {
            for (std::size_t k = 0; k < recordBytes; ++k) {
                const std::size_t at = record * recordBytes + k;
                original[at] = k < nameBytes
                                   ? static_cast<unsigned char>(first + record * nameBytes + k)
                                   : 0x01; // score 0x01010101 in every record
            }
        }
        writeBytes(path(), original);
        ReadResult loaded = readFile(path());
        ASSERT_EQ(loaded.status, ReadStatus::read);
        ASSERT_TRUE(writeFile(path(), loaded.table).written);
        EXPECT_EQ(readBytes(path()), original);

        ASSERT_TRUE(
            insertScore(loaded.table, std::numeric_limits<std::int32_t>::max(), storedName("Top")));
        ASSERT_TRUE(writeFile(path(), loaded.table).written);
        const Bytes moved = readBytes(path());
        EXPECT_EQ(Bytes(moved.begin() + recordBytes, moved.end()),
                  Bytes(original.begin(), original.end() - recordBytes));
    }
}

// --- Files that cannot be read or written ---------------------------------------------------

// A folder where the file should be cannot be read, even by root, and is no missing file.
TEST_F(ScoreFileTest, FolderInPlaceOfTheFileFailsToReadWithTheSystemsReason) {
    ASSERT_TRUE(std::filesystem::create_directory(path()));
    const ReadResult result = readFile(path());
    EXPECT_EQ(result.status, ReadStatus::failed);
    EXPECT_EQ(result.reason, "Is a directory");
    EXPECT_EQ(imageBytes(result.table), Bytes(fileBytes, 0));

    const WriteResult write = writeFile(path(), tenDown());
    EXPECT_FALSE(write.written);
    EXPECT_EQ(write.reason, "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(path()));
}

// A program folder that is really a file: the path leads through a regular file.
TEST_F(ScoreFileTest, PathThroughARegularFileFailsBothWaysAndLeavesThatFileAlone) {
    const std::string blocker = folder.filePath("notAFolder").toStdString();
    const Bytes content = patternBytes(50);
    writeBytes(blocker, content);
    const std::string inside = scoreFilePath(blocker);

    const ReadResult read = readFile(inside);
    EXPECT_EQ(read.status, ReadStatus::failed);
    EXPECT_EQ(read.reason, "Not a directory");

    const WriteResult write = writeFile(inside, tenDown());
    EXPECT_FALSE(write.written);
    EXPECT_EQ(write.reason, "Not a directory");
    EXPECT_EQ(readBytes(blocker), content);
}

TEST_F(ScoreFileTest, MissingFolderFailsToWriteButReadsAsMissing) {
    const std::string inside = scoreFilePath(folder.filePath("gone").toStdString());
    EXPECT_EQ(readFile(inside).status, ReadStatus::missing);
    const WriteResult write = writeFile(inside, tenDown());
    EXPECT_FALSE(write.written);
    EXPECT_EQ(write.reason, "No such file or directory");
}

// --- Loading and saving with the warnings ---------------------------------------------------

TEST_F(ScoreFileTest, LoadOfMissingFileIsSilentAndLeavesTheFileWritable) {
    ScoreFile file{path()};
    ScoreTable table = tenDown();
    EXPECT_EQ(loadTable(file, table), "");
    EXPECT_FALSE(file.unreadable);
    EXPECT_EQ(imageBytes(table), Bytes(fileBytes, 0));
    EXPECT_EQ(saveTable(file, tenDown()), "");
    EXPECT_EQ(readBytes(path()), imageBytes(tenDown()));
}

// An unreadable file yields an empty table and a warning naming it; no save ever goes over it.
TEST_F(ScoreFileTest, UnreadableFileWarnsAndIsNeverWrittenOver) {
    ASSERT_TRUE(std::filesystem::create_directory(path()));
    ScoreFile file{path()};
    ScoreTable table = tenDown();
    const std::string warning = loadTable(file, table);
    EXPECT_EQ(warning, readFailureMessage(path(), "Is a directory"));
    EXPECT_NE(warning.find(path()), std::string::npos);
    EXPECT_TRUE(file.unreadable);
    EXPECT_EQ(imageBytes(table), Bytes(fileBytes, 0));

    // Even once the file could be written, the refusal stands for the rest of the run.
    std::filesystem::remove(path());
    const Bytes later = patternBytes(220, 3);
    writeBytes(path(), later);
    EXPECT_EQ(saveTable(file, tenDown()), saveRefusedMessage(path()));
    EXPECT_EQ(readBytes(path()), later);
}

TEST_F(ScoreFileTest, FailedSaveAnswersAWarningNamingTheFileAndTheReason) {
    ScoreFile file{path()};
    ScoreTable table{};
    ASSERT_EQ(loadTable(file, table), "");
    ASSERT_TRUE(std::filesystem::create_directory(path()));
    const std::string warning = saveTable(file, tenDown());
    EXPECT_EQ(warning, writeFailureMessage(path(), "Is a directory"));
    EXPECT_NE(warning.find(path()), std::string::npos);
    EXPECT_NE(warning.find("Is a directory"), std::string::npos);
}

TEST(HighScoreMessages, WarningsNameTheFileAndTheReason) {
    const std::string file = "/games/velquist/HScores.dt";
    for (const std::string& message : {readFailureMessage(file, "Permission denied"),
                                       writeFailureMessage(file, "Permission denied")}) {
        SCOPED_TRACE(message);
        EXPECT_NE(message.find("\"" + file + "\""), std::string::npos);
        EXPECT_NE(message.find("Permission denied"), std::string::npos);
    }
    EXPECT_NE(saveRefusedMessage(file).find("\"" + file + "\""), std::string::npos);
}

// --- Permissions, as a user without privileges ----------------------------------------------

namespace {

constexpr uid_t nobody = 65534; // the unprivileged user the permission cases run as

// Runs check as an unprivileged user and answers what it answered: an empty text when every
// expectation held. As root the check runs in a child process that has dropped its privileges,
// since root reads and writes whatever the permissions say.
std::string asUnprivilegedUser(const std::string& folder,
                               const std::function<std::string()>& check) {
    if (::geteuid() != 0)
        return check();
    if (::chown(folder.c_str(), nobody, nobody) != 0)
        return "cannot hand the folder to the unprivileged user";
    int channel[2];
    if (::pipe(channel) != 0)
        return "cannot make a pipe";
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return "cannot fork";
    if (child == 0) {
        ::close(channel[0]);
        std::string answer;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            answer = "cannot drop privileges";
        else
            answer = check();
        const ssize_t written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(written == static_cast<ssize_t>(answer.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the unprivileged check did not finish: " + answer;
    return answer;
}

} // namespace

// A file the player may write but not read: loading warns, and the save that would destroy the
// scores in it is refused.
TEST_F(ScoreFileTest, WriteOnlyFileIsReportedAndNotWrittenOver) {
    const Bytes original = imageBytes(tenDown());
    writeBytes(path(), original);
    ASSERT_EQ(
        ::chown(path().c_str(), ::geteuid() == 0 ? nobody : ::geteuid(), static_cast<gid_t>(-1)),
        0);
    ASSERT_EQ(::chmod(path().c_str(), 0200), 0);
    const std::string failure = asUnprivilegedUser(folder.path().toStdString(), [this] {
        ScoreFile file{path()};
        ScoreTable table{};
        if (loadTable(file, table) != readFailureMessage(path(), "Permission denied"))
            return std::string("load did not report permission denied");
        if (!file.unreadable)
            return std::string("file not marked unreadable");
        if (saveTable(file, table) != saveRefusedMessage(path()))
            return std::string("save was not refused");
        return std::string();
    });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(readBytes(path()), original);
}

// A folder the player may not write in: the save fails with the system's reason.
TEST_F(ScoreFileTest, ReadOnlyFolderFailsTheSaveWithPermissionDenied) {
    const std::string folderPath = folder.path().toStdString();
    const std::string failure = asUnprivilegedUser(folderPath, [&] {
        if (::chmod(folderPath.c_str(), 0555) != 0)
            return std::string("cannot make the folder read-only");
        ScoreFile file{path()};
        ScoreTable table{};
        if (loadTable(file, table) != "")
            return std::string("missing file was not silent");
        const std::string warning = saveTable(file, tenDown());
        ::chmod(folderPath.c_str(), 0700);
        if (warning != writeFailureMessage(path(), "Permission denied"))
            return "unexpected warning: " + warning;
        return std::string();
    });
    EXPECT_EQ(failure, "");
    EXPECT_FALSE(std::filesystem::exists(path()));
}
