#pragma once

#include <cstdint>

namespace platform {

// Windows virtual-key codes of the keys the game reads.
constexpr std::int16_t vkInsert = 45;
constexpr std::int16_t vkA = 65;
constexpr std::int16_t vkZ = 90;

// Turns a toolkit key (Qt::Key value, the native scan code of the physical key or 0 where the
// platform has none, the native virtual key or 0, and the first character the key typed or 0) into
// the Windows virtual-key code: letter keys give 65 to 90 whatever Shift or Caps Lock. A native
// virtual key that names a letter key decides (Windows's own); otherwise, on a layout whose letter
// keys type no Latin letters, the key's position decides, as on Windows. Keys without a code give
// 0.
std::int16_t virtualKeyCode(int qtKey, std::uint32_t nativeScanCode, std::uint32_t nativeVirtualKey,
                            char32_t typed);

} // namespace platform
