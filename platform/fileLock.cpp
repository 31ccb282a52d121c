#include "platform/fileLock.h"

#include <thread>

namespace platform {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds usualWait{2000}; // far longer than any save by another copy takes
constexpr milliseconds retryEvery{2};   // between tries while another copy holds the lock
milliseconds lockWait = usualWait;

} // namespace

FileLock lockFile(FileHandle file, bool exclusive) {
    const auto giveUp = std::chrono::steady_clock::now() + lockWait;
    for (;;) {
        const FileLock lock = tryLockFile(file, exclusive);
        if (lock != FileLock::busy || std::chrono::steady_clock::now() >= giveUp)
            return lock;
        std::this_thread::sleep_for(retryEvery);
    }
}

void setLockWaitForTesting(milliseconds wait) {
    lockWait = wait == milliseconds::zero() ? usualWait : wait;
}

} // namespace platform
