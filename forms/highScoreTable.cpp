#include "forms/highScoreTable.h"

#include "platform/codePage.h"
#include "platform/fileLock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace highScoreTable {

namespace {

constexpr char padding = ' ';        // fills a name up to 18 bytes
constexpr mode_t newFileMode = 0666; // permissions of a new file, before the umask
constexpr const char* notRegular = "it is not a regular file"; // reason for a device, pipe, ...
constexpr const char* busyReason = "another copy of the game is using it";
constexpr const char* removedReason = "another copy of the game removed it";

// An open file descriptor, closed when it goes out of scope unless close() has been called, so
// that every early return releases it while the normal path can check the close.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd(fd) {}
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const { return fd >= 0; }
    int get() const { return fd; }
    // True when the close succeeded; errno tells why it did not.
    bool close() {
        const int closing = fd;
        fd = -1;
        return ::close(closing) == 0;
    }

  private:
    int fd; // -1 once closed
};

std::string systemReason(int error) {
    return std::strerror(error);
}

ReadResult readFailure(std::string reason) {
    ReadResult result;
    result.status = ReadStatus::failed;
    result.reason = std::move(reason);
    return result;
}

WriteResult writeFailure(std::string reason) {
    return WriteResult{false, std::move(reason)};
}

// Why an open file is no place for the table, or an empty text when it is a regular file.
std::string notAFile(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return systemReason(errno);
    if (S_ISDIR(info.st_mode))
        return systemReason(EISDIR);
    if (!S_ISREG(info.st_mode))
        return notRegular;
    if (info.st_nlink == 0) // its first save failed while this copy waited for the lock
        return removedReason;
    return {};
}

// Locks the open file against the other copies of the game, then checks that it is a file the
// table can live in; answers why not, or an empty text.
std::string lockAndCheck(int fd, bool exclusive) {
    switch (platform::lockFile(fd, exclusive)) {
    case platform::FileLock::busy:
        return busyReason;
    case platform::FileLock::failed:
        return systemReason(errno);
    case platform::FileLock::held:
        break;
    }
    return notAFile(fd);
}

// Reads up to the first 220 bytes of the open file.
ReadResult readOpenFile(int fd) {
    std::string bytes(fileBytes, '\0');
    std::size_t got = 0;
    while (got < fileBytes) {
        const ssize_t n = ::pread(fd, bytes.data() + got, fileBytes - got, static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return readFailure(systemReason(errno));
        }
        if (n == 0)
            break; // a short file
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);

    ReadResult result;
    result.status = ReadStatus::read;
    result.table = decodeTable(bytes);
    return result;
}

// Writes the table over the first 220 bytes of the open file, flushes it to the disk and closes
// it, checking every step.
WriteResult fillFile(FileDescriptor& file, const ScoreTable& table) {
    const FileImage image = encodeTable(table);
    std::size_t done = 0;
    while (done < fileBytes) {
        const ssize_t n =
            ::pwrite(file.get(), image.data() + done, fileBytes - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return writeFailure(systemReason(errno));
        }
        if (n == 0)
            return writeFailure("only " + std::to_string(done) + " of " +
                                std::to_string(fileBytes) + " bytes could be written");
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(file.get()) != 0)
        return writeFailure(systemReason(errno));
    if (!file.close())
        return writeFailure(systemReason(errno));
    return WriteResult{true, {}};
}

// Writes what update makes of the table the file holds now, read under the same exclusive lock,
// over the first 220 bytes of the file, creating it when missing. A file that this save made and
// then could not fill is removed again, so that a failed save (a full disk, say) leaves no empty
// or partial file in the table's place.
WriteResult updateFile(const std::string& path,
                       const std::function<ScoreTable(const ScoreTable&)>& update) {
    // O_EXCL first tells whether this save makes the file, even when another copy makes it at
    // the same moment. No O_TRUNC: the table goes over the first 220 bytes and the rest stays.
    constexpr int flags = O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(path.c_str(), flags | O_EXCL, newFileMode);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST)
        fd = ::open(path.c_str(), flags, newFileMode);
    FileDescriptor file(fd);
    if (!file.isOpen())
        return writeFailure(systemReason(errno));
    WriteResult result;
    if (std::string why = lockAndCheck(file.get(), true); !why.empty()) {
        result = writeFailure(why);
        result.busy = why == busyReason;
    } else if (const ReadResult onDisk = readOpenFile(file.get());
               onDisk.status == ReadStatus::failed) {
        result = writeFailure(onDisk.reason); // what cannot be read is never written over
    } else {
        result = fillFile(file, update(onDisk.table));
    }
    // Removed while this save still holds the lock, so no other copy is writing to it.
    if (!result.written && created)
        ::unlink(path.c_str());
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
    const WriteResult result = updateFile(file.path, [&](const ScoreTable& onDisk) {
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
    const std::string ansi = platform::toAnsi(typedName);
    Name name;
    name.fill(padding);
    std::copy_n(ansi.begin(), std::min(ansi.size(), nameBytes), name.begin());
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

std::string scoreFilePath(const std::string& folder) {
    return folder + pathSeparator + fileName;
}

ReadResult readFile(const std::string& path) {
    // Non-blocking, so that a pipe in the file's place cannot hang the game.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.isOpen()) {
        if (errno == ENOENT)
            return ReadResult{};
        return readFailure(systemReason(errno));
    }
    if (std::string why = lockAndCheck(file.get(), false); !why.empty())
        return readFailure(std::move(why));
    ReadResult result = readOpenFile(file.get());
    if (result.status == ReadStatus::read && !file.close())
        return readFailure(systemReason(errno));
    return result;
}

WriteResult writeFile(const std::string& path, const ScoreTable& table) {
    return updateFile(path, [&table](const ScoreTable&) { return table; });
}

std::string loadTable(ScoreFile& file, ScoreTable& table) {
    const ReadResult result = readFile(file.path);
    table = result.table;
    file.unreadable = result.status == ReadStatus::failed;
    if (file.unreadable)
        return readFailureMessage(file.path, result.reason);
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
    const ReadResult result = readFile(file.path);
    if (result.status != ReadStatus::failed)
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

std::string readFailureMessage(const std::string& path, const std::string& reason) {
    return "The high scores could not be read from the file \"" + path + "\": " + reason +
           ".\n\nThe table starts empty, and the game will not write over that file while it "
           "runs.";
}

std::string writeFailureMessage(const std::string& path, const std::string& reason) {
    return "The high scores could not be saved to the file \"" + path + "\": " + reason +
           ".\n\nThe table is kept for as long as the game runs.";
}

std::string saveRefusedMessage(const std::string& path) {
    return "The high scores were not saved: the file \"" + path +
           "\" could not be read when the game started, and saving would write over the scores "
           "it holds.\n\nThe table is kept for as long as the game runs.";
}

std::string lockBusyMessage(const std::string& path) {
    return "The high scores could not be saved to the file \"" + path + "\": " + busyReason +
           ".\n\nThe table is kept, and saved the next time it changes.";
}

} // namespace highScoreTable
