#pragma once

#include "platform/sound.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

// A sound output that plays nothing and remembers what it was asked to play. Like a real one it
// cannot play a missing file, nor one it is told is unplayable.
class RecordingSound final : public platform::SoundOutput {
  public:
    int deviceCount() override {
        ++deviceQueries;
        return devices;
    }
    bool play(const std::string& path) override {
        played.push_back(path);
        return std::filesystem::is_regular_file(path) && !unplayable.contains(path);
    }

    int devices = 1;                  // what deviceCount() answers
    int deviceQueries = 0;            // how often it was asked
    std::vector<std::string> played;  // every path played, in order
    std::set<std::string> unplayable; // files it refuses
};
