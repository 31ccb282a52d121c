#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The high-score file "HScores.dt" as raw bytes, built by hand rather than by the game's own
// encoder, so that a test compares the game's bytes with an independent picture of the file.
namespace scoreFileBytes {

using Bytes = std::vector<unsigned char>;

// The whole content of a file; empty when it cannot be read.
Bytes readBytes(const std::string& path);
// Replaces the file's content with the bytes; a failure is reported to the running test.
void writeBytes(const std::string& path, const Bytes& bytes);

// One record: the name's bytes (at most 18) padded with spaces to 18, then the score as 4 bytes,
// least significant first.
Bytes record(const std::string& nameBytes, std::int32_t score);
// A file of these entries in order, then zero bytes up to 220.
Bytes fileOf(const std::vector<std::pair<std::string, std::int32_t>>& entries);

// Runs check as an unprivileged user and answers what it answered: an empty text when every
// expectation held. As root, the folder is handed to that user and the check runs in a child
// process that has dropped its privileges, since root reads and writes whatever permissions say.
std::string asUnprivilegedUser(const std::string& folder,
                               const std::function<std::string()>& check);
// The user the permission cases run as when the tests run as root.
constexpr unsigned unprivilegedId = 65534;

} // namespace scoreFileBytes
