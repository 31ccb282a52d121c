#include "platform/fileLock.h"

#include <cerrno>

#include <sys/file.h>

namespace platform {

// flock rather than fcntl record locks: those belong to the process and go as soon as any of its
// descriptors of the file closes, and their write locks need the file open for writing.
FileLock tryLockFile(FileHandle file, bool exclusive) {
    const int fd = static_cast<int>(file);
    if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
        return FileLock::held;
    return errno == EWOULDBLOCK || errno == EINTR ? FileLock::busy : FileLock::failed;
}

} // namespace platform
