// Fuzzes the high-score file: any bytes in "HScores.dt" are loaded and saved, then a score is
// entered, each against a model of what it must give.
#include "forms/highScoreTable.h"
#include "tests/support/scoreFile.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

using namespace highScoreTable;

// On a memory file system where there is one, so that the flush of every save costs nothing.
const std::string path = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                         "/velquist-fuzz-" + std::to_string(::getpid()) + ".dt";
const int removedAtExit = std::atexit([] { ::unlink(path.c_str()); });

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary) << input;
    ScoreFile file{path};
    ScoreTable table{};
    assert(loadTable(file, table).empty());
    assert(saveTable(file, table).empty());
    // The records the input holds whole, then zeros to 220 bytes, then the input's bytes past them.
    std::string saved = input.substr(0, std::min(size / recordBytes, entryCount) * recordBytes);
    saved.resize(fileBytes, '\0');
    assert(scoreFile::readBytes(path) == saved + input.substr(std::min(size, fileBytes)));

    // The score from the last four bytes, under the first 18 as its name, against a model: the
    // table as a list, the entry put in front of its first lower score (or last), cut to ten.
    std::int32_t score = 0;
    std::memcpy(&score, data + size - std::min(size, sizeof score), std::min(size, sizeof score));
    const Name name = storedName(input.substr(0, nameBytes));
    std::vector<HighScore> model(table.begin(), table.end());
    const auto lower = std::find_if(model.begin(), model.end(),
                                    [score](const HighScore& e) { return e.score < score; });
    assert(isHighScore(table, score) == (lower != model.end()));
    assert(insertScore(table, score, name) == (lower != model.end()));
    model.insert(lower, HighScore{name, score});
    ScoreTable entered{};
    std::copy_n(model.begin(), entryCount, entered.begin());
    assert(encodeTable(table) == encodeTable(entered));
    return 0;
}
