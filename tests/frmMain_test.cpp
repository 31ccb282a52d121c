// The main window: its controls and layout, the commands, the keys and every way of closing.
#include "support/gameFixture.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

#include <functional>

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

    // The play area at (8, 8) as given, the 33-pixel strip under it at its width.
    void expectLayout(int width, int height) {
        const auto& pic = window->picGame;
        EXPECT_EQ((std::array{pic.left(), pic.top(), pic.width(), pic.height()}),
                  (std::array{8, 8, width, height}));
        EXPECT_EQ(window->frameButtons->geometry(), QRect(8, 8 + height, width, 33));
    }
};

} // namespace

// Loaded maximised with a black play area filling the client area less 30 x 60, an empty status
// line, four buttons in fixed places, the Game menu, and the focus on the play area first so that
// letter keys reach it without a click.
TEST_F(MainWindow, LoadsWithItsControlsMenuAndFocusOrder) {
    EXPECT_EQ(window->windowTitle(), "Velquist");
    EXPECT_TRUE(window->isMaximized());
    expectLayout(window->scaleWidth() - 30, window->scaleHeight() - 60);
    EXPECT_EQ(countLitPixels(screen()), 0);
    EXPECT_EQ(window->lblInfo->text(), "");
    EXPECT_EQ(window->lblInfo->geometry(), QRect(0, 8, 401, 17));
    std::vector<std::pair<QString, QRect>> strip;
    for (QPushButton* b : {window->cmdPause, window->cmdBegin, window->cmdEnd, window->cmdExit})
        strip.emplace_back(b->text(),
                           b->parentWidget() == window->frameButtons ? b->geometry() : QRect());
    EXPECT_EQ(strip, (std::vector<std::pair<QString, QRect>>{{"Pause", {408, 8, 89, 25}},
                                                             {"New Game", {504, 8, 89, 25}},
                                                             {"End Game", {600, 8, 81, 25}},
                                                             {"Exit", {688, 8, 81, 25}}}));
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    QStringList items{menus[0]->text()};
    for (QAction* item : menus[0]->menu()->actions())
        items << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(items, QStringList({"Game", "New", "Sound", "High Scores", "-", "Exit"}));

    window->activateWindow();
    processEvents();
    std::vector<QWidget*> order{window->picGame.widget()};
    for (QWidget* w = order[0]->nextInFocusChain(); w != order[0]; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order.push_back(w);
    EXPECT_EQ(order, (std::vector<QWidget*>{window->picGame.widget(), window->cmdPause,
                                            window->cmdEnd, window->cmdBegin, window->cmdExit}));
    EXPECT_TRUE(window->picGame.hasFocus());
}

// Restored, the client area is 792 x 515. A client side of 100 pixels or less keeps the play
// area's size on that side, and the strip follows the play area all the same.
TEST_F(MainWindow, LayoutFollowsTheClientAreaAboveOneHundredPixels) {
    window->showNormal();
    processEvents();
    EXPECT_EQ(QSize(window->scaleWidth(), window->scaleHeight()), QSize(792, 515));
    expectLayout(762, 455);
    setClientSize(500, 400);
    const std::array<int, 4> cases[] = {{100, 300, 470, 240},
                                        {101, 300, 71, 240},
                                        {300, 100, 270, 240},
                                        {300, 101, 270, 41},
                                        {60, 60, 270, 41}};
    for (const auto& [width, height, expectedWidth, expectedHeight] : cases) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        setClientSize(width, height);
        expectLayout(expectedWidth, expectedHeight);
    }
}

// Game > Exit, Exit and the close box tear the game down at once: the timer stops, the arrays
// are freed, the high-score window goes, and nothing is asked or offered to the table.
TEST_F(MainWindow, EveryWayOfClosingTearsTheGameDownWithoutAsking) {
    const std::function<void(frmMain&)> ways[] = {[](frmMain& w) { w.mnuExit->trigger(); },
                                                  [](frmMain& w) { w.cmdExit->click(); },
                                                  &frmMain::close};
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        window.reset();
        resetEngineState();
        window = std::make_unique<frmMain>();
        window->showMaximized();
        window->cmdBegin->click();
        gameCode::gameScore = 500;
        ways[way](*window);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->gameLoop.enabled());
        EXPECT_TRUE(gameCode::letters.empty());
        EXPECT_EQ(gameCode::letterColours, (std::array<std::int32_t, 7>{}));
        EXPECT_EQ(window->highScores, nullptr);
        EXPECT_TRUE(dialogs.inputBoxes.empty() && dialogs.messageBoxes.empty());
    }
}

