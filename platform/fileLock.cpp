#include "platform/fileLock.h"

#include <cerrno>
#include <thread>

#include <sys/file.h>

namespace platform {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds usualWait{2000}; // far longer than any save by another copy takes
constexpr milliseconds retryEvery{2};   // between tries while another copy holds the lock
milliseconds lockWait = usualWait;

} // namespace

// flock rather than fcntl record locks: those belong to the process and go as soon as any of its
// descriptors of the file closes, and their write locks need the file open for writing.
FileLock lockFile(int fd, bool exclusive) {
    const auto giveUp = std::chrono::steady_clock::now() + lockWait;
    for (;;) {
        if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
            return FileLock::held;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return FileLock::failed;
        if (std::chrono::steady_clock::now() >= giveUp)
            return FileLock::busy;
        std::this_thread::sleep_for(retryEvery);
    }
}

void setLockWaitForTesting(milliseconds wait) {
    lockWait = wait == milliseconds::zero() ? usualWait : wait;
}

} // namespace platform
