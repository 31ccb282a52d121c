#include "platform/sound.h"

#include "platform/appPath.h"

namespace platform {

namespace {

std::unique_ptr<SoundOutput> systemOutput; // made on first use
SoundOutput* installed = nullptr;          // a replacement, if any

} // namespace

SoundOutput& soundOutput() {
    if (installed)
        return *installed;
    if (!systemOutput)
        systemOutput = makeSystemSoundOutput();
    return *systemOutput;
}

void setSoundOutput(SoundOutput* output) {
    installed = output;
}

std::string defaultSoundFile() {
    return appPath() + "/default.wav";
}

void playSound(const std::string& path) {
    SoundOutput& output = soundOutput();
    if (!output.play(path))
        output.play(defaultSoundFile());
}

} // namespace platform
