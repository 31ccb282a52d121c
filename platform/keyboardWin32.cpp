#include "platform/keyboard.h"

#include "platform/keyCodes.h"

namespace platform {

const std::uint32_t nativeScanCodeOffset = 0;

std::int16_t letterVirtualKey(std::uint32_t nativeVirtualKey) {
    const bool letter = nativeVirtualKey >= static_cast<std::uint32_t>(vkA) &&
                        nativeVirtualKey <= static_cast<std::uint32_t>(vkZ);
    return letter ? static_cast<std::int16_t>(nativeVirtualKey) : 0;
}

// A held key comes as repeated presses, which the toolkit reports as repeats: nothing to ask for.
void useDetectableAutoRepeat() {}

} // namespace platform
