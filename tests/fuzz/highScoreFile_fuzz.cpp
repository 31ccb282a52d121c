// Fuzzes the high-score file: any bytes in "HScores.dt" are loaded and saved, then a score is
// entered and saved. The records the bytes hold whole must come back byte for byte, a record cut
// off part-way and the ones after it must come back empty, bytes past the 220th must stay
// untouched, and the score must land in front of the first lower score, the rest moving down.

// The checks are the point of a target: they stay on in every build type, and a failed one
// aborts, so that libFuzzer keeps the input.
#undef NDEBUG
#include <cassert>

#include "forms/highScoreTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

using namespace highScoreTable;

namespace {

// On a memory file system where there is one, so that the flush of every save costs nothing.
const std::string path = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                         "/velquist-fuzz-" + std::to_string(::getpid()) + ".dt";
const int removedAtExit = std::atexit([] { ::unlink(path.c_str()); });

// The file's content: the 220 bytes given, then the input's bytes past the 220th.
bool fileHolds(std::string image, const std::string& input) {
    std::ifstream in(path, std::ios::binary);
    image.resize(fileBytes, '\0');
    return std::string(std::istreambuf_iterator<char>(in), {}) ==
           image + input.substr(std::min(input.size(), fileBytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary) << input;
    ScoreFile file{path};
    ScoreTable table{};
    assert(loadTable(file, table).empty());
    assert(saveTable(file, table).empty());
    // The records the input holds whole, then zeros.
    assert(
        fileHolds(input.substr(0, std::min(size / recordBytes, entryCount) * recordBytes), input));

    // The score from the last four bytes, under the first 18 as its name, against a model: the
    // table as a list, the entry put in front of its first lower score, cut to ten.
    std::int32_t score = 0;
    std::memcpy(&score, data + size - std::min<std::size_t>(size, 4),
                std::min<std::size_t>(size, 4));
    const Name name = storedName(input.substr(0, nameBytes));
    ScoreTable entered = table;
    std::vector<HighScore> model(table.begin(), table.end());
    const auto lower = std::find_if(model.begin(), model.end(),
                                    [score](const HighScore& e) { return e.score < score; });
    const bool qualifies = lower != model.end();
    model.insert(lower, HighScore{name, score});
    std::copy_n(model.begin(), qualifies ? entryCount : 0, entered.begin());
    assert(isHighScore(table, score) == qualifies);
    assert(insertScore(table, score, name) == qualifies);
    assert(saveTable(file, table).empty());
    const FileImage image = encodeTable(entered);
    assert(fileHolds(std::string(image.begin(), image.end()), input));
    return 0;
}
