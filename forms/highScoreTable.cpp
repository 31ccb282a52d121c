#include "forms/highScoreTable.h"

#include "platform/codePage.h"
#include "platform/dataFile.h"
#include "platform/translation.h"

#include <algorithm>
#include <functional>

namespace highScoreTable {

namespace {

constexpr char padding = ' '; // fills a name up to 18 bytes

std::string busyReason() {
    return platform::translate("highScoreTable", "another copy of the game is using it");
}

// The reason a warning gives for what a call on the file came to.
std::string reasonOf(const platform::FileStatus& status) {
    switch (status.outcome) {
    case platform::FileStatus::busy:
        return busyReason();
    case platform::FileStatus::removed:
        return platform::translate("highScoreTable", "another copy of the game removed it");
    case platform::FileStatus::notRegular:
        return platform::translate("highScoreTable", "it is not a regular file");
    default:
        return status.reason;
    }
}

ReadResult readFailure(const platform::FileStatus& status) {
    ReadResult result;
    result.status =
        status.outcome == platform::FileStatus::busy ? ReadStatus::busy : ReadStatus::failed;
    result.reason = reasonOf(status);
    return result;
}

WriteResult writeFailure(const platform::FileStatus& status) {
    return WriteResult{false, reasonOf(status), status.outcome == platform::FileStatus::busy};
}

// Reads up to the first 220 bytes of the open, locked file.
ReadResult readOpenFile(platform::DataFile& file) {
    std::string bytes;
    if (const platform::FileStatus status = file.read(bytes, fileBytes); !status)
        return readFailure(status);
    ReadResult result;
    result.status = ReadStatus::read;
    result.table = decodeTable(bytes);
    result.empty = bytes.empty();
    return result;
}

// True when the file read holds nothing and has a starting file to stand in for it.
bool startsElsewhere(const std::string& startingPath, const ReadResult& read) {
    return read.empty && !startingPath.empty() &&
           (read.status == ReadStatus::read || read.status == ReadStatus::missing);
}

// What the file holds or, while it holds nothing, what the starting file holds; own tells what
// reading the file itself came to.
ReadResult readCurrent(const ScoreFile& file, ReadStatus& own) {
    const ReadResult result = readFile(file.path);
    own = result.status;
    return startsElsewhere(file.startingPath, result) ? readFile(file.startingPath) : result;
}

// The table a save starts from: what the open file holds or, while it holds nothing, the starting
// file's table. A starting file that cannot be read counts as empty, as it did at load.
ReadResult readBase(platform::DataFile& file, const std::string& startingPath) {
    const ReadResult onDisk = readOpenFile(file);
    if (!startsElsewhere(startingPath, onDisk))
        return onDisk;
    const ReadResult starting = readFile(startingPath);
    return starting.status == ReadStatus::failed ? onDisk : starting;
}

// Writes what update makes of the table the file holds now, read under the same exclusive lock,
// over the first 220 bytes of the file, creating it when missing. A file that this save made and
// then could not fill is removed again, so that a failed save (a full disk, say) leaves no empty
// or partial file in the table's place.
WriteResult updateFile(const std::string& path, const std::string& startingPath,
                       const std::function<ScoreTable(const ScoreTable&)>& update) {
    platform::DataFile file;
    if (const platform::FileStatus status = file.openToUpdate(path); !status)
        return writeFailure(status);
    WriteResult result{true, {}};
    if (platform::FileStatus status = file.lock(true); !status) {
        result = writeFailure(status);
    } else if (const ReadResult onDisk = readBase(file, startingPath);
               onDisk.status == ReadStatus::failed || onDisk.status == ReadStatus::busy) {
        // What cannot be read is never written over.
        result = WriteResult{false, onDisk.reason, onDisk.status == ReadStatus::busy};
    } else if (status = file.writeAtStart(encodeTable(update(onDisk.table))); !status) {
        result = writeFailure(status);
    } else if (status = file.close(); !status) {
        result = writeFailure(status);
    }
    if (!result.written)
        file.removeIfCreated();
    return result;
}

// The table the file holds with this run's unsaved changes put in, oldest first.
ScoreTable withUnsaved(const ScoreFile& file, ScoreTable table) {
    if (file.clearUnsaved)
        clearTable(table);
    for (const HighScore& entry : file.unsaved)
        insertScore(table, entry.score, entry.playerName);
    return table;
}

// The warning for a save that did not reach the disk.
std::string saveFailureMessage(const std::string& path, const WriteResult& result) {
    return result.busy ? lockBusyMessage(path) : writeFailureMessage(path, result.reason);
}

// Writes this run's unsaved changes into the table the file holds now; the table becomes the
// merged one whenever the file could be read.
std::string saveChanges(ScoreFile& file, ScoreTable& table) {
    if (file.unreadable)
        return saveRefusedMessage(file.path);
    const WriteResult result =
        updateFile(file.path, file.startingPath, [&](const ScoreTable& onDisk) {
            table = withUnsaved(file, onDisk);
            return table;
        });
    if (!result.written)
        return saveFailureMessage(file.path, result);
    file.clearUnsaved = false;
    file.unsaved.clear();
    return {};
}

} // namespace

// --- Names and scores ------------------------------------------------------------------------

Name storedName(std::string_view typedName) {
    const std::string ansi = platform::toAnsi(typedName, nameBytes);
    Name name;
    name.fill(padding);
    std::copy(ansi.begin(), ansi.end(), name.begin());
    return name;
}

std::string shownName(const Name& name) {
    const std::string_view bytes(name.data(), name.size());
    const auto first = bytes.find_first_not_of(padding);
    if (first == std::string_view::npos)
        return {};
    const auto last = bytes.find_last_not_of(padding);
    return platform::fromAnsi(bytes.substr(first, last - first + 1));
}

std::string shownScore(std::int32_t score) {
    return std::to_string(score);
}

// --- Rules of the table ----------------------------------------------------------------------

bool isHighScore(const ScoreTable& table, std::int32_t score) {
    return std::any_of(table.begin(), table.end(),
                       [score](const HighScore& entry) { return score > entry.score; });
}

bool insertScore(ScoreTable& table, std::int32_t score, const Name& name) {
    // The first entry the score beats; entries with an equal score stay ahead of it.
    const auto place = std::find_if(table.begin(), table.end(), [score](const HighScore& entry) {
        return entry.score < score;
    });
    if (place == table.end())
        return false;
    std::move_backward(place, table.end() - 1, table.end());
    *place = HighScore{name, score};
    return true;
}

void clearTable(ScoreTable& table) {
    table.fill(HighScore{});
}

// --- Bytes of the file -----------------------------------------------------------------------

Record encodeRecord(const HighScore& entry) {
    Record record{};
    std::copy(entry.playerName.begin(), entry.playerName.end(), record.begin());
    const auto score = static_cast<std::uint32_t>(entry.score);
    for (std::size_t i = 0; i < scoreBytes; ++i)
        record[nameBytes + i] = static_cast<unsigned char>(score >> (8 * i));
    return record;
}

HighScore decodeRecord(std::span<const unsigned char, recordBytes> bytes) {
    HighScore entry;
    std::copy_n(bytes.begin(), nameBytes, entry.playerName.begin());
    std::uint32_t score = 0;
    for (std::size_t i = 0; i < scoreBytes; ++i)
        score |= std::uint32_t{bytes[nameBytes + i]} << (8 * i);
    entry.score = static_cast<std::int32_t>(score);
    return entry;
}

FileImage encodeTable(const ScoreTable& table) {
    FileImage image{};
    for (std::size_t i = 0; i < entryCount; ++i) {
        const Record record = encodeRecord(table[i]);
        std::copy(record.begin(), record.end(), image.begin() + i * recordBytes);
    }
    return image;
}

ScoreTable decodeTable(std::string_view bytes) {
    ScoreTable table{};
    const std::size_t whole = std::min(bytes.size() / recordBytes, entryCount);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < whole; ++i)
        table[i] = decodeRecord(
            std::span<const unsigned char, recordBytes>(data + i * recordBytes, recordBytes));
    return table;
}

