#include "game/gameCode.h"

#include "platform/appPath.h"
#include "support/soundAPI.h"

namespace gameCode {

void playEffect(const std::string& file) {
    if (soundAPI::waveOutGetNumDevs() == 0) {
        // No wave output on this machine: sound goes off, silently.
        mainWindow.setSoundChecked(false);
        soundOn = false;
        return;
    }
    if (soundOn)
        soundAPI::PlaySoundA(file.c_str(), nullptr, soundAPI::SND_FILENAME | soundAPI::SND_ASYNC);
}

std::string hitSoundFile() {
    return platform::appPath() + "/hit.wav";
}

} // namespace gameCode
