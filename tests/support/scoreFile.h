#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The high-score file "HScores.dt" built by hand rather than by the game's own encoder, so that
// tests compare the game's bytes with an independent picture of the file.
namespace scoreFile {

// The whole content of a file, or nothing when it cannot be opened.
inline std::optional<std::string> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The file of these records (a stored name's bytes and a score): each name padded with spaces to
// 18 bytes, then the score as 4 bytes, least significant first; zero bytes up to 220.
inline std::string fileOf(const std::vector<std::pair<std::string, std::int32_t>>& records) {
    std::string bytes;
    for (const auto& [name, score] : records) {
        bytes += name + std::string(18 - name.size(), ' ');
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(static_cast<std::uint32_t>(score) >> 8 * i);
    }
    bytes.resize(std::max<std::size_t>(bytes.size(), 220), '\0');
    return bytes;
}

} // namespace scoreFile
