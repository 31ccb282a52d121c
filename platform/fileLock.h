#pragma once

#include <chrono>
#include <cstdint>

// Advisory locks on open files, so that copies of the game sharing a file take turns with it.
namespace platform {

// An open file as the system knows it: a descriptor on POSIX, a HANDLE on Windows; -1 when closed.
using FileHandle = std::intptr_t;
constexpr FileHandle noFile = -1;

enum class FileLock {
    held,   // this open file has the lock until it is closed
    busy,   // another open file kept a lock that excludes it for the whole wait
    failed, // the system refused the lock; errno, or GetLastError on Windows, tells why
};

// Locks the whole open file, shared for reading or exclusive for writing, waiting about 2 seconds
// at most while another process holds it. The lock belongs to the open file: closing it, or the
// end of the process however it ends, releases it, so a copy that dies never blocks the others.
FileLock lockFile(FileHandle file, bool exclusive);

// One try at the lock, without waiting: held, busy or failed. Each platform has its own.
FileLock tryLockFile(FileHandle file, bool exclusive);

// Lets tests wait less for a busy lock; zero restores the usual wait.
void setLockWaitForTesting(std::chrono::milliseconds wait);

} // namespace platform