// --- The file --------------------------------------------------------------------------------

ReadResult readFile(const std::string& path) {
    platform::DataFile file;
    platform::FileStatus status = file.openToRead(path);
    if (status.outcome == platform::FileStatus::missing)
        return ReadResult{};
    if (!status || !(status = file.lock(false)))
        return readFailure(status);
    ReadResult result = readOpenFile(file);
    if (result.status == ReadStatus::read && !(status = file.close()))
        return readFailure(status);
    return result;
}

WriteResult writeFile(const std::string& path, const ScoreTable& table) {
    return updateFile(path, {}, [&table](const ScoreTable&) { return table; });
}

std::string loadTable(ScoreFile& file, ScoreTable& table) {
    ReadStatus own{};
    const ReadResult result = readCurrent(file, own);
    table = result.table;
    file.unreadable = own == ReadStatus::failed;
    if (result.status == ReadStatus::failed)
        return readFailureMessage(file.unreadable ? file.path : file.startingPath, result.reason);
    return {};
}

std::string saveTable(const ScoreFile& file, const ScoreTable& table) {
    if (file.unreadable)
        return saveRefusedMessage(file.path);
    const WriteResult result = writeFile(file.path, table);
    if (!result.written)
        return saveFailureMessage(file.path, result);
    return {};
}

void refreshTable(const ScoreFile& file, ScoreTable& table) {
    ReadStatus own{};
    const ReadResult result = readCurrent(file, own);
    if (result.status == ReadStatus::read || result.status == ReadStatus::missing)
        table = withUnsaved(file, result.table);
}

std::string addScore(ScoreFile& file, ScoreTable& table, std::int32_t score, const Name& name) {
    if (!insertScore(table, score, name))
        return {};
    file.unsaved.push_back(HighScore{name, score});
    return saveChanges(file, table);
}

std::string clearScores(ScoreFile& file, ScoreTable& table) {
    clearTable(table);
    file.clearUnsaved = true;
    file.unsaved.clear();
    return saveChanges(file, table);
}

// In each warning, %1 is the file's path and %2 the reason, in words of the game's or the system's.

std::string readFailureMessage(const std::string& path, const std::string& reason) {
    return platform::fillIn(
        platform::translate("highScoreTable",
                            "The high scores could not be read from the file \"%1\": %2.\n\nThe "
                            "table starts empty, and the game will not write over that file while "
                            "it runs."),
        {path, reason});
}

std::string writeFailureMessage(const std::string& path, const std::string& reason) {
    return platform::fillIn(
        platform::translate("highScoreTable",
                            "The high scores could not be saved to the file \"%1\": %2.\n\nThe "
                            "table is kept for as long as the game runs."),
        {path, reason});
}

std::string saveRefusedMessage(const std::string& path) {
    return platform::fillIn(
        platform::translate("highScoreTable",
                            "The high scores were not saved: the file \"%1\" could not be read "
                            "when the game started, and saving would write over the scores it "
                            "holds.\n\nThe table is kept for as long as the game runs."),
        {path});
}

std::string lockBusyMessage(const std::string& path) {
    return platform::fillIn(
        platform::translate("highScoreTable",
                            "The high scores could not be saved to the file \"%1\": %2.\n\nThe "
                            "table is kept, and saved the next time it changes."),
        {path, busyReason()});
}

} // namespace highScoreTable
