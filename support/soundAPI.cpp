#include "support/soundAPI.h"

#include "platform/sound.h"

namespace soundAPI {

std::uint32_t waveOutGetNumDevs() {
    const int devices = platform::soundOutput().deviceCount();
    return devices > 0 ? static_cast<std::uint32_t>(devices) : 0;
}

int PlaySoundA(const char* path, void* module, std::uint32_t flags) {
    (void)module;
    if (!path || !(flags & SND_FILENAME))
        return 0;
    platform::playSound(path);
    return 1;
}

} // namespace soundAPI
