#pragma once

#include <cstdint>

// The Windows user32 calls the game draws with, on the play area's surface.
namespace platform {

struct DeviceContext;
using HDC = DeviceContext*; // a surface with its current font and text colour
class PictureBox;
using HWND = const PictureBox*;

// A Windows rectangle: left, top, right, bottom, in pixels.
struct RECT {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

constexpr unsigned DT_CENTER = 0x1;     // centre each line across the rectangle
constexpr unsigned DT_CALCRECT = 0x400; // measure only: fit right and bottom to the text

int SetRect(RECT* rect, std::int32_t left, std::int32_t top, std::int32_t right,
            std::int32_t bottom);

// Fills rect with the client area of the window: (0, 0) to its width and height.
int GetClientRect(HWND window, RECT* rect);

// Writes count bytes of ANSI text (count -1: up to a NUL) into rect, lines split at "\r\n", the
// first at the top, clipped to the rectangle, in the context's font and colour, without filling
// the background. With DT_CALCRECT nothing is written: left and top stay, right and bottom move
// to bound the text. Returns the height of the text.
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, unsigned format);

} // namespace platform
