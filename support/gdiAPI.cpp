#include "support/gdiAPI.h"

namespace gdiAPI {

namespace {

bool between(std::int32_t value, std::int32_t first, std::int32_t second) {
    return (first <= value && value <= second) || (second <= value && value <= first);
}

} // namespace

bool pointInRect(const RECT& rect, const std::int32_t& x, const std::int32_t& y) {
    return between(x, rect.left, rect.right) && between(y, rect.top, rect.bottom);
}

bool rectsOverlap(const RECT& a, const RECT& b) {
    return pointInRect(a, b.left, b.top) || pointInRect(a, b.right, b.top) ||
           pointInRect(a, b.left, b.bottom) || pointInRect(a, b.right, b.bottom);
}

} // namespace gdiAPI
