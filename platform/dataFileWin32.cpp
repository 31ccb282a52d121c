#include "platform/dataFile.h"

#include <QString>

#include <filesystem>
#include <system_error>

#include <windows.h>

namespace platform {

namespace {

// Every copy opens the file letting the others read, write and delete it: the lock decides who
// goes, and a copy whose first save failed can remove the file while another waits for it.
constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE win32(FileHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

FileHandle ours(HANDLE handle) {
    return reinterpret_cast<FileHandle>(handle);
}

std::wstring widePath(const std::string& path) {
    return QString::fromStdString(path).toStdWString();
}

// The system's own words for an error, without the line break it ends them with.
std::string messageOf(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, length).trimmed()
                             : QStringLiteral("system error %1").arg(error);
    ::LocalFree(text);
    return message.toStdString();
}

// The error is read by the caller right after the call that failed: any later call, even one that
// succeeds, may change what GetLastError answers.
FileStatus failure(DWORD error) {
    return FileStatus{FileStatus::failed, messageOf(error)};
}

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

} // namespace

DataFile::~DataFile() {
    if (handle != noFile)
        ::CloseHandle(win32(handle));
}

FileStatus DataFile::openToRead(const std::string& path) {
    this->path = path;
    const HANDLE opened = ::CreateFileW(widePath(path).c_str(), GENERIC_READ, shareAll, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened != INVALID_HANDLE_VALUE) {
        handle = ours(opened);
        return {};
    }
    const DWORD error = ::GetLastError();
    return isMissing(error) ? FileStatus{FileStatus::missing, {}} : failure(error);
}

// CREATE_NEW first tells whether this open makes the file, even when another copy makes it at the
// same moment. Never truncated: writes go over the start and the rest stays.
FileStatus DataFile::openToUpdate(const std::string& path) {
    this->path = path;
    const std::wstring wide = widePath(path);
    DWORD error = ERROR_SUCCESS; // why the last open failed
    const auto open = [&](DWORD disposition) {
        const HANDLE opened = ::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, shareAll,
                                            nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        error = opened == INVALID_HANDLE_VALUE ? ::GetLastError() : ERROR_SUCCESS;
        return opened;
    };
    HANDLE opened = open(CREATE_NEW);
    if (opened == INVALID_HANDLE_VALUE && error == ERROR_PATH_NOT_FOUND) {
        std::error_code folders;
        std::filesystem::create_directories(std::filesystem::path(wide).parent_path(), folders);
        if (folders)
            return FileStatus{FileStatus::failed, folders.message()};
        opened = open(CREATE_NEW);
    }
    made = opened != INVALID_HANDLE_VALUE;
    if (!made && error == ERROR_FILE_EXISTS)
        opened = open(OPEN_EXISTING);
    if (opened == INVALID_HANDLE_VALUE)
        return failure(error);
    handle = ours(opened);
    return {};
}

FileStatus DataFile::lock(bool exclusive) {
    switch (lockFile(handle, exclusive)) {
    case FileLock::busy:
        return {FileStatus::busy, {}};
    case FileLock::failed: // LockFileEx's error, the last call lockFile made
        return failure(::GetLastError());
    case FileLock::held:
        break;
    }
    if (::GetFileType(win32(handle)) != FILE_TYPE_DISK)
        return {FileStatus::notRegular, {}};
    BY_HANDLE_FILE_INFORMATION open{};
    if (!::GetFileInformationByHandle(win32(handle), &open))
        return failure(::GetLastError());
    if (open.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return failure(ERROR_DIRECTORY);
    // Another copy's first save failed while this one waited: its path leads to no file now, to
    // another one, or to one on its way out, which only this copy's handle keeps.
    const HANDLE there = ::CreateFileW(widePath(path).c_str(), 0, shareAll, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (there == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return isMissing(error) || error == ERROR_ACCESS_DENIED
                   ? FileStatus{FileStatus::removed, {}}
                   : failure(error);
    }
    BY_HANDLE_FILE_INFORMATION atPath{};
    const bool known = ::GetFileInformationByHandle(there, &atPath);
    const DWORD error = known ? ERROR_SUCCESS : ::GetLastError();
    ::CloseHandle(there);
    if (!known)
        return failure(error);
    if (atPath.dwVolumeSerialNumber != open.dwVolumeSerialNumber ||
        atPath.nFileIndexHigh != open.nFileIndexHigh || atPath.nFileIndexLow != open.nFileIndexLow)
        return {FileStatus::removed, {}};
    return {};
}

FileStatus DataFile::read(std::string& bytes, std::size_t most) {
    bytes.assign(most, '\0');
    std::size_t got = 0;
    while (got < most) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(got);
        DWORD n = 0;
        if (!::ReadFile(win32(handle), bytes.data() + got, static_cast<DWORD>(most - got), &n,
                        &at)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_HANDLE_EOF)
                break;
            return failure(error);
        }
        if (n == 0)
            break; // a short file
        got += n;
    }
    bytes.resize(got);
    return {};
}

FileStatus DataFile::writeAtStart(std::span<const unsigned char> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(done);
        DWORD n = 0;
        if (!::WriteFile(win32(handle), bytes.data() + done,
                         static_cast<DWORD>(bytes.size() - done), &n, &at))
            return failure(::GetLastError());
        if (n == 0)
            return FileStatus::shortWrite(done, bytes.size());
        done += n;
    }
    return ::FlushFileBuffers(win32(handle)) ? FileStatus{} : failure(::GetLastError());
}

FileStatus DataFile::close() {
    const HANDLE closing = win32(handle);
    handle = noFile;
    return ::CloseHandle(closing) ? FileStatus{} : failure(::GetLastError());
}

// A removed file keeps its name until every handle on it is closed (on Windows before its POSIX
// deletes, and under Wine): renamed first, it leaves the name at once, so that a copy waiting for
// the lock finds it gone, and the next save makes a new one.
void DataFile::removeIfCreated() {
    if (!made)
        return;
    const std::wstring name = widePath(path);
    const std::wstring leaving = name + L".removed-" + std::to_wstring(::GetCurrentProcessId());
    const bool renamed = ::MoveFileExW(name.c_str(), leaving.c_str(), MOVEFILE_REPLACE_EXISTING);
    ::DeleteFileW(renamed ? leaving.c_str() : name.c_str());
}

} // namespace platform
