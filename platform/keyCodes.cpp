#include "platform/keyCodes.h"

#include "platform/keyboard.h"

#include <Qt>

#include <array>

namespace platform {

namespace {

// PC keyboard scan codes of the letter keys in their US positions, indexed by letter A to Z.
constexpr std::array<std::uint32_t, 26> letterKeyPositions = {
    30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50, // A to M
    49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44, // N to Z
};

bool isLatinLetter(char32_t ch) {
    return (ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z');
}

// A letter of another script: Cyrillic, Greek, accented Latin and the like.
bool isOtherLetter(char32_t ch) {
    return ch >= 0xC0 && ch != 0xD7 && ch != 0xF7 && !isLatinLetter(ch);
}

std::int16_t letterByPosition(std::uint32_t nativeScanCode) {
    for (std::size_t i = 0; i < letterKeyPositions.size(); ++i) {
        if (letterKeyPositions[i] + nativeScanCodeOffset == nativeScanCode)
            return static_cast<std::int16_t>(vkA + i);
    }
    return 0;
}

} // namespace

std::int16_t virtualKeyCode(int qtKey, std::uint32_t nativeScanCode, std::uint32_t nativeVirtualKey,
                            char32_t typed) {
    if (const std::int16_t letter = letterVirtualKey(nativeVirtualKey))
        return letter;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<std::int16_t>(vkA + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::int16_t>(48 + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return vkInsert;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    if (isOtherLetter(typed) || (typed == 0 && qtKey > 0xFF && qtKey < Qt::Key_Escape))
        return letterByPosition(nativeScanCode);
    return 0;
}

} // namespace platform
