#include "forms/highScoreTable.h"
#include "platform/codePage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <limits>

using namespace highScoreTable;
using Bytes = std::string;

namespace {

// One record as the file holds it, built by hand: the name's bytes padded with spaces to 18, then
// the score as 4 bytes, least significant first.
Bytes record(std::string name, std::int32_t score) {
    name.resize(18, ' ');
    for (int i = 0; i < 4; ++i)
        name.push_back(static_cast<char>(static_cast<std::uint32_t>(score) >> 8 * i));
    return name;
}

Bytes bytesOf(const HighScore& entry) {
    const Record r = encodeRecord(entry);
    return Bytes(r.begin(), r.end());
}

// The table 100, 90, ..., 10 under the names P100 ... P10.
ScoreTable tenDown() {
    ScoreTable table{};
    for (std::int32_t i = 0; i < 10; ++i)
        table[i] = HighScore{storedName("P" + std::to_string(100 - 10 * i)), 100 - 10 * i};
    return table;
}

} // namespace

// A typed name is stored in NFC as 18 Windows-1252 bytes ('?' for what the code page lacks, cut
// or padded with spaces, leading spaces kept), followed by the score; the record decodes back the
// same, and the name shows without its outer spaces.
TEST(HighScoreRecord, TypedNameIsStoredAsEighteenCodePageBytesAndShownTrimmed) {
    struct Case {
        std::string typed, stored, shown;
        std::int32_t score;
    };
    const Case cases[] = {
        {"Bobs", "Bobs", "Bobs", 300},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQR", 0x12345678},
        {"  Al", "  Al", "Al", std::numeric_limits<std::int32_t>::min()},
        {"Zoë", "Zo\xEB", "Zoë", std::numeric_limits<std::int32_t>::max()},
        {"€ Œuvre Ÿ", "\x80 \x8Cuvre \x9F", "€ Œuvre Ÿ", -1},
        {"e\xCC\x81t\xC3\xA9", "\xE9t\xE9", "été", 1},
        {"李 Иван a😀b", "? ???? a?b", "? ???? a?b", 2},
    };
    EXPECT_EQ(record("Bobs", 300), "Bobs" + std::string(14, ' ') + "\x2C\x01" + Bytes(2, 0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const Bytes expected = record(c.stored, c.score);
        EXPECT_EQ(bytesOf(HighScore{storedName(c.typed), c.score}), expected);
        const HighScore decoded = decodeRecord(std::span<const unsigned char, 22>(
            reinterpret_cast<const unsigned char*>(expected.data()), 22));
        EXPECT_EQ(bytesOf(decoded), expected);
        EXPECT_EQ(shownName(decoded.playerName), c.shown);
    }
}

// Every byte a file can hold, the five that Windows-1252 leaves undefined among them, decodes to
// a character that encodes back to the same byte.
TEST(HighScoreRecord, EveryByteValueRoundTripsThroughTheCodePage) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(platform::toAnsi(platform::fromAnsi(byte)), byte) << value;
    }
}

// A score earns a place when it beats some entry; it goes behind every entry with an equal or
// higher score, the last entry drops out, and a score that beats none changes nothing.
TEST(HighScoreRules, ScoreGoesBehindEqualScoresOrNowhere) {
    struct Case {
        ScoreTable table;
        std::int32_t score;
        std::size_t place; // where it lands; 10 for nowhere
    };
    const Case cases[] = {{ScoreTable{}, 1, 0}, {ScoreTable{}, 0, 10}, {tenDown(), 101, 0},
                          {tenDown(), 90, 2},   {tenDown(), 11, 9},    {tenDown(), 10, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.score << " into " << c.table[0].score);
        EXPECT_EQ(isHighScore(c.table, c.score), c.place < 10);
        ScoreTable table = c.table;
        EXPECT_EQ(insertScore(table, c.score, storedName("New")), c.place < 10);
        for (std::size_t i = 0; i < 10; ++i) {
            const HighScore& was = c.table[i < c.place ? i : i - 1];
            EXPECT_EQ(bytesOf(table[i]), i == c.place ? record("New", c.score) : bytesOf(was)) << i;
        }
    }
}

// Loading takes the whole records the file holds, up to ten; a record cut part-way stays empty.
// Saving goes over the first 220 bytes only: a short file grows, a longer one keeps its tail.
TEST(HighScoreFile, LoadTakesWholeRecordsAndSaveGoesOverTheFirst220Bytes) {
    QTemporaryDir folder;
    const ScoreFile file{scoreFilePath(folder.path().toStdString())};
    for (std::size_t size : {0u, 21u, 43u, 220u, 300u}) {
        SCOPED_TRACE(size);
        Bytes original; // consecutive bytes differ, so a moved, lost or invented byte shows
        for (std::size_t i = 0; i < size; ++i)
            original.push_back(static_cast<char>(i * 7 + 1));
        std::ofstream(file.path, std::ios::binary) << original;
        ScoreFile loading = file;
        ScoreTable table{};
        EXPECT_EQ(loadTable(loading, table), "");
        const FileImage loaded = encodeTable(table);
        Bytes expected = original.substr(0, std::min<std::size_t>(size / 22 * 22, 220));
        expected.resize(220, '\0');
        EXPECT_EQ(Bytes(loaded.begin(), loaded.end()), expected);

        EXPECT_EQ(saveTable(file, tenDown()), "");
        const FileImage image = encodeTable(tenDown());
        expected =
            Bytes(image.begin(), image.end()) + original.substr(std::min<std::size_t>(size, 220));
        std::ifstream in(file.path, std::ios::binary);
        EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), expected);
    }
}
