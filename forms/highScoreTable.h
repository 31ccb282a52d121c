#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The ten best scores and their file "HScores.dt": the record layout, the rules for a place in the
// table, and reading and writing the file. The high-score window holds the table and calls these.
// Copies of the game running at once may share the file: each save reads the table the file
// holds now and writes its changes into it, under a lock the copies take turns with.
namespace highScoreTable {

constexpr std::size_t entryCount = 10; // entries in the table; index 0 is the best
constexpr std::size_t nameBytes = 18;  // bytes of a stored name, in the code page, space padded
constexpr std::size_t scoreBytes = 4;  // bytes of a stored score, 32-bit little-endian
constexpr std::size_t recordBytes = nameBytes + scoreBytes; // 22: one entry in the file
constexpr std::size_t fileBytes = recordBytes * entryCount; // 220: the whole table in the file
constexpr const char* fileName = "HScores.dt"; // in the program's or the player's data folder

// A stored name: raw bytes of the system's code page, kept exactly as read so that they are
// written back as they were. An empty entry holds 18 zero bytes.
using Name = std::array<char, nameBytes>;

// One entry of the table.
struct HighScore {
    Name playerName{};     // the name, left-aligned and padded with spaces; all zero when empty
    std::int32_t score{0}; // the final score of a game; 0 marks an empty entry
};

// The table, best first; empty entries come last.
using ScoreTable = std::array<HighScore, entryCount>;

// One entry, and the whole table, as the file holds them.
using Record = std::array<unsigned char, recordBytes>;
using FileImage = std::array<unsigned char, fileBytes>;

// --- Names and scores ------------------------------------------------------------------------

// A typed name (UTF-8) as stored: NFC, in the system's code page with '?' for what it lacks, cut
// to 18 bytes without splitting a character, and padded with spaces.
Name storedName(std::string_view typedName);
// A stored name as shown (UTF-8): its bytes as the system's code page reads them, without the
// spaces before and after it.
std::string shownName(const Name& name);
// A score as shown: plain decimal digits.
std::string shownScore(std::int32_t score);

// --- Rules of the table ----------------------------------------------------------------------

// True when the score is greater than the score of some entry.
bool isHighScore(const ScoreTable& table, std::int32_t score);
// Puts the score behind every entry with a score at least as high; the last entry drops out.
// A score that beats no entry changes nothing and answers false.
bool insertScore(ScoreTable& table, std::int32_t score, const Name& name);
// Every entry becomes the empty record: 18 zero bytes, score 0.
void clearTable(ScoreTable& table);

// --- Bytes of the file -----------------------------------------------------------------------

Record encodeRecord(const HighScore& entry);
HighScore decodeRecord(std::span<const unsigned char, recordBytes> bytes);
FileImage encodeTable(const ScoreTable& table);
// The records that the bytes hold whole, in order; entries after them are empty, and bytes beyond
// the 220th are not looked at. A record cut off part-way stays empty.
ScoreTable decodeTable(std::string_view bytes);

// --- The file --------------------------------------------------------------------------------

// What reading the file found.
enum class ReadStatus {
    read,    // the file was read; it may have been short or long
    missing, // there is no file: an empty table, and no error
    busy,    // another copy kept the file locked: it is read again at the next refresh or save
    failed,  // the file is there but could not be read
};

struct ReadResult {
    ReadStatus status = ReadStatus::missing;
    ScoreTable table{}; // what was read; all empty unless status is read
    std::string reason; // the system's reason when status is failed
    bool empty = true;  // no byte was read
};

struct WriteResult {
    bool written = false; // all 220 bytes are on the disk and the file is closed
    std::string reason;   // the system's reason when not written
    bool busy = false;    // another copy of the game kept the file locked
};

// Reads up to the first 220 bytes of the file, under a lock shared with other readers.
ReadResult readFile(const std::string& path);
// Writes the table over the first 220 bytes of the file, creating it when missing and leaving any
// bytes after them; checks the open, the lock, every write, the flush to disk and the close. A
// file that the save created is removed again when the save fails.
WriteResult writeFile(const std::string& path, const ScoreTable& table);

// The file as this run knows it.
struct ScoreFile {
    std::string path; // full path of "HScores.dt"
    // The table read in the file's place while the file holds nothing: the program folder's, for a
    // player whose own table lives in their data folder. Empty when there is none.
    std::string startingPath{};
    bool unreadable = false; // it was there but could not be read: writing would destroy it
    // Changes of this run that a failed save left off the disk; every later save and refresh
    // puts them into what the file holds, until a save writes them.
    bool clearUnsaved = false;        // the table was emptied
    std::vector<HighScore> unsaved{}; // scores entered since then, oldest first
};

// Loads the table from the file, or from the starting file while the file holds nothing: a missing
// file, or one another copy keeps locked, gives an empty table; an unreadable one gives an empty
// table and the warning to show, and the file is marked as never to be written when it was the
// table's own. Answers an empty text when there is nothing to warn about.
std::string loadTable(ScoreFile& file, ScoreTable& table);
// Saves the whole table, unless the file was unreadable at load; answers the warning to show when
// the table was not saved, or an empty text once it is on the disk.
std::string saveTable(const ScoreFile& file, const ScoreTable& table);
// The table as the file (or the starting file) holds it now, with this run's unsaved changes in it.
// A file that cannot be read leaves the table as it is, silently: the next save tells of it.
void refreshTable(const ScoreFile& file, ScoreTable& table);
// Enters the score in the table and saves it: the table the file (or the starting file) holds now,
// read under the lock the save holds, takes it and any unsaved ones, and the table becomes what
// was written. A save
// that fails keeps the score in the table and as unsaved. A score that beats no entry of the
// table changes nothing. Answers the warning to show, or an empty text.
std::string addScore(ScoreFile& file, ScoreTable& table, std::int32_t score, const Name& name);
// Empties the table and saves it; scores not yet saved go with it. Answers as addScore.
std::string clearScores(ScoreFile& file, ScoreTable& table);

// Warnings for the user, naming the file and the reason.
std::string readFailureMessage(const std::string& path, const std::string& reason);
std::string writeFailureMessage(const std::string& path, const std::string& reason);
std::string saveRefusedMessage(const std::string& path);
std::string lockBusyMessage(const std::string& path);

} // namespace highScoreTable
