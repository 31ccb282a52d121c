#pragma once

#include "platform/sound.h"

#include <string>
#include <vector>

// A sound output that plays nothing and remembers what it was asked to play.
class RecordingSound final : public platform::SoundOutput {
  public:
    int deviceCount() override {
        ++deviceQueries;
        return devices;
    }
    void play(const std::string& path) override { played.push_back(path); }

    int devices = 1;                 // what deviceCount() answers
    int deviceQueries = 0;           // how often it was asked
    std::vector<std::string> played; // every path played, in order
};
