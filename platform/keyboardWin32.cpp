#include "platform/keyboard.h"

namespace platform {

const std::uint32_t nativeScanCodeOffset = 0;

// A held key comes as repeated presses, which the toolkit reports as repeats: nothing to ask for.
void useDetectableAutoRepeat() {}

} // namespace platform
