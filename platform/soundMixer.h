#pragma once

#include "platform/sound.h"

namespace platform {

// Effects through SDL_mixer, over whatever SDL finds to play on: where no sound server runs,
// straight to ALSA.
std::unique_ptr<SoundOutput> makeMixerSound();

} // namespace platform
