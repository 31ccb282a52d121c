#include "support/playing.h"

#include <QPushButton>

using namespace gameCode;

namespace {

class Tick : public Playing {
  protected:
    float bottom() const { return static_cast<float>(window->picGame.scaleHeight()); }
};

} // namespace

// Counting from 0, ticks 1 to 50 keep the banner; the 51st ends it and lays out the level.
TEST_F(Tick, BannerEndsOnTheFiftyFirstTick) {
    nextLevel();
    ASSERT_EQ(introTicks, 0);
    EXPECT_EQ(tick(50), 50);
    EXPECT_TRUE(levelIntro);
    EXPECT_EQ(introTicks, 50);
    EXPECT_EQ(letters.size(), 8u);
    tick();
    EXPECT_FALSE(levelIntro);
    EXPECT_EQ(introTicks, 0);
    EXPECT_EQ(currentLevel, 2);
    EXPECT_EQ(letters.size(), 10u);
}

// The banner's count survives End Game and New Game: the next banner is that much shorter.
TEST_F(Tick, BannerCutShortShortensTheNextOne) {
    for (auto cut : {&frmMain::cmdEnd_Click, &frmMain::cmdBegin_Click}) {
        nextLevel();
        tick(20);
        (window.get()->*cut)();
        if (currentLevel == 0)
            window->cmdBegin_Click();
        ASSERT_TRUE(levelIntro);
        EXPECT_EQ(introTicks, 20);
        EXPECT_EQ(tick(30), 30);
        EXPECT_TRUE(levelIntro);
        tick();
        EXPECT_FALSE(levelIntro);
    }
}

// The hit that completes a level takes effect on the next tick, after the letters moved.
TEST_F(Tick, LevelCompletesOnTheTickAfterTheLastHit) {
    setLetters({letter('A', 10, 100), letter('B', 50, 100)});
    lettersHit = 4;
    type('A');
    ASSERT_EQ(lettersHit, 5);
    EXPECT_FALSE(levelIntro);
    const float y = letters[1].y;
    sound.played.clear();
    tick();
    EXPECT_EQ(letters[1].y, y + 1);
    EXPECT_TRUE(levelIntro);
    EXPECT_EQ(currentLevel, 2);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], "C:\\WINDOWS\\MEDIA\\TADA.WAV");
}

// Completion is equality: hits that pass the target between ticks never complete the level.
TEST_F(Tick, HitsPastTheTargetNeverCompleteTheLevel) {
    setLetters({letter('A', 10, 100)});
    lettersHit = 6;
    tick(5);
    EXPECT_FALSE(levelIntro);
    EXPECT_EQ(currentLevel, 1);
    EXPECT_EQ(statusText(), "0 out of 5 LETTERS        SCORE: 0       LEVEl: 1");
}

// The bottom test is strict: y + 5 equal to the height is not yet the bottom.
TEST_F(Tick, LetterEndsTheGameOnlyOncePastTheBottom) {
    setLetters({letter('A', 10, bottom() - 6), letter('B', 60, 20)});
    tick();
    ASSERT_EQ(letters[0].y + 5, bottom());
    EXPECT_FALSE(gameOver);
    EXPECT_TRUE(window->gameLoop.enabled());
    tick();
    EXPECT_TRUE(gameOver);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_EQ(currentLevel, 0);
}

// When the level completes on the tick a letter passes the bottom, the level sound plays and the
// banner is written, then the game ends in the same tick over a cleared area.
TEST_F(Tick, LevelCompletedOnTheGameOverTickStillEndsTheGame) {
    setLetters({letter('A', 10, bottom())});
    lettersHit = 5;
    gameScore = 0;
    sound.played.clear();
    tick();
    EXPECT_TRUE(gameOver);
    EXPECT_TRUE(levelIntro);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(countPixels(screen(), green), 0);
    EXPECT_GT(countPixels(screen(), red), 400);
    EXPECT_EQ(currentLevel, 0);
}

// The score is offered only when it qualifies; the name box has its own prompt and title.
TEST_F(Tick, GameOverAsksForANameOnlyForAQualifyingScore) {
    setLetters({letter('A', 10, bottom())});
    gameScore = 0;
    tick();
    EXPECT_TRUE(dialogs.inputBoxes.empty());

    window->cmdBegin->click();
    finishBanner();
    setLetters({letter('A', 10, bottom())});
    gameScore = 60;
    tick();
    ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
    EXPECT_EQ(dialogs.inputBoxes[0].prompt, "Please enter you name, cancel to exit");
    EXPECT_EQ(dialogs.inputBoxes[0].title, "High Score");
    EXPECT_EQ(gameScore, 60);
}

// Ticks wait while one of the game's boxes is open: a tick under the safe-limit box would lay
// the level out again while the layout is still going through the letters.
TEST_F(Tick, NoTickRunsWhileABoxIsOpen) {
    nextLevel();
    tick(50);
    window->picGame.setWidth(0);
    window->picGame.setHeight(16);
    int ticksUnderBoxes = 0;
    dialogs.whileOpen = [&] {
        window->gameLoop.setEnabled(true);
        const std::int16_t before = introTicks;
        const std::size_t size = letters.size();
        window->gameLoop.deliverTick();
        ticksUnderBoxes += (introTicks != before || letters.size() != size) ? 1 : 0;
    };
    tick();
    EXPECT_EQ(dialogs.messageBoxes.size(), 10u);
    EXPECT_EQ(ticksUnderBoxes, 0);
    EXPECT_FALSE(window->gameLoop.enabled());
}

// Minimising while the name box is open must not start the timer again: ticks under the box
// would end the game a second time, with a second name box.
TEST_F(Tick, MinimisingUnderTheNameBoxLeavesTheTimerOff) {
    setLetters({letter('A', 10, bottom())});
    gameScore = 80;
    dialogs.answers = {"Ann"};
    dialogs.whileOpen = [&] {
        window->showMinimized();
        EXPECT_FALSE(window->gameLoop.enabled());
        for (int i = 0; i < 5; ++i)
            window->gameLoop.deliverTick();
    };
    tick();
    dialogs.whileOpen = nullptr;
    window->showMaximized();
    EXPECT_EQ(dialogs.inputBoxes.size(), 1u);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_EQ(currentLevel, 0);
    EXPECT_TRUE(gameOver);
}
