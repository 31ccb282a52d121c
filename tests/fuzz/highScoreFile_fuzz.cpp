// Fuzzes the high-score file: any bytes in "HScores.dt" are loaded, saved and loaded again.
// The records the bytes hold whole must come back byte for byte, a record cut off part-way must
// come back empty, bytes past the 220th must stay untouched, and a score entered afterwards must
// land in its place with the rest of the table as it was.
#include "forms/highScoreTable.h"
#include "fuzzCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

using namespace highScoreTable;

namespace {

using Bytes = std::vector<unsigned char>;

// A folder of its own for the file, on a memory file system where there is one, so that the
// flush of every save costs nothing. Removed when the fuzzer exits.
class ScratchFolder {
  public:
    ScratchFolder() {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
        std::string pattern = std::string(base ? base : "/tmp") + "/velquist-fuzz-XXXXXX";
        FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
        folder = pattern;
        file = scoreFilePath(folder);
    }
    ~ScratchFolder() {
        ::unlink(file.c_str());
        ::rmdir(folder.c_str());
    }
    std::string folder;
    std::string file;
};

void writeBytes(const std::string& path, const unsigned char* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    FUZZ_CHECK(out.good());
}

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    FUZZ_CHECK(in.good());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool sameEntry(const HighScore& a, const HighScore& b) {
    return a.playerName == b.playerName && a.score == b.score;
}

bool sameTable(const ScoreTable& a, const ScoreTable& b) {
    return std::equal(a.begin(), a.end(), b.begin(), sameEntry);
}

bool isEmptyEntry(const HighScore& entry) {
    return entry.score == 0 && std::all_of(entry.playerName.begin(), entry.playerName.end(),
                                           [](char c) { return c == 0; });
}

// What the file must hold after the bytes were loaded and saved: the whole records as they were,
// empty records up to 220 bytes, and any bytes past 220 as they were.
Bytes expectedAfterSave(const unsigned char* data, std::size_t size) {
    const std::size_t whole = std::min(size / recordBytes, entryCount);
    Bytes expected(data, data + whole * recordBytes);
    expected.resize(fileBytes, 0);
    if (size > fileBytes)
        expected.insert(expected.end(), data + fileBytes, data + size);
    return expected;
}

std::int32_t scoreFrom(const unsigned char* data, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i)
        value |= std::uint32_t{data[size - 1 - i]} << (8 * i);
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFolder scratch;
    const std::size_t whole = std::min(size / recordBytes, entryCount);

    // The bytes alone: decoding keeps the whole records, and encoding gives them back.
    const ScoreTable decoded =
        decodeTable(std::string_view(reinterpret_cast<const char*>(data), size));
    const FileImage image = encodeTable(decoded);
    FUZZ_CHECK(std::equal(image.begin(), image.begin() + whole * recordBytes, data));
    FUZZ_CHECK(std::all_of(image.begin() + whole * recordBytes, image.end(),
                           [](unsigned char b) { return b == 0; }));
    for (std::size_t i = whole; i < entryCount; ++i)
        FUZZ_CHECK(isEmptyEntry(decoded[i]));
    const ScoreTable again =
        decodeTable(std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    FUZZ_CHECK(sameTable(decoded, again));

    // Through the file: load, save, load again.
    writeBytes(scratch.file, data, size);
    ScoreFile file{scratch.file};
    ScoreTable table{};
    FUZZ_CHECK(loadTable(file, table).empty());
    FUZZ_CHECK(!file.unreadable);
    FUZZ_CHECK(sameTable(table, decoded));
    FUZZ_CHECK(saveTable(file, table).empty());
    const Bytes saved = readBytes(scratch.file);
    FUZZ_CHECK(saved == expectedAfterSave(data, size));
    ScoreTable reloaded{};
    FUZZ_CHECK(loadTable(file, reloaded).empty());
    FUZZ_CHECK(sameTable(reloaded, table));

    // A score entered into whatever table the file held: isHighScore and the insertion agree,
    // the entry goes in front of the first lower score, the entries before it stay, the ones
    // after it move down one place, and the last drops out.
    const std::int32_t score = scoreFrom(data, size);
    Name name;
    name.fill(' ');
    std::copy_n(data, std::min(size, nameBytes), name.begin());
    ScoreTable entered = table;
    const bool qualifies = isHighScore(table, score);
    FUZZ_CHECK(insertScore(entered, score, name) == qualifies);
    if (!qualifies) {
        FUZZ_CHECK(sameTable(entered, table));
        return 0;
    }
    std::size_t place = 0;
    while (table[place].score >= score)
        ++place;
    for (std::size_t i = 0; i < place; ++i)
        FUZZ_CHECK(sameEntry(entered[i], table[i]));
    FUZZ_CHECK(entered[place].score == score && entered[place].playerName == name);
    for (std::size_t i = place + 1; i < entryCount; ++i)
        FUZZ_CHECK(sameEntry(entered[i], table[i - 1]));

    FUZZ_CHECK(saveTable(file, entered).empty());
    const FileImage enteredImage = encodeTable(entered);
    Bytes expected(enteredImage.begin(), enteredImage.end());
    if (size > fileBytes)
        expected.insert(expected.end(), data + fileBytes, data + size);
    FUZZ_CHECK(readBytes(scratch.file) == expected);
    FUZZ_CHECK(loadTable(file, reloaded).empty());
    FUZZ_CHECK(sameTable(reloaded, entered));
    return 0;
}
