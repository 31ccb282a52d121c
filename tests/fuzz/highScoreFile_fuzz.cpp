// Fuzzes the high-score file: any bytes in "HScores.dt" are loaded and saved, then a score is
// entered and saved. The records the bytes hold whole must come back byte for byte, a record cut
// off part-way and the ones after it must come back empty, bytes past the 220th must stay
// untouched, and the score must land in front of the first lower score, the rest moving down.
// The checks are the point of a target: they stay on in every build type, and a failed one aborts,
// so that libFuzzer keeps the input.
#undef NDEBUG
#include <cassert>

#include "forms/highScoreTable.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

using namespace highScoreTable;
using Bytes = std::vector<unsigned char>;

namespace {

// A folder of its own for the file, on a memory file system where there is one, so that the flush
// of every save costs nothing. Removed when the fuzzer exits.
struct ScratchFile {
    ScratchFile() {
        folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz-XXXXXX" : "/tmp/fuzz-XXXXXX";
        const char* made = ::mkdtemp(folder.data());
        assert(made != nullptr);
    }
    ~ScratchFile() {
        ::unlink(scoreFilePath(folder).c_str());
        ::rmdir(folder.c_str());
    }
    std::string folder;
};

Bytes contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The table's file image followed by the bytes past the 220th of the fuzz input.
Bytes withTail(const FileImage& image, const std::uint8_t* data, std::size_t size) {
    Bytes bytes(image.begin(), image.end());
    if (size > fileBytes)
        bytes.insert(bytes.end(), data + fileBytes, data + size);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;
    ScoreFile file{scoreFilePath(scratch.folder)};
    std::ofstream(file.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    ScoreTable table{};
    assert(loadTable(file, table).empty());
    assert(saveTable(file, table).empty());
    FileImage expected{};
    std::copy_n(data, std::min(size / recordBytes, entryCount) * recordBytes, expected.begin());
    assert(contentOf(file.path) == withTail(expected, data, size));

    // The score from the last four bytes, under the first 18 bytes as its name.
    std::int32_t score = 0;
    std::copy_n(data + size - std::min<std::size_t>(size, 4), std::min<std::size_t>(size, 4),
                reinterpret_cast<unsigned char*>(&score));
    Name name{};
    std::copy_n(data, std::min(size, nameBytes), name.begin());
    // The model: the entry put in front of the first lower score, and the table cut to ten.
    std::vector<HighScore> model(table.begin(), table.end());
    const auto lower = std::find_if(model.begin(), model.end(),
                                    [score](const HighScore& e) { return e.score < score; });
    const bool qualifies = lower != model.end();
    model.insert(lower, HighScore{name, score});
    ScoreTable entered{};
    std::copy_n(qualifies ? model.begin() : table.begin(), entryCount, entered.begin());
    assert(isHighScore(table, score) == qualifies);
    assert(insertScore(table, score, name) == qualifies);
    assert(saveTable(file, table).empty());
    assert(contentOf(file.path) == withTail(encodeTable(entered), data, size));
    return 0;
}
