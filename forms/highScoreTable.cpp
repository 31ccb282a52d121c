#include "forms/highScoreTable.h"

#include "platform/codePage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace highScoreTable {

namespace {

constexpr char padding = ' ';        // fills a name up to 18 bytes
constexpr mode_t newFileMode = 0666; // permissions of a new file, before the umask
constexpr const char* notRegular = "it is not a regular file"; // reason for a device, pipe, ...

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
    return {};
}

// Writes the table over the first 220 bytes of the open file, flushes it to the disk and closes
// it, checking every step.
WriteResult fillFile(FileDescriptor& file, const ScoreTable& table) {
    if (std::string why = notAFile(file.get()); !why.empty())
        return writeFailure(std::move(why));

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
    if (std::string why = notAFile(file.get()); !why.empty())
        return readFailure(std::move(why));

    std::string bytes(fileBytes, '\0');
    std::size_t got = 0;
    while (got < fileBytes) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, fileBytes - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return readFailure(systemReason(errno));
        }
        if (n == 0)
            break; // a short file
        got += static_cast<std::size_t>(n);
    }
    if (!file.close())
        return readFailure(systemReason(errno));
    bytes.resize(got);

    ReadResult result;
    result.status = ReadStatus::read;
    result.table = decodeTable(bytes);
    return result;
}

WriteResult writeFile(const std::string& path, const ScoreTable& table) {
    // Whether the save makes the file: one it makes and then cannot fill is removed again, so
    // that a failed save (a full disk, say) leaves no empty or partial file in the table's place.
    struct stat existing {};
    const bool wasMissing = ::lstat(path.c_str(), &existing) != 0 && errno == ENOENT;
    // No O_TRUNC: the table goes over the first 220 bytes and anything after them stays.
    FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, newFileMode));
    if (!file.isOpen())
        return writeFailure(systemReason(errno));
    WriteResult result = fillFile(file, table);
    if (!result.written && wasMissing)
        ::unlink(path.c_str());
    return result;
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
        return writeFailureMessage(file.path, result.reason);
    return {};
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

} // namespace highScoreTable
