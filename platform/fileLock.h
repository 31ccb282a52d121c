#pragma once

#include <chrono>

// Advisory locks on open files, so that copies of the game sharing a file take turns with it.
namespace platform {

enum class FileLock {
    held,   // this open file has the lock until it is closed
    busy,   // another open file kept a lock that excludes it for the whole wait
    failed, // the system refused the lock; errno tells why
};

// Locks the whole open file, shared for reading or exclusive for writing, waiting about 2 seconds
// at most while another process holds it. The lock belongs to the open file: closing it, or the
// end of the process however it ends, releases it, so a copy that dies never blocks the others.
FileLock lockFile(int fd, bool exclusive);

// Lets tests wait less for a busy lock; zero restores the usual wait.
void setLockWaitForTesting(std::chrono::milliseconds wait);

} // namespace platform
