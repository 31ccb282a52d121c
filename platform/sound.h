#pragma once

#include <memory>
#include <string>

// Wave output: how many devices there are, and asynchronous playback of a file by path.
namespace platform {

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Number of wave-output devices; 0 when there is none.
    virtual int deviceCount() = 0;
    // Starts the file in place of the sound playing and returns at once. False, leaving the sound
    // playing alone, when the file is missing or cannot be played.
    virtual bool play(const std::string& path) = 0;
    // Has a file decoded whenever the output opens, so that its first play starts without delay.
    virtual void preload(const std::string& path) { (void)path; }
};

// The output in use, unless another was installed: the system's, made on first use. Linux's plays
// from the sound server's sample cache, with no stream of its own; where no server runs, through
// SDL_mixer, whose stream is open only while effects play.
SoundOutput& soundOutput();

// The system's own output; each platform has its own.
std::unique_ptr<SoundOutput> makeSystemSoundOutput();

// Installs another output (tests record what was played); nullptr restores the system's.
void setSoundOutput(SoundOutput* output);

// The program's own default sound: its folder followed by "/default.wav".
std::string defaultSoundFile();

// Plays the file, or the default sound in its place when the file is missing or cannot be
// played, as the system sound call does. Returns at once.
void playSound(const std::string& path);

} // namespace platform
