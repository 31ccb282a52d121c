#pragma once

#include <cstdint>

// What each platform's keyboard events need besides the toolkit's own handling.
namespace platform {

// Asks the X server to report a held key as presses only, with one release at the end, as Windows
// does. Does nothing elsewhere: Wayland and Windows mark the repeats as such.
void useDetectableAutoRepeat();

// A key event's native scan code less this is the PC keyboard's scan code of the key: X11 and
// Wayland give XKB key codes, the Linux code plus 8; Windows gives the scan code itself.
extern const std::uint32_t nativeScanCodeOffset;

} // namespace platform
