#include "support/playing.h"

#include <cmath>

using namespace gameCode;

namespace {

class Placement : public Playing {};

bool whole(float value) {
    return value == std::floor(value);
}

} // namespace

// Across many layouts of the largest level: letters A to Z, x across the whole width, y in the
// top third, all whole numbers.
TEST_F(Placement, EveryPlacedLetterLiesInTheTopThirdOnWholePixels) {
    const int width = window->picGame.scaleWidth();
    const int third = static_cast<int>(std::lrint(window->picGame.scaleHeight() / 3.0));
    currentLevel = 20;
    for (int layout = 0; layout < 30; ++layout) {
        startLevel();
        ASSERT_EQ(letters.size(), 46u);
        for (const FallingLetter& record : letters) {
            EXPECT_GE(record.letter, 65);
            EXPECT_LE(record.letter, 90);
            EXPECT_TRUE(whole(record.x) && whole(record.y));
            EXPECT_GE(record.x, 0);
            EXPECT_LE(record.x, width);
            EXPECT_GE(record.y, 0);
            EXPECT_LE(record.y, third);
        }
    }
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

// In a crowded area placement retries until no letter shares an x within 5 pixels of height;
// letters at different x never collide, however close.
TEST_F(Placement, LaidOutLettersNeverOverlapWhenPlacementSucceeds) {
    window->picGame.setWidth(3);
    window->picGame.setHeight(75);
    for (int layout = 0; layout < 50; ++layout) {
        startLevel();
        ASSERT_TRUE(dialogs.messageBoxes.empty());
        for (std::size_t i = 0; i < letters.size(); ++i) {
            for (std::size_t j = i + 1; j < letters.size(); ++j) {
                SCOPED_TRACE(testing::Message() << "letters " << i << " and " << j);
                EXPECT_FALSE(letters[i].x == letters[j].x &&
                             std::fabs(letters[i].y - letters[j].y) <= 5);
            }
        }
    }
}

// A zero-width area at most 16 pixels high leaves every try at x 0 with y up to 5, on top of
// another record: each letter gives up after its tries with one box, and the timer stops.
TEST_F(Placement, ExhaustedRetriesShowTheSafeLimitBoxOncePerLetterAndStopTheTimer) {
    window->picGame.setWidth(0);
    window->picGame.setHeight(16);
    gameScore = 250;
    startLevel();
    ASSERT_EQ(dialogs.messageBoxes.size(), 8u);
    for (const auto& box : dialogs.messageBoxes) {
        EXPECT_EQ(box.text, "setLetter - gameCode Do loop has exceeded safe limit, ending game.");
        EXPECT_EQ(box.title, "Velquist");
        EXPECT_EQ(box.style, 16);
    }
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_EQ(currentLevel, 1);
    EXPECT_EQ(gameScore, 250);
    // Every letter still got its letter, colour and speed.
    for (const FallingLetter& record : letters) {
        EXPECT_GE(record.letter, 65);
        EXPECT_NE(record.colour, 0);
    }
}

// From level 20 every letter is fast; at level 1 about one in twenty is.
TEST_F(Placement, LetterSpeedFollowsTheLevel) {
    currentLevel = 20;
    startLevel();
    for (const FallingLetter& record : letters)
        EXPECT_FALSE(record.slow);
    currentLevel = 25;
    startLevel();
    for (const FallingLetter& record : letters)
        EXPECT_FALSE(record.slow);

    currentLevel = 1;
    int fast = 0;
    int placed = 0;
    for (int layout = 0; layout < 400; ++layout) {
        startLevel();
        for (const FallingLetter& record : letters) {
            fast += record.slow ? 0 : 1;
            ++placed;
        }
    }
    EXPECT_NEAR(static_cast<double>(fast) / placed, 1.0 / 20, 0.015);
}

// Placing one letter anew tests it against the others where they are now, and changes no other.
TEST_F(Placement, ReplacingOneLetterLeavesTheOthersAlone) {
    setLetters({letter('A', 10, 50), letter('B', 20, 60), letter('C', 30, 70)});
    const std::vector<FallingLetter> before = letters;
    placeLetters(1);
    EXPECT_EQ(letters[0].letter, before[0].letter);
    EXPECT_EQ(letters[0].y, before[0].y);
    EXPECT_EQ(letters[2].letter, before[2].letter);
    EXPECT_EQ(letters[2].x, before[2].x);
    EXPECT_GE(letters[1].letter, 65);
}
