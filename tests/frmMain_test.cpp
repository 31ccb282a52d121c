#include "forms/frmMain.h"
#include "game/gameCode.h"
#include "support/gameFixture.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <vector>

namespace {

class MainWindow : public GameFixture {
  protected:
    // Gives the window a client area (the window less its menu bar) of the size asked for.
    void setClientSize(int width, int height) {
        window->showNormal();
        window->resize(width, height + window->menuBar()->height());
        processEvents();
        ASSERT_EQ(window->scaleWidth(), width);
        ASSERT_EQ(window->scaleHeight(), height);
    }

    void expectStripUnderPlayArea() {
        EXPECT_EQ(window->frameButtons->x(), window->picGame.left());
        EXPECT_EQ(window->frameButtons->y(), window->picGame.top() + window->picGame.height());
        EXPECT_EQ(window->frameButtons->width(), window->picGame.width());
        EXPECT_EQ(window->frameButtons->height(), 33);
    }

    void startGame() {
        window->cmdBegin->click();
        ASSERT_EQ(gameCode::currentLevel, 1);
    }
};

} // namespace

TEST_F(MainWindow, OpensMaximisedWithThePlayAreaFillingTheClientArea) {
    EXPECT_EQ(window->windowTitle(), "Velquist");
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->picGame.left(), 8);
    EXPECT_EQ(window->picGame.top(), 8);
    EXPECT_EQ(window->picGame.width(), window->scaleWidth() - 30);
    EXPECT_EQ(window->picGame.height(), window->scaleHeight() - 60);
    EXPECT_EQ(window->picGame.scaleWidth(), window->picGame.width());
    expectStripUnderPlayArea();
    EXPECT_EQ(countLitPixels(screen()), 0);
}

// Captions and places inside the strip never change; the label stays empty until a game.
TEST_F(MainWindow, StripHoldsTheEmptyStatusLineAndFourButtons) {
    EXPECT_EQ(window->lblInfo->text(), "");
    EXPECT_EQ(window->lblInfo->geometry(), QRect(0, 8, 401, 17));
    struct Button {
        QPushButton* button;
        const char* caption;
        QRect place;
    };
    const Button buttons[] = {
        {window->cmdPause, "Pause", QRect(408, 8, 89, 25)},
        {window->cmdBegin, "New Game", QRect(504, 8, 89, 25)},
        {window->cmdEnd, "End Game", QRect(600, 8, 81, 25)},
        {window->cmdExit, "Exit", QRect(688, 8, 81, 25)},
    };
    for (const Button& b : buttons) {
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->geometry(), b.place);
        EXPECT_EQ(b.button->parentWidget(), window->frameButtons);
    }
}

TEST_F(MainWindow, GameMenuHasItsItemsWithSoundTicked) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "Game");
    const QList<QAction*> items = menus[0]->menu()->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text(), "New");
    EXPECT_EQ(items[1]->text(), "Sound");
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_EQ(items[2]->text(), "High Scores");
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4]->text(), "Exit");
    EXPECT_TRUE(gameCode::soundOn);
}

// The play area is first in the focus order, so letter keys reach it without a click; then
// Pause, End Game, New Game, Exit.
TEST_F(MainWindow, FocusStartsOnThePlayAreaAndFollowsTheTabOrder) {
    window->activateWindow();
    processEvents();
    EXPECT_TRUE(window->picGame.hasFocus());
    std::vector<QWidget*> order;
    QWidget* widget = window->picGame.widget();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != window->picGame.widget());
    const std::vector<QWidget*> expected = {window->picGame.widget(), window->cmdPause,
                                            window->cmdEnd, window->cmdBegin, window->cmdExit};
    EXPECT_EQ(order, expected);
}

