#include "support/recordingSound.h"

int RecordingSound::deviceCount() {
    ++deviceQueries;
    return devices;
}

void RecordingSound::play(const std::string& path) {
    played.push_back(path);
}
