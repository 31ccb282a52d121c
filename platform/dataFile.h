#pragma once

#include "platform/fileLock.h"

#include <cstddef>
#include <span>
#include <string>

// The program's own data files, opened for one read or one update at a time and shared with other
// copies of the program through the lock of fileLock.h. Each platform has its own implementation.
namespace platform {

// What a call on a data file came to.
struct FileStatus {
    enum Outcome {
        ok,
        missing,    // there is no such file
        busy,       // another copy kept it locked for the whole wait
        removed,    // another copy removed it while this one waited for its lock
        notRegular, // a device, a pipe, ...: no place for data
        failed,     // the system refused; reason says why
    };
    Outcome outcome = ok;
    std::string reason; // the system's words when failed

    explicit operator bool() const { return outcome == ok; }

    // A write the system ended before the last byte without saying why.
    static FileStatus shortWrite(std::size_t done, std::size_t total) {
        return {failed, "only " + std::to_string(done) + " of " + std::to_string(total) +
                            " bytes could be written"};
    }
};

// One open data file; closed when it goes out of scope, so that every early return releases it
// while the normal path checks the close.
class DataFile {
  public:
    DataFile() = default;
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Opens the file to read; missing when there is none.
    FileStatus openToRead(const std::string& path);
    // Opens the file to read and write it in place, creating it, and the folders missing on its
    // way, when it is not there.
    FileStatus openToUpdate(const std::string& path);
    // True when openToUpdate made the file.
    bool created() const { return made; }

    // Locks the file against the other copies, shared to read or exclusive to write, then checks
    // that it is a regular file still in its folder.
    FileStatus lock(bool exclusive);
    // Reads up to most bytes from the first byte; a shorter file gives fewer.
    FileStatus read(std::string& bytes, std::size_t most);
    // Writes the bytes over the file from its first byte, leaving any bytes after them, and
    // flushes them to the disk.
    FileStatus writeAtStart(std::span<const unsigned char> bytes);
    FileStatus close();
    // Removes the file again when this open made it; called while the lock is still held, so no
    // other copy is writing to it.
    void removeIfCreated();

  private:
    FileHandle handle = noFile;
    bool made = false; // openToUpdate created the file
    std::string path;  // as opened
};

} // namespace platform