// Restored from maximised, the window has its normal client area of 792 x 515 pixels.
TEST_F(MainWindow, RestoringGivesTheNormalClientArea) {
    window->showNormal();
    processEvents();
    EXPECT_EQ(window->scaleWidth(), 792);
    EXPECT_EQ(window->scaleHeight(), 515);
    EXPECT_EQ(window->picGame.width(), 762);
    EXPECT_EQ(window->picGame.height(), 455);
    EXPECT_EQ(window->picGame.left(), 8);
    EXPECT_EQ(window->picGame.top(), 8);
    EXPECT_EQ(window->frameButtons->x(), 8);
    EXPECT_EQ(window->frameButtons->y(), 463);
    EXPECT_EQ(window->frameButtons->width(), 762);
}

// A side of 100 pixels or less keeps the play area's size on that side; the strip follows the
// play area all the same.
TEST_F(MainWindow, SmallClientSidesLeaveThePlayAreaAsItWas) {
    setClientSize(500, 400);
    struct Case {
        int width, height, expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {100, 300, 470, 240}, {101, 300, 71, 240}, {300, 100, 270, 240},
        {300, 101, 270, 41},  {60, 60, 270, 41},   {792, 515, 762, 455},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        setClientSize(c.width, c.height);
        EXPECT_EQ(window->picGame.width(), c.expectedWidth);
        EXPECT_EQ(window->picGame.height(), c.expectedHeight);
        expectStripUnderPlayArea();
    }
}

// A resize clears the play area and redraws it from the game state, with or without a game.
TEST_F(MainWindow, EveryResizeClearsThePlayArea) {
    window->picGame.setForeColor(0xFFFFFF);
    window->picGame.setFontSize(40);
    platform::RECT rect{0, 0, 300, 100};
    platform::DrawTextA(window->picGame.hDC(), "JUNK", 4, &rect, platform::DT_CENTER);
    ASSERT_GT(countLitPixels(screen()), 0);
    setClientSize(792, 515);
    EXPECT_EQ(countLitPixels(screen()), 0);
}

TEST_F(MainWindow, MinimisingFlipsARunningOrPausedGameAndRestoringFlipsNothing) {
    startGame();
    window->showMinimized();
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_TRUE(gameCode::gamePaused);
    window->showMaximized();
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_TRUE(gameCode::gamePaused);
    window->showMinimized();
    EXPECT_TRUE(window->gameLoop.enabled());
    EXPECT_FALSE(gameCode::gamePaused);
    window->showNormal();
    EXPECT_TRUE(window->gameLoop.enabled());
    EXPECT_FALSE(gameCode::gamePaused);
}

TEST_F(MainWindow, MinimisingWithoutAGameLeavesTheTimerStopped) {
    window->showMinimized();
    EXPECT_FALSE(window->gameLoop.enabled());
    window->showMaximized();
    startGame();
    window->cmdEnd->click();
    window->showMinimized();
    EXPECT_FALSE(window->gameLoop.enabled());
}

