#include "support/gameFixture.h"
#include "support/gdiAPI.h"

#include <QAction>

#include <set>

using namespace gameCode;

namespace {

class GameEngine : public Playing {
  protected:
    // Whether the play area shows this text alone in the colour, written anew on a cleared area
    // as the game writes an overlay: at 40 points, centred across the top.
    bool showsOnly(const std::string& text, std::int32_t colour) {
        const QImage shown = screen().copy();
        window->picGame.cls();
        window->picGame.setForeColor(colour);
        window->picGame.setFontSize(40);
        gdiAPI::RECT box{0, 0, window->picGame.scaleWidth(), window->picGame.scaleHeight()};
        gdiAPI::DrawTextA(window->picGame.hDC(), text.data(), static_cast<int>(text.size()), &box,
                          gdiAPI::DT_CENTER);
        return screen() == shown;
    }
};

} // namespace

// A key hits the first matching fast letter, else the lowest matching slow one, the lower index on
// equal height. A hit scores 100 fast, 20 slow above two thirds of the height and 10 from there
// down; it wipes the letter, clicks, and places only that record anew. A click the output cannot
// play gives way to the program's default sound, as the Windows call does without SND_NODEFAULT.
TEST_F(GameEngine, KeyHitScoresTheChosenLetterBySpeedAndHeight) {
    window->picGame.setHeight(450);
    // Each case: the letters in play, the one the key hits and its points.
    const std::tuple<const char*, std::vector<FallingLetter>, std::size_t, int> cases[] = {
        {"equal height: lower index", {letter('K', 10, 250), letter('K', 50, 250)}, 0, 20},
        {"slow at exactly two thirds", {letter('K', 10, 300)}, 0, 10},
        {"fast first", {letter('K', 1, 299), letter('K', 5, 20, false)}, 1, 100},
    };
    sound.played.clear();
    for (const auto& [name, records, hit, points] : cases) {
        SCOPED_TRACE(name);
        setLetters(records);
        const int lit = countLitPixels(screen());
        const std::int32_t score = gameScore;
        type('K');
        for (std::size_t i = 0; i < letters.size(); ++i)
            EXPECT_EQ(letters[i].x != records[i].x || letters[i].y != records[i].y, i == hit)
                << "record " << i;
        EXPECT_EQ(gameScore - score, points);
        EXPECT_LT(countLitPixels(screen()), lit);
    }
    const std::string hit = folderPath() + "/hit.wav";
    sound.unplayable = {hit};
    type('K'); // the last case's slow K
    EXPECT_EQ(sound.played,
              (std::vector<std::string>{hit, hit, hit, hit, folderPath() + "/default.wav"}));
}

// The tick that finds the level complete shows "LEVEL" and the new level in green across the top.
// When the banner is over the level is laid out on a cleared area in the letters' size. A banner
// cut short by End Game leaves its count to the next one, and after End Game on the paused banner
// there is no level to announce: the area stays blank.
TEST_F(GameEngine, LevelBannerShowsTheNewLevelThenGivesWayToACleanLayout) {
    setLetters({});
    lettersHit = 5;
    tick();
    EXPECT_TRUE(showsOnly("LEVEL 2", 65280));
    finishBanner();
    EXPECT_EQ(countLitPixels(screen()), 0);
    EXPECT_EQ(window->picGame.fontSize(), 16.0f);
    nextLevel();
    tick(20);
    window->cmdPause->click();
    window->cmdEnd->click();
    window->picGame_Paint();
    EXPECT_EQ(countLitPixels(screen()), 0);
    window->cmdBegin->click();
    EXPECT_EQ(introTicks, 20);
}

// A letter ends the game once its y + 5 passes the height, at the right border too. If the level
// was complete too its sound plays (the default sound, as the Windows file is missing here), but
// the game-over screen with the score replaces the banner, under the name box and on repaints.
// Hiding the window under the box, or then minimising it, leaves the timer off, or ticks would end
// the game a second time. The next game is not over.
TEST_F(GameEngine, LetterPastTheBottomEndsTheGameOnTheGameOverScreen) {
    setLetters(
        {letter('W', window->picGame.scaleWidth() - 3.0f, window->picGame.scaleHeight() - 6.0f)});
    tick();
    lettersHit = 5;
    gameScore = 340;
    sound.played.clear();
    dialogs.whileOpen = [&] {
        EXPECT_TRUE(showsOnly("GAME OVER\r\nSCORE: 340", 255));
        window->hiddenWatch.exposureChanged(false);
        window->hiddenWatch.deliverGraceEnd();
        EXPECT_FALSE(window->gameLoop.deliverTick());
        window->showMinimized();
        EXPECT_FALSE(window->gameLoop.deliverTick());
    };
    tick();
    EXPECT_TRUE(showsOnly("GAME OVER\r\nSCORE: 340", 255));
    window->showMaximized();
    EXPECT_TRUE(gameOver && levelIntro);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_EQ(sound.played, (std::vector<std::string>{"C:\\WINDOWS\\MEDIA\\TADA.WAV",
                                                      folderPath() + "/default.wav"}));
    ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
    EXPECT_EQ(dialogs.inputBoxes[0].text, "Please enter you name, cancel to exit");
    EXPECT_EQ(dialogs.inputBoxes[0].title, "High Score");
    window->cmdBegin->click();
    EXPECT_FALSE(gameOver);
}

