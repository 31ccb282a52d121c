#include "support/gdiAPI.h"

#include <gtest/gtest.h>

using gdiAPI::RECT;

namespace {

RECT rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    RECT r;
    gdiAPI::SetRect(&r, left, top, right, bottom);
    return r;
}

} // namespace

// Both bounds are inclusive; one unit past an edge is outside.
TEST(PointInRect, EdgesAndCornersAreInsideAndOneUnitBeyondIsNot) {
    const RECT r = rect(10, 20, 30, 40);
    EXPECT_TRUE(gdiAPI::pointInRect(r, 30, 40));
    EXPECT_TRUE(gdiAPI::pointInRect(r, 10, 20));
    EXPECT_TRUE(gdiAPI::pointInRect(r, 30, 25));
    EXPECT_TRUE(gdiAPI::pointInRect(r, 15, 40));
    EXPECT_FALSE(gdiAPI::pointInRect(r, 31, 25));
    EXPECT_FALSE(gdiAPI::pointInRect(r, 15, 41));
    EXPECT_FALSE(gdiAPI::pointInRect(r, 9, 25));
    EXPECT_FALSE(gdiAPI::pointInRect(r, 15, 19));
}

// A rectangle given right-to-left or bottom-to-top answers as its normalised form does.
TEST(PointInRect, ReversedRectangleAnswersLikeItsNormalisedForm) {
    const RECT normal = rect(10, 20, 30, 40);
    const RECT reversed = rect(30, 40, 10, 20);
    for (std::int32_t x = 5; x <= 35; ++x) {
        for (std::int32_t y = 15; y <= 45; ++y) {
            SCOPED_TRACE(testing::Message() << "x " << x << " y " << y);
            EXPECT_EQ(gdiAPI::pointInRect(normal, x, y), gdiAPI::pointInRect(reversed, x, y));
        }
    }
}

TEST(PointInRect, ZeroWidthRectangleAdmitsItsSingleX) {
    const RECT r = rect(7, 0, 7, 5);
    EXPECT_TRUE(gdiAPI::pointInRect(r, 7, 3));
    EXPECT_FALSE(gdiAPI::pointInRect(r, 6, 3));
    EXPECT_FALSE(gdiAPI::pointInRect(r, 8, 3));
}

TEST(RectsOverlap, NamedCases) {
    struct Case {
        const char* name;
        RECT a;
        RECT b;
        bool overlap;
    };
    const Case cases[] = {
        {"itself", rect(0, 0, 10, 10), rect(0, 0, 10, 10), true},
        {"shared edge", rect(0, 0, 10, 10), rect(10, 0, 20, 10), true},
        {"bottom-right corner inside", rect(10, 10, 20, 20), rect(0, 0, 12, 12), true},
        {"b strictly encloses a", rect(10, 10, 20, 20), rect(0, 0, 30, 30), false},
        {"plus sign", rect(0, 10, 30, 20), rect(10, 0, 20, 30), false},
        {"apart", rect(0, 0, 10, 10), rect(11, 11, 20, 20), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(gdiAPI::rectsOverlap(c.a, c.b), c.overlap);
    }
}

// Letter placement builds rectangles of no width, 5 pixels high: they overlap exactly when they
// share x and their vertical spans meet, whatever the order of the two.
TEST(RectsOverlap, ZeroWidthRectanglesOverlapOnSameXWithinFivePixels) {
    for (std::int32_t dx = -2; dx <= 2; ++dx) {
        for (std::int32_t dy = -8; dy <= 8; ++dy) {
            SCOPED_TRACE(testing::Message() << "dx " << dx << " dy " << dy);
            const RECT a = rect(50, 100, 50, 105);
            const RECT b = rect(50 + dx, 100 + dy, 50 + dx, 105 + dy);
            const bool expected = dx == 0 && dy >= -5 && dy <= 5;
            EXPECT_EQ(gdiAPI::rectsOverlap(a, b), expected);
            EXPECT_EQ(gdiAPI::rectsOverlap(b, a), expected);
        }
    }
}
