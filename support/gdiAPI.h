#pragma once

#include "platform/user32.h"

#include <cstdint>

// Rectangle tests, and the Windows drawing calls the game uses.
namespace gdiAPI {

using platform::DrawTextA;
using platform::DT_CALCRECT;
using platform::DT_CENTER;
using platform::GetClientRect;
using platform::HDC;
using platform::HWND;
using platform::RECT;
using platform::SetRect;

// True when x lies between left and right and y between top and bottom, bounds included, in
// whichever order the rectangle gives them.
bool pointInRect(const RECT& rect, const std::int32_t& x, const std::int32_t& y);

// True when a corner of b lies inside a. Only b's corners are tested, so the test is not
// symmetric; for rectangles of equal size it is exact.
bool rectsOverlap(const RECT& a, const RECT& b);

} // namespace gdiAPI