// Across many layouts every letter and every colour of the table (red, green, blue, yellow,
// orange, magenta, cyan) turns up. One letter in 21 - n is fast at level n, every one from 20 on.
TEST_F(GameEngine, PlacementCoversEveryLetterAndColourAndMakesFastLettersByLevel) {
    std::set<std::int32_t> codes;
    std::set<std::int32_t> colours;
    for (const auto& [level, fastShare] : {std::pair{18, 1 / 3.0}, {19, 1 / 2.0}, {20, 1.0}}) {
        int fast = 0;
        currentLevel = static_cast<std::int16_t>(level);
        for (int layout = 0; layout < 40; ++layout) {
            startLevel();
            for (const FallingLetter& r : letters) {
                codes.insert(r.letter);
                colours.insert(r.colour);
                fast += r.slow ? 0 : 1;
            }
        }
        EXPECT_NEAR(fast / (40.0 * letters.size()), fastShare, 0.04) << "level " << level;
    }
    EXPECT_EQ(codes.size(), 26u);
    EXPECT_EQ(colours.size(), 7u);
    EXPECT_EQ(letterColours, (std::array<std::int32_t, 7>{255, 65280, 16711680, 65535, 33023,
                                                          16711935, 16776960}));
}

// A zero-width area 16 pixels high puts every try on top of another record: each letter gives up
// after its tries with one box, still gets its letter and colour, and the timer stops; no tick
// moves a letter under the boxes.
TEST_F(GameEngine, ExhaustedPlacementShowsTheSafeLimitBoxOncePerLetterAndStopsTheTimer) {
    window->picGame.setWidth(0);
    window->picGame.setHeight(16);
    dialogs.whileOpen = [&] {
        window->gameLoop.setEnabled(true);
        window->gameLoop.deliverTick();
    };
    startLevel();
    ASSERT_EQ(dialogs.messageBoxes.size(), 8u);
    EXPECT_EQ(dialogs.messageBoxes[7].text,
              "setLetter - gameCode Do loop has exceeded safe limit, ending game.");
    EXPECT_EQ(dialogs.messageBoxes[7].title, "Velquist");
    EXPECT_EQ(dialogs.messageBoxes[7].style, 16);
    EXPECT_FALSE(window->gameLoop.enabled());
    for (const FallingLetter& record : letters)
        EXPECT_TRUE(record.letter >= 'A' && record.colour != 0 && record.y <= 5) << record.y;
}

// Letters move one at a time, erased and rewritten: erasing one bites into an earlier one it
// covers, yet letters apart leave no trail; the area holds what a repaint writes, running or
// paused.
TEST_F(GameEngine, LettersFallOneAtATimeLeavingNoTrail) {
    setLetters({letter('H', 40, 100, true, red), letter('H', 40, 100, false)});
    tick();
    const int redAfterTick = countPixels(screen(), red);
    window->picGame_Paint();
    EXPECT_LT(redAfterTick, countPixels(screen(), red));
    setLetters({letter('W', 40, 10, true, red), letter('M', 100, 30, false, 16711935),
                letter('Q', 200, 0, true, 33023)});
    for (int step = 0; step < 40; ++step) {
        ASSERT_EQ(tick(), 1);
        if (step == 39)
            window->cmdPause->click();
        const QImage drawn = screen().copy();
        window->picGame_Paint();
        ASSERT_EQ(screen(), drawn) << "after tick " << step + 1;
    }
}

// Game > Sound flips its tick and the game's switch. Every effect asks for a device, sound on or
// off; sound off plays nothing, and no device turns sound and the menu's tick off.
TEST_F(GameEngine, EveryEffectAsksForADeviceAndNoDeviceTurnsSoundOff) {
    window->mnuSound->trigger();
    EXPECT_FALSE(soundOn || window->mnuSound->isChecked());
    sound.played.clear();
    const int queries = sound.deviceQueries;
    window->cmdBegin->click();
    sound.devices = 0;
    window->mnuSound->trigger();
    EXPECT_TRUE(soundOn && window->mnuSound->isChecked());
    window->cmdBegin->click();
    EXPECT_EQ(sound.deviceQueries, queries + 2);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_FALSE(soundOn || window->mnuSound->isChecked());
}
