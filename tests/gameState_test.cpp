#include "game/gameCode.h"
#include "support/gameFixture.h"

#include <QPushButton>

using namespace gameCode;

namespace {

class GameState : public GameFixture {
  protected:
    // Ticks through the banner now showing, into play.
    void finishBanner() {
        ASSERT_TRUE(levelIntro);
        while (levelIntro)
            ASSERT_EQ(tick(), 1);
    }
};

bool isBlank(const FallingLetter& record) {
    return record.letter == 0 && record.x == 0 && record.y == 0 && record.colour == 0 &&
           !record.slow;
}

} // namespace

TEST_F(GameState, ProgramStartsWithNoGameAndNoLetters) {
    EXPECT_EQ(currentLevel, 0);
    EXPECT_TRUE(letters.empty());
    for (std::int32_t colour : letterColours)
        EXPECT_EQ(colour, 0);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_EQ(window->gameLoop.interval(), 0);
}

// The first layout of a run is made before the colour table is filled: its letters carry
// colour 0. The table is filled afterwards, in index order.
TEST_F(GameState, FirstGameLaysOutSixLettersInColourZeroThenFillsTheColours) {
    window->cmdBegin->click();
    ASSERT_EQ(letters.size(), 6u);
    for (const FallingLetter& record : letters) {
        EXPECT_GE(record.letter, 65);
        EXPECT_LE(record.letter, 90);
        EXPECT_EQ(record.colour, 0);
    }
    const std::array<std::int32_t, 7> expected = {255,   65280,    16711680, 65535,
                                                  33023, 16711935, 16776960};
    EXPECT_EQ(letterColours, expected);
    EXPECT_FALSE(gameOver);
}

// resetGame leaves one blank record and a status line for no game, but keeps the score for
// the game-over screen; only initGame sets it to 0.
TEST_F(GameState, ResetGameKeepsTheScoreWhileTheStatusLineShowsZero) {
    window->cmdBegin->click();
    finishBanner();
    gameScore = 1230;
    lettersHit = 4;
    resetGame();
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_TRUE(isBlank(letters[0]));
    EXPECT_EQ(currentLevel, 0);
    EXPECT_EQ(lettersHit, 0);
    EXPECT_EQ(gameScore, 1230);
    EXPECT_EQ(statusText(), "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0");
    window->cmdBegin->click();
    EXPECT_EQ(gameScore, 0);
}

// A game ended during its banner keeps levelIntro; the next New Game sets it anyway.
TEST_F(GameState, ResetGameLeavesTheFlagsAndTheColoursAlone) {
    window->cmdBegin->click();
    tick(10);
    window->cmdEnd->click();
    EXPECT_TRUE(levelIntro);
    EXPECT_FALSE(gameOver);
    EXPECT_EQ(introTicks, 10);
    EXPECT_EQ(letterColours[0], 255);
}

TEST_F(GameState, NewGameAfterEndGameStartsLevelOneWithEightLetters) {
    window->cmdBegin->click();
    window->cmdEnd->click();
    window->cmdBegin->click();
    finishBanner();
    EXPECT_EQ(currentLevel, 1);
    EXPECT_EQ(letters.size(), 8u);
    EXPECT_EQ(statusText(), "0 out of 5 LETTERS        SCORE: 0       LEVEl: 1");
    EXPECT_TRUE(window->picGame.hasFocus());
    EXPECT_EQ(window->picGame.fontSize(), 16.0f);
}

// Level n lays out 2n + 6 letters, every one placed: none is left blank.
TEST_F(GameState, StartLevelLaysOutTwoLettersALevelPlusSix) {
    window->cmdBegin->click();
    for (std::int16_t level : {1, 2, 10, 20}) {
        SCOPED_TRACE(level);
        currentLevel = level;
        startLevel();
        ASSERT_EQ(letters.size(), static_cast<std::size_t>(2 * level + 6));
        for (const FallingLetter& record : letters) {
            EXPECT_GE(record.letter, 65);
            EXPECT_LE(record.letter, 90);
            EXPECT_NE(record.colour, 0);
        }
        EXPECT_EQ(lettersHit, 0);
        EXPECT_TRUE(window->gameLoop.enabled());
    }
}

TEST_F(GameState, FreeGameArraysEmptiesTheLettersAndZeroesTheColours) {
    window->cmdBegin->click();
    freeGameArrays();
    EXPECT_TRUE(letters.empty());
    EXPECT_EQ(letterColours.size(), 7u);
    for (std::int32_t colour : letterColours)
        EXPECT_EQ(colour, 0);
}
