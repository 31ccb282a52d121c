// The plain routines beneath the game: rectangle tests, random numbers and the maths error box,
// the key codes the play area hands on, and the sound output.
#include "platform/keyCodes.h"
#include "platform/keyboard.h"
#include "platform/random.h"
#include "support/gdiAPI.h"
#include "support/mathsFunctions.h"
#include "support/scriptedDialogs.h"

#include <Qt>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using gdiAPI::RECT;

// Both bounds are inclusive, whichever way round the rectangle is given.
TEST(PointInRect, EdgesAreInsideOneUnitBeyondIsNotInEitherOrientation) {
    for (const RECT& r : {RECT{10, 20, 30, 40}, RECT{30, 40, 10, 20}})
        for (std::int32_t x = 5; x <= 35; ++x)
            for (std::int32_t y = 15; y <= 45; ++y)
                ASSERT_EQ(gdiAPI::pointInRect(r, x, y), x >= 10 && x <= 30 && y >= 20 && y <= 40)
                    << "x " << x << " y " << y;
}

// Overlap means a corner of the second lies in the first: a shared edge counts, a rectangle
// strictly enclosing the first does not. Placement's zero-width rectangles, 5 pixels high,
// overlap exactly when they share x and their spans meet.
TEST(RectsOverlap, ACornerOfTheSecondInsideTheFirst) {
    EXPECT_TRUE(gdiAPI::rectsOverlap(RECT{0, 0, 10, 10}, RECT{10, -5, 20, 10}));
    EXPECT_TRUE(gdiAPI::rectsOverlap(RECT{10, 10, 20, 20}, RECT{0, 0, 12, 12}));
    EXPECT_FALSE(gdiAPI::rectsOverlap(RECT{10, 10, 20, 20}, RECT{0, 0, 30, 30}));
    EXPECT_FALSE(gdiAPI::rectsOverlap(RECT{0, 10, 30, 20}, RECT{10, 0, 20, 30}));
    for (std::int32_t dx = -2; dx <= 2; ++dx)
        for (std::int32_t dy = -8; dy <= 8; ++dy)
            EXPECT_EQ(gdiAPI::rectsOverlap(RECT{50, 100, 50, 105},
                                           RECT{50 + dx, 100 + dy, 50 + dx, 105 + dy}),
                      dx == 0 && std::abs(dy) <= 5)
                << "dx " << dx << " dy " << dy;
}

// The upper bound comes first; every whole code from A to Z comes up, and nothing outside it.
// High below low shows the code-4 box and gives 0; the other codes have their own texts.
// Reseeding from the clock never repeats a sequence.
TEST(RandomNumbers, CoverTheRangeReportBadBoundsAndNeverRepeatAfterAReseed) {
    ScriptedDialogs dialogs;
    platform::setDialogProvider(&dialogs);
    platform::fixSeed(7);
    std::set<float> seen;
    for (int i = 0; i < 5000; ++i)
        seen.insert(mathsFunctions::randomNumber(90, 65));
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_EQ(*seen.begin(), 65.0f);
    EXPECT_EQ(*seen.rbegin(), 90.0f);
    EXPECT_EQ(mathsFunctions::randomNumber(5, 5), 5.0f);
    EXPECT_EQ(mathsFunctions::randomNumber(4, 5), 0.0f);
    for (std::int16_t code : {0, 1, 2, 3, 5, -1})
        mathsFunctions::reportMathsError(code);
    const std::vector<std::string> texts = {
        "randomNumber - MathsFunctions\r\nthe high paramenter is less than the low parameter",
        "invSin - MathsFunctions\r\nCannot be greater or less than 1 or -1",
        "invCos - MathsFunctions\r\nCannot be greater or less than 1 or -1",
        "getAngleBetweenLinesCosineRule - MathsFunctions\r\nInvalid point combination",
        "getAngleBetweenLinesVect - MathsFunctions\r\nInvalid point combination",
        "",
        ""};
    ASSERT_EQ(dialogs.messageBoxes.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(dialogs.messageBoxes[i].text, texts[i]);
        EXPECT_EQ(dialogs.messageBoxes[i].title, "MathsFunctions error");
        EXPECT_EQ(dialogs.messageBoxes[i].style, 48);
    }
    platform::setDialogProvider(nullptr);
    platform::unfixSeed(); // reseeded from the clock twice within one tick
    platform::randomize();
    const float first[3] = {platform::rnd(), platform::rnd(), platform::rnd()};
    platform::randomize();
    const float second[3] = {platform::rnd(), platform::rnd(), platform::rnd()};
    EXPECT_FALSE(first[0] == second[0] && first[1] == second[1] && first[2] == second[2]);
}

// Letters give 65 to 90 whatever the case, by position on other scripts' layouts (the key in
// the place of Q types Й on a Cyrillic one); other keys keep their Windows codes, and no
// punctuation key becomes a letter wherever it sits.
TEST(VirtualKeyCode, LettersByKeyOrPositionOtherKeysByTheirWindowsCodes) {
    using platform::virtualKeyCode;
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(virtualKeyCode(Qt::Key_A + i, 0, 0, U'a' + i), 65 + i);
        EXPECT_EQ(virtualKeyCode(Qt::Key_A + i, 0, 0, U'A' + i), 65 + i);
    }
    // Keys by their PC scan codes, which each platform reports in its own way.
    const std::array<int, 4> keys[] = {
        {0x0419, 16, U'й', 'Q'},         {0x0424, 30, U'ф', 'A'},
        {0x03A3, 50, U'σ', 'M'},         {0x0419, 16, 0, 'Q'},
        {Qt::Key_Comma, 50, U',', 0},    {Qt::Key_Insert, 110, 0, 45},
        {Qt::Key_Return, 28, U'\r', 13}, {Qt::Key_Space, 57, U' ', 32},
        {Qt::Key_5, 6, U'5', 53},        {Qt::Key_F1, 59, 0, 112},
        {Qt::Key_Delete, 111, 0, 46}};
    for (const auto& [key, code, typed, expected] : keys)
        EXPECT_EQ(virtualKeyCode(key, code + platform::nativeScanCodeOffset, 0, typed), expected)
            << std::hex << key;
    for (std::uint32_t code = 0; code < 256; ++code) {
        const std::int16_t key = virtualKeyCode(Qt::Key_Exclam, code, 0, U'!');
        EXPECT_FALSE(key >= 65 && key <= 90) << code;
    }
}
