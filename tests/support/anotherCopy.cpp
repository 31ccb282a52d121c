// Another copy of the game, run by the tests, at work on a shared "HScores.dt" or playing a sound:
//   hold FILE shared|exclusive [MS [new]]
//                                    takes the file's lock and says "held"; keeps it until killed,
//                                    or MS milliseconds and then removes the file it made, and
//                                    with "new" makes a new one at the path, as a third copy
//                                    would, before it lets the lock go
//   save FILE FIRST STEP LAST        says "ready", waits for a line, then adds the scores FIRST,
//                                    FIRST + STEP, ... LAST, each named by itself
//   play FILE                        plays the sound file through the system's output and ends,
//                                    with status 0 if it played
#include "forms/highScoreTable.h"
#include "platform/dataFile.h"
#include "platform/sound.h"

#include <QCoreApplication>

#include <chrono>
#include <iostream>
#include <string>
#include <thread>

using namespace highScoreTable;

int main(int argc, char* argv[]) {
    const std::string role = argc > 2 ? argv[1] : "", path = argc > 2 ? argv[2] : "";
    if (role == "hold" && argc > 3) {
        platform::DataFile file;
        if (!file.openToUpdate(path) || !file.lock(std::string(argv[3]) == "exclusive"))
            return 1;
        std::cout << "held" << std::endl;
        std::this_thread::sleep_for(argc > 4 ? std::chrono::milliseconds(std::stoi(argv[4]))
                                             : std::chrono::hours(1));
        file.removeIfCreated();
        if (argc > 5 && std::string(argv[5]) == "new" && !platform::DataFile().openToUpdate(path))
            return 1;
    } else if (role == "save" && argc > 5) {
        std::cout << "ready" << std::endl;
        std::string go;
        std::getline(std::cin, go);
        ScoreFile shared{path};
        ScoreTable table{};
        const int first = std::stoi(argv[3]), step = std::stoi(argv[4]), last = std::stoi(argv[5]);
        for (int score = first; step > 0 ? score <= last : score >= last; score += step)
            addScore(shared, table, score, storedName(std::to_string(score)));
    } else if (role == "play") {
        QCoreApplication application(argc, argv); // the program's folder, for its default sound
        return platform::makeSystemSoundOutput()->play(path) ? 0 : 1;
    } else {
        std::cerr << "usage: see the top of anotherCopy.cpp\n";
        return 2;
    }
}
