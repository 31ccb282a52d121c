#pragma once

#include <string>

// Wave output: how many devices there are, and asynchronous playback of a file by path.
namespace platform {

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Number of wave-output devices; 0 when there is none.
    virtual int deviceCount() = 0;
    // Starts the file and returns at once; a new sound replaces the one playing. A missing or
    // unplayable file is silent and reports nothing.
    virtual void play(const std::string& path) = 0;
    // Loads a file ahead of its first play, so that it starts without delay.
    virtual void preload(const std::string& path) { (void)path; }
};

// The output in use: the toolkit's audio unless another was installed.
SoundOutput& soundOutput();

// Installs another output (tests record what was played); nullptr restores the toolkit's.
void setSoundOutput(SoundOutput* output);

} // namespace platform
