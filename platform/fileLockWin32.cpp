#include "platform/fileLock.h"

#include <windows.h>

namespace platform {

// A lock on every byte the file could ever have, so that it covers the file whatever its size.
// Windows byte-range locks are binding: a read or write through another handle in a range locked
// against it fails, so every read and write here happens under the lock.
FileLock tryLockFile(FileHandle file, bool exclusive) {
    OVERLAPPED whole{};
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (::LockFileEx(reinterpret_cast<HANDLE>(file), flags, 0, MAXDWORD, MAXDWORD, &whole))
        return FileLock::held;
    return ::GetLastError() == ERROR_LOCK_VIOLATION ? FileLock::busy : FileLock::failed;
}

} // namespace platform
