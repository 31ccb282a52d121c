#include "support/playing.h"

using namespace gameCode;

namespace {

class Motion : public Playing {
  protected:
    // The play area as a full repaint would draw it now.
    QImage repainted() {
        window->picGame_Paint();
        return screen().copy();
    }
};

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

} // namespace

TEST_F(Motion, SlowLettersFallOnePixelAndFastOnesSixATick) {
    setLetters({letter('A', 40, 10, true), letter('B', 80, 10, false)});
    tick();
    EXPECT_EQ(letters[0].y, 11);
    EXPECT_EQ(letters[1].y, 16);
    EXPECT_EQ(letters[0].x, 40);
    EXPECT_EQ(letters[1].x, 80);
}

// Letters are drawn straight onto the area and erased where they were: after any number of
// ticks the area holds exactly what a repaint of the letters would draw, no trail.
TEST_F(Motion, FallingLettersLeaveNoTrail) {
    setLetters({letter('W', 40, 10, true, red), letter('M', 100, 30, false, 16711935),
                letter('Q', 200, 0, true, 33023), letter('I', 300, 5, false)});
    for (int step = 0; step < 40; ++step) {
        ASSERT_EQ(tick(), 1);
        const QImage drawn = screen().copy();
        ASSERT_EQ(differingPixels(drawn, repainted()), 0) << "after tick " << step + 1;
    }
    EXPECT_GT(countLitPixels(screen()), 100);
}

// A letter at the right border is clipped there, falls all the same and counts for the bottom.
TEST_F(Motion, LetterAtTheRightBorderIsClippedAndStillFalls) {
    const float right = static_cast<float>(window->picGame.scaleWidth() - 3);
    const float nearBottom = static_cast<float>(window->picGame.scaleHeight() - 6);
    setLetters({letter('W', right, nearBottom)});
    tick();
    EXPECT_EQ(letters[0].y, nearBottom + 1);
    EXPECT_FALSE(gameOver);
    tick();
    EXPECT_TRUE(gameOver);
}

TEST_F(Motion, LettersAreAlwaysDrawnAtSixteenPoints) {
    setLetters({letter('A', 40, 10)});
    nextLevel();
    EXPECT_EQ(window->picGame.fontSize(), 40.0f);
    finishBanner();
    EXPECT_EQ(window->picGame.fontSize(), 16.0f);
}
