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

// The Windows virtual-key code of a letter key (65 to 90) when a key event's native virtual key
// names one, or else 0. Windows names a letter key by its label on a Latin layout and by its
// position on any other (AZERTY's A key and the Russian key in the place of A both give 65). X11
// and Wayland give a keysym there, which the toolkit's key already stands for: always 0.
std::int16_t letterVirtualKey(std::uint32_t nativeVirtualKey);

} // namespace platform
