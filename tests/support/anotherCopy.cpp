// Another copy of the game at work on a shared "HScores.dt", as a process of its own, which the
// high-score tests start through AnotherCopy (anotherCopy.h):
//   hold FILE shared|exclusive [MS]  takes the file's lock and says "held"; keeps it until killed,
//                                    or for MS milliseconds and then removes the file it made, as a
//                                    copy whose first save failed does
//   save FILE FIRST STEP LAST        says "ready", waits for a line, then adds the scores FIRST,
//                                    FIRST + STEP, ... LAST through the table, each named by itself
//   rewrite FILE                     writes tables of ten like entries over the file, the score
//                                    rising by one each time, and says "writing" after the first
#include "forms/highScoreTable.h"
#include "platform/dataFile.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

using namespace highScoreTable;

namespace {

void say(const char* word) {
    std::cout << word << std::endl;
}

int hold(const std::string& path, bool exclusive, int removeAfterMs) {
    platform::DataFile file;
    if (!file.openToUpdate(path) || !file.lock(exclusive))
        return 1;
    say("held");
    if (removeAfterMs <= 0)
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(removeAfterMs));
    file.removeIfCreated();
    return 0;
}

int save(const std::string& path, int first, int step, int last) {
    say("ready");
    std::string go;
    std::getline(std::cin, go);
    ScoreFile shared{path};
    ScoreTable table{};
    for (int score = first; step > 0 ? score <= last : score >= last; score += step)
        addScore(shared, table, score, storedName(std::to_string(score)));
    return 0;
}

int rewrite(const std::string& path) {
    ScoreTable table;
    for (std::int32_t score = 2;; ++score) {
        table.fill(HighScore{storedName(std::to_string(score)), score});
        writeFile(path, table);
        if (score == 2)
            say("writing");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string role = argc > 2 ? argv[1] : "";
    if (role == "hold")
        return hold(argv[2], std::string(argv[3]) == "exclusive",
                    argc > 4 ? std::stoi(argv[4]) : 0);
    if (role == "save" && argc == 6)
        return save(argv[2], std::stoi(argv[3]), std::stoi(argv[4]), std::stoi(argv[5]));
    if (role == "rewrite")
        return rewrite(argv[2]);
    std::fprintf(stderr, "usage: see the top of anotherCopy.cpp\n");
    return 2;
}
