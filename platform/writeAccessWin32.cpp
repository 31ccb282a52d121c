#include "platform/writeAccess.h"

#include <QString>

#include <windows.h>

namespace platform {

// Windows decides by the file's read-only attribute, which refuses every write, an
// administrator's too, and by the file's and the folder's access lists, which only an open can
// tell: the file opened to write, or, where there is none, a file of this process made there and
// dropped. The attribute is read first: Wine keeps it as the file's Unix mode, which a Wine run by
// root would open to write all the same.
bool mayWriteOrCreate(const std::string& file, const std::string& folder) {
    constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const std::wstring widePath = QString::fromStdString(file).toStdWString();
    const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    HANDLE opened = ::CreateFileW(widePath.c_str(), GENERIC_WRITE, shareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        if (::GetLastError() != ERROR_FILE_NOT_FOUND)
            return false;
        const std::wstring probe =
            QString::fromStdString(folder + "/.velquist-" + std::to_string(::GetCurrentProcessId()))
                .toStdWString();
        opened = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }
    if (opened == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(opened);
    return true;
}

} // namespace platform