// Before any game, keys, commands and the window going out of sight do nothing but Pause, which
// moves the focus to the play area. Game > New maximises the window and starts level 1 with its
// banner on a 30 ms timer; its layout is made before the colour table is filled, in colour 0.
TEST_F(MainWindow, NewGameStartsLevelOneAndNothingElseStartsAGame) {
    window->cmdBegin->setFocus();
    window->cmdPause->click();
    EXPECT_TRUE(window->picGame.hasFocus());
    release(Qt::Key_Insert);
    release(Qt::Key_A);
    window->showMinimized();
    window->showMaximized();
    window->hiddenWatch.exposureChanged(false);
    window->hiddenWatch.deliverGraceEnd();
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_FALSE(gameCode::gamePaused);
    EXPECT_EQ(statusText(), "");
    EXPECT_TRUE(sound.played.empty());
    window->showNormal();
    window->mnuNew->trigger();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(gameCode::currentLevel, 1);
    EXPECT_TRUE(window->gameLoop.enabled());
    EXPECT_EQ(window->gameLoop.interval(), 30);
    EXPECT_TRUE(gameCode::levelIntro);
    EXPECT_EQ(std::ranges::count(gameCode::letters, 0, &gameCode::FallingLetter::colour),
              std::ssize(gameCode::letters));
}

// During a game Pause and Insert flip between running and paused; minimising, or the window
// staying unseen for the whole grace, pauses a running game and leaves a paused one paused, and
// restoring or showing it again resumes nothing. Letter keys hit whatever the case. New Game cuts
// a running or paused game short without a question, at level 1 with score 0, and leaves the
// pause as it was; End Game twice is harmless and never offers the score to the table.
TEST_F(MainWindow, CommandsAndKeysDuringAGame) {
    window->cmdBegin->click();
    const std::int16_t hits = gameCode::lettersHit; // a capital letter hits as a small one does
    release(static_cast<Qt::Key>(gameCode::letters[0].letter), Qt::ShiftModifier);
    EXPECT_EQ(gameCode::lettersHit, hits + 1);
    // The window seen or not, and then the end of the grace if it ends.
    const auto seen = [&](bool exposed, bool graceEnds) {
        return [&, exposed, graceEnds] {
            window->hiddenWatch.exposureChanged(exposed);
            if (graceEnds)
                window->hiddenWatch.deliverGraceEnd();
        };
    };
    // clang-format off
    const std::function<void()> pause = [&] { window->cmdPause->click(); },
        insert = [&] { release(Qt::Key_Insert); }, minimise = [&] { window->showMinimized(); },
        maximise = [&] { window->showMaximized(); }, restore = [&] { window->showNormal(); };
    const std::vector<std::pair<std::function<void()>, bool>> steps = {
        {pause, false}, {insert, true}, {minimise, false}, {maximise, false}, {minimise, false},
        {restore, false}, {insert, true}, {seen(false, false), true}, {seen(true, true), true},
        {seen(false, true), false}, {seen(true, false), false}, {seen(false, true), false},
        {insert, true}};
    // clang-format on
    for (std::size_t step = 0; step < steps.size(); ++step) {
        steps[step].first();
        EXPECT_EQ(window->gameLoop.enabled(), steps[step].second) << "step " << step;
        EXPECT_EQ(gameCode::gamePaused, !steps[step].second) << "step " << step;
    }
    for (bool paused : {false, true}) {
        if (paused)
            pause();
        gameCode::currentLevel = 3;
        gameCode::gameScore = 740;
        window->cmdBegin->click();
        EXPECT_EQ(gameCode::currentLevel, 1);
        EXPECT_EQ(gameCode::gameScore, 0);
        EXPECT_TRUE(window->gameLoop.enabled());
        EXPECT_EQ(gameCode::gamePaused, paused);
    }
    gameCode::gameScore = 300;
    window->cmdEnd->click();
    window->cmdEnd->click();
    EXPECT_EQ(gameCode::currentLevel, 0);
    EXPECT_EQ(gameCode::letters.size(), 1u);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_TRUE(dialogs.inputBoxes.empty());
    EXPECT_EQ(statusText(), "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0");
    window->showMinimized();
    EXPECT_FALSE(window->gameLoop.enabled());
}
