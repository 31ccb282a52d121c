#include "game/gameCode.h"
#include "support/gameFixture.h"

#include <QPushButton>

using namespace gameCode;

namespace {

class Overlays : public GameFixture {
  protected:
    // Raises the play area's paint event, as a lost picture does, and lets it run.
    void repaint() {
        window->picGame.setHeight(window->picGame.height() - 1);
        processEvents();
    }

    void finishBanner() {
        while (levelIntro)
            ASSERT_EQ(tick(), 1);
    }

    // Lit pixels in the top rows, where the overlays are written.
    int greenAtTop() const { return countPixels(screen().copy(0, 0, screen().width(), 80), green); }
    int redAtTop() const { return countPixels(screen().copy(0, 0, screen().width(), 150), red); }
};

} // namespace

TEST_F(Overlays, StatusLineJoinsHitsTargetScoreAndLevel) {
    window->cmdBegin->click();
    finishBanner();
    currentLevel = 7;
    lettersHit = 36;
    gameScore = -120;
    showStatus();
    EXPECT_EQ(statusText(), "36 out of 35 LETTERS        SCORE: -120       LEVEl: 7");
    gameScore = 2147483647;
    showStatus();
    EXPECT_EQ(statusText(), "36 out of 35 LETTERS        SCORE: 2147483647       LEVEl: 7");
}

// While the first banner shows, the status line still holds what initGame's layout wrote.
TEST_F(Overlays, FirstBannerLeavesTheStatusLineAtLevelZero) {
    window->cmdBegin->click();
    EXPECT_EQ(statusText(), "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0");
    EXPECT_GT(greenAtTop(), 100);
}

TEST_F(Overlays, BannerIsGreenAtTheTopAndWrittenOverTheLetters) {
    window->cmdBegin->click();
    finishBanner();
    tick(3);
    const int lettersLit = countLitPixels(screen());
    ASSERT_GT(lettersLit, 0);
    nextLevel();
    EXPECT_GT(greenAtTop(), 100);
    EXPECT_GT(countLitPixels(screen()) - countPixels(screen(), green), 0);
    EXPECT_EQ(window->picGame.fontSize(), 40.0f);
    EXPECT_EQ(window->picGame.foreColor(), green);
}

TEST_F(Overlays, GameOverScreenShowsTheScoreOnASecondLine) {
    gameScore = 120;
    drawGameOver(red);
    const int lineHeight = 70;
    const QImage top = screen().copy(0, 0, screen().width(), lineHeight - 8);
    const QImage second = screen().copy(0, lineHeight - 6, screen().width(), lineHeight);
    EXPECT_GT(countPixels(top, red), 200);
    EXPECT_GT(countPixels(second, red), 200);
    EXPECT_EQ(countLitPixels(screen()), countPixels(screen(), red));
}

TEST_F(Overlays, RepaintBeforeAnyGameAndAfterEndGameLeavesTheAreaBlank) {
    repaint();
    EXPECT_EQ(countLitPixels(screen()), 0);
    window->cmdBegin->click();
    finishBanner();
    tick(2);
    window->cmdEnd->click();
    repaint();
    EXPECT_EQ(countLitPixels(screen()), 0);
}

TEST_F(Overlays, RepaintWhilePausedInPlayWritesTheLettersWhereTheyStopped) {
    window->cmdBegin->click();
    finishBanner();
    tick(5);
    const QImage before = screen().copy();
    window->cmdPause->click();
    repaint();
    EXPECT_GT(countLitPixels(screen()), 0);
    int differing = 0;
    for (int y = 0; y < screen().height(); ++y)
        for (int x = 0; x < screen().width(); ++x)
            differing += screen().pixel(x, y) != before.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

// The banner alone: the letters of the finished level are gone after a repaint.
TEST_F(Overlays, RepaintDuringABannerWritesTheBannerAlone) {
    window->cmdBegin->click();
    finishBanner();
    tick(3);
    nextLevel();
    window->cmdPause->click();
    repaint();
    EXPECT_GT(greenAtTop(), 100);
    EXPECT_EQ(countLitPixels(screen()), countPixels(screen(), green));
}

TEST_F(Overlays, RepaintAfterGameOverShowsTheFinalScore) {
    window->cmdBegin->click();
    finishBanner();
    gameScore = 340;
    letters[0].y = static_cast<float>(window->picGame.scaleHeight());
    tick();
    ASSERT_TRUE(gameOver);
    EXPECT_EQ(statusText(), "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0");
    repaint();
    EXPECT_GT(redAtTop(), 400);
    EXPECT_EQ(countLitPixels(screen()), countPixels(screen(), red));
    EXPECT_EQ(gameScore, 340);
}

// A game that ended on the tick that also completed its level still has its banner flag set;
// a repaint shows the game-over screen, never a banner for level 0.
TEST_F(Overlays, GameEndedOnALevelCompletingTickRepaintsTheGameOverScreen) {
    window->cmdBegin->click();
    finishBanner();
    lettersHit = 5;
    letters[0].y = static_cast<float>(window->picGame.scaleHeight());
    tick();
    ASSERT_TRUE(gameOver);
    ASSERT_TRUE(levelIntro);
    repaint();
    EXPECT_EQ(countPixels(screen(), green), 0);
    EXPECT_GT(redAtTop(), 400);
}

// End Game on a paused banner leaves nothing to announce: the area stays blank.
TEST_F(Overlays, EndGameOnAPausedBannerRepaintsABlankArea) {
    window->cmdBegin->click();
    window->cmdPause->click();
    window->cmdEnd->click();
    ASSERT_TRUE(levelIntro);
    ASSERT_TRUE(gamePaused);
    repaint();
    EXPECT_EQ(countLitPixels(screen()), 0);
}

// After End Game on a paused game in play, the one blank record writes nothing.
TEST_F(Overlays, BlankRecordWritesNothing) {
    window->cmdBegin->click();
    finishBanner();
    window->cmdPause->click();
    window->cmdEnd->click();
    ASSERT_EQ(letters.size(), 1u);
    repaint();
    EXPECT_EQ(countLitPixels(screen()), 0);
}