// The close box, Exit and Game > Exit all tear the game down at once: the timer stops, the
// arrays are freed, the high-score window goes, and nothing is asked or offered to the table.
TEST_F(MainWindow, EveryWayOfClosingTearsTheGameDownWithoutAsking) {
    struct Way {
        const char* name;
        std::function<void(frmMain&)> close;
    };
    const Way ways[] = {
        {"close box",
         [](frmMain& w) {
             w.close();
         }},
        {"Exit button",
         [](frmMain& w) {
             w.cmdExit->click();
         }},
        {"Exit menu item",
         [](frmMain& w) {
             w.mnuExit->trigger();
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        window.reset();
        resetEngineState();
        window = std::make_unique<frmMain>();
        window->showMaximized();
        startGame();
        gameCode::gameScore = 500;
        way.close(*window);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->gameLoop.enabled());
        EXPECT_TRUE(gameCode::letters.empty());
        EXPECT_EQ(gameCode::letterColours, (std::array<std::int32_t, 7>{}));
        EXPECT_EQ(window->highScores, nullptr);
        EXPECT_TRUE(dialogs.inputBoxes.empty());
        EXPECT_TRUE(dialogs.messageBoxes.empty());
    }
}

// --- Commands ----------------------------------------------------------------------------------

TEST_F(MainWindow, NewGameStartsTheTimerAndLevelOne) {
    window->showNormal();
    window->mnuNew->trigger();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(gameCode::currentLevel, 1);
    EXPECT_TRUE(window->gameLoop.enabled());
    EXPECT_EQ(window->gameLoop.interval(), 30);
    EXPECT_TRUE(gameCode::levelIntro);
    EXPECT_EQ(gameCode::gameScore, 0);
}

// New Game cuts a running or paused game short without a question and starts again at level 1
// with score 0; it leaves gamePaused as it was.
TEST_F(MainWindow, NewGameRestartsARunningOrPausedGameWithoutAsking) {
    for (bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "running");
        startGame();
        gameCode::currentLevel = 3;
        gameCode::gameScore = 740;
        if (paused)
            window->cmdPause->click();
        window->cmdBegin->click();
        EXPECT_EQ(gameCode::currentLevel, 1);
        EXPECT_EQ(gameCode::gameScore, 0);
        EXPECT_TRUE(window->gameLoop.enabled());
        EXPECT_EQ(gameCode::gamePaused, paused);
        EXPECT_TRUE(dialogs.inputBoxes.empty());
        window->cmdEnd->click();
        if (paused)
            window->togglePause();
    }
}

// Before the first game only Pause does anything: it moves the focus to the play area.
TEST_F(MainWindow, CommandsAndKeysWithoutAGameDoNothing) {
    window->cmdBegin->setFocus();
    window->cmdPause->click();
    EXPECT_TRUE(window->picGame.hasFocus());
    release(Qt::Key_Insert);
    release(Qt::Key_A);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_FALSE(gameCode::gamePaused);
    EXPECT_EQ(gameCode::currentLevel, 0);
    EXPECT_EQ(statusText(), "");
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(MainWindow, PauseAndInsertFlipTheSameState) {
    startGame();
    window->cmdPause->click();
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_TRUE(gameCode::gamePaused);
    EXPECT_TRUE(window->picGame.hasFocus());
    EXPECT_EQ(window->cmdPause->text(), "Pause");
    release(Qt::Key_Insert);
    EXPECT_TRUE(window->gameLoop.enabled());
    EXPECT_FALSE(gameCode::gamePaused);
    release(Qt::Key_Insert);
    EXPECT_TRUE(gameCode::gamePaused);
    window->cmdPause->click();
    EXPECT_FALSE(gameCode::gamePaused);
    EXPECT_TRUE(window->gameLoop.enabled());
}

// End Game twice is harmless and never offers the score to the table.
TEST_F(MainWindow, EndGameTwiceIsHarmlessAndOffersNoScore) {
    startGame();
    gameCode::gameScore = 300;
    window->cmdEnd->click();
    window->cmdEnd->click();
    EXPECT_EQ(gameCode::currentLevel, 0);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_EQ(gameCode::letters.size(), 1u);
    EXPECT_TRUE(dialogs.inputBoxes.empty());
    EXPECT_EQ(statusText(), "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0");
    EXPECT_EQ(countLitPixels(screen()), 0);
}

TEST_F(MainWindow, SoundItemFlipsItsTickAndSoundOnTogether) {
    for (bool expected : {false, true, false}) {
        window->mnuSound->trigger();
        EXPECT_EQ(window->mnuSound->isChecked(), expected);
        EXPECT_EQ(gameCode::soundOn, expected);
    }
}

// Shift and Caps Lock give the same key code: a letter hits whatever the case.
TEST_F(MainWindow, LetterKeysReachTheGameWhateverTheCase) {
    startGame();
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        const gameCode::FallingLetter target = gameCode::letters[0];
        const std::int16_t hitsBefore = gameCode::lettersHit;
        release(static_cast<Qt::Key>(Qt::Key_A + (target.letter - 'A')), modifiers);
        EXPECT_EQ(gameCode::lettersHit, hitsBefore + 1);
    }
}
