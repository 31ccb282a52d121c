#include "platform/dataFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr mode_t newFileMode = 0666;   // permissions of a new file, before the umask
constexpr mode_t newFolderMode = 0700; // a user's own data folder is theirs alone

int descriptor(FileHandle handle) {
    return static_cast<int>(handle);
}

FileStatus failure(int error) {
    return FileStatus{FileStatus::failed, std::strerror(error)};
}

// Makes the folders missing on the way to the file; answers the system's error for one that
// cannot be made, or 0.
int makeFoldersFor(const std::string& path) {
    for (auto slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        if (::mkdir(path.substr(0, slash).c_str(), newFolderMode) != 0 && errno != EEXIST)
            return errno;
    return 0;
}

} // namespace

DataFile::~DataFile() {
    if (handle != noFile)
        ::close(descriptor(handle));
}

// Non-blocking, so that a pipe in the file's place cannot hang the program.
FileStatus DataFile::openToRead(const std::string& path) {
    this->path = path;
    handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (handle != noFile)
        return {};
    return errno == ENOENT ? FileStatus{FileStatus::missing, {}} : failure(errno);
}

// O_EXCL first tells whether this open makes the file, even when another copy makes it at the
// same moment. No O_TRUNC: writes go over the start and the rest stays.
FileStatus DataFile::openToUpdate(const std::string& path) {
    this->path = path;
    constexpr int flags = O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK;
    handle = ::open(path.c_str(), flags | O_EXCL, newFileMode);
    if (handle == noFile && errno == ENOENT) {
        if (const int error = makeFoldersFor(path))
            return failure(error);
        handle = ::open(path.c_str(), flags | O_EXCL, newFileMode);
    }
    made = handle != noFile;
    if (!made && errno == EEXIST)
        handle = ::open(path.c_str(), flags, newFileMode);
    return handle != noFile ? FileStatus{} : failure(errno);
}

FileStatus DataFile::lock(bool exclusive) {
    switch (lockFile(handle, exclusive)) {
    case FileLock::busy:
        return {FileStatus::busy, {}};
    case FileLock::failed:
        return failure(errno);
    case FileLock::held:
        break;
    }
    struct stat info {};
    if (::fstat(descriptor(handle), &info) != 0)
        return failure(errno);
    if (S_ISDIR(info.st_mode))
        return failure(EISDIR);
    if (!S_ISREG(info.st_mode))
        return {FileStatus::notRegular, {}};
    // Another copy's first save failed while this one waited: its path leads to no file now, or to
    // another one, made since. The file this copy holds, unlinked or not, is no longer the table.
    struct stat atPath {};
    if (::stat(path.c_str(), &atPath) != 0)
        return errno == ENOENT ? FileStatus{FileStatus::removed, {}} : failure(errno);
    if (atPath.st_dev != info.st_dev || atPath.st_ino != info.st_ino)
        return {FileStatus::removed, {}};
    return {};
}

FileStatus DataFile::read(std::string& bytes, std::size_t most) {
    bytes.assign(most, '\0');
    std::size_t got = 0;
    while (got < most) {
        const ssize_t n =
            ::pread(descriptor(handle), bytes.data() + got, most - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(errno);
        if (n == 0)
            break; // a short file
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return {};
}

FileStatus DataFile::writeAtStart(std::span<const unsigned char> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(descriptor(handle), bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(errno);
        if (n == 0)
            return FileStatus::shortWrite(done, bytes.size());
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(descriptor(handle)) == 0 ? FileStatus{} : failure(errno);
}

FileStatus DataFile::close() {
    const int closing = descriptor(handle);
    handle = noFile;
    return ::close(closing) == 0 ? FileStatus{} : failure(errno);
}

void DataFile::removeIfCreated() {
    if (made)
        ::unlink(path.c_str());
}

} // namespace platform
