#include "support/gdiAPI.h"
#include "support/playing.h"

#include <QAction>
#include <QFile>

#include <cmath>
#include <set>

using namespace gameCode;

namespace {

class GameEngine : public Playing {
  protected:
    float bottom() const { return static_cast<float>(window->picGame.scaleHeight()); }

    // Whether the play area shows this text and nothing else, written as an overlay is: in the
    // colour, at 40 points, centred across the top. It writes the text anew on a cleared area to
    // compare.
    bool showsOnly(const std::string& text, std::int32_t colour) {
        const QImage shown = screen().copy();
        window->picGame.cls();
        window->picGame.setForeColor(colour);
        window->picGame.setFontSize(40);
        gdiAPI::RECT client;
        gdiAPI::GetClientRect(window->picGame.hWnd(), &client);
        gdiAPI::DrawTextA(window->picGame.hDC(), text.data(), static_cast<int>(text.size()),
                          &client, gdiAPI::DT_CENTER);
        return screen() == shown;
    }
};

} // namespace

// --- Keys ------------------------------------------------------------------------------------

// The first matching fast letter, else the lowest matching slow one, the lower index on equal
// height; another character is never hit. A hit scores 100 fast, 20 slow above two thirds of the
// height and 10 from there down, wipes the letter, counts, clicks and places that record anew.
TEST_F(GameEngine, KeyHitsOneMatchingLetterAndScoresItBySpeedAndHeight) {
    window->picGame.setHeight(450);
    struct Case {
        const char* name;
        std::vector<FallingLetter> records;
        std::size_t hit;
        std::int32_t points;
    };
    const Case cases[] = {
        {"equal height: lower index", {letter('K', 10, 200), letter('K', 50, 200)}, 0, 20},
        {"lowest slow", {letter('K', 10, 100), letter('K', 50, 299), letter('K', 90, 150)}, 1, 20},
        {"slow at exactly two thirds", {letter('K', 10, 300)}, 0, 10},
        {"first fast before a lower slow",
         {letter('K', 10, 290), letter('K', 50, 20, false), letter('K', 90, 10, false)},
         1,
         100},
        {"fast near the bottom", {letter('K', 10, 440, false)}, 0, 100},
        {"other characters never hit", {letter('Z', 10, 400), letter('K', 50, 10)}, 1, 20},
    };
    sound.played.clear();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setLetters(c.records);
        const int lit = countLitPixels(screen());
        const std::int32_t score = gameScore;
        type('K');
        for (std::size_t i = 0; i < letters.size(); ++i)
            EXPECT_EQ(letters[i].x != c.records[i].x || letters[i].y != c.records[i].y, i == c.hit)
                << "record " << i;
        EXPECT_EQ(gameScore - score, c.points);
        EXPECT_LT(countLitPixels(screen()), lit);
    }
    EXPECT_EQ(sound.played, std::vector<std::string>(std::size(cases), folderPath() + "/hit.wav"));
    EXPECT_EQ(statusText(), "6 out of 5 LETTERS        SCORE: 270       LEVEl: 1");
}

// A miss costs nothing but speed: every letter turns fast, and nothing is drawn or played.
TEST_F(GameEngine, MissTurnsEveryLetterFastAndDoesNothingElse) {
    setLetters({letter('A', 10, 100), letter('B', 50, 120)});
    const QImage before = screen().copy();
    const std::string status = statusText();
    sound.played.clear();
    type('X');
    for (const FallingLetter& record : letters)
        EXPECT_FALSE(record.slow);
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(statusText(), status);
    EXPECT_TRUE(sound.played.empty());
}

// --- Ticks -----------------------------------------------------------------------------------

// From a count of 0 the banner shows for 50 ticks and the 51st lays out the level, in the
// letters' size, with no hits yet. A banner cut short by End Game leaves its count to the next.
TEST_F(GameEngine, BannerEndsOnTheFiftyFirstTickCountingWhatACutBannerLeft) {
    lettersHit = 5;
    nextLevel();
    EXPECT_EQ(tick(50), 50);
    EXPECT_TRUE(levelIntro);
    tick();
    EXPECT_FALSE(levelIntro);
    EXPECT_EQ(lettersHit, 0);
    EXPECT_EQ(window->picGame.fontSize(), 16.0f);
    nextLevel();
    tick(20);
    window->cmdEnd->click();
    window->cmdBegin->click();
    EXPECT_EQ(tick(30), 30);
    EXPECT_TRUE(levelIntro);
    tick();
    EXPECT_FALSE(levelIntro);
}

// The hit that makes the target counts on the next tick, after the letters moved once more.
// Completion is equality: hits that pass the target between two ticks never complete the level.
TEST_F(GameEngine, LevelCompletesOnlyOnATickThatFindsTheTargetExactly) {
    setLetters({letter('A', 10, 100), letter('B', 50, 100)});
    lettersHit = 4;
    type('A');
    EXPECT_FALSE(levelIntro);
    tick();
    EXPECT_EQ(letters[1].y, 101);
    EXPECT_TRUE(levelIntro);
    EXPECT_EQ(sound.played.back(), "C:\\WINDOWS\\MEDIA\\TADA.WAV");
    finishBanner();
    lettersHit = 11;
    tick(5);
    EXPECT_FALSE(levelIntro);
}

// A letter ends the game once its y + 5 passes the height, at the right border too. On a tick
// that also completes the level the level sound still plays, but the game-over screen with the
// final score replaces the banner, then and on every repaint. The status line reads 0 at once.
TEST_F(GameEngine, LetterPastTheBottomEndsTheGameOnTheGameOverScreen) {
    const float right = static_cast<float>(window->picGame.scaleWidth() - 3);
    setLetters({letter('W', right, bottom() - 6)});
    tick();
    ASSERT_FALSE(gameOver);
    lettersHit = 5;
    gameScore = 340;
    sound.played.clear();
    tick();
    EXPECT_TRUE(gameOver);
    EXPECT_TRUE(levelIntro);
    EXPECT_FALSE(window->gameLoop.enabled());
    EXPECT_EQ(sound.played, std::vector<std::string>{"C:\\WINDOWS\\MEDIA\\TADA.WAV"});
    EXPECT_EQ(statusText(), "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0");
    EXPECT_TRUE(showsOnly("GAME OVER\r\nSCORE: 340", 255));
    window->picGame_Paint();
    EXPECT_TRUE(showsOnly("GAME OVER\r\nSCORE: 340", 255));
    window->cmdBegin->click();
    EXPECT_FALSE(gameOver);
}

// Only a score that earns a place is offered, in a box with its own prompt and title; Cancel
// stores nothing. Minimising under the box must not start the timer again: ticks under it would
// end the game a second time.
TEST_F(GameEngine, GameOverAsksForANameOnlyForAQualifyingScore) {
    dialogs.whileOpen = [&] {
        window->showMinimized();
        window->gameLoop.deliverTick();
    };
    for (std::int32_t score : {0, 80}) {
        window->cmdBegin->click();
        finishBanner();
        setLetters({letter('A', 10, bottom())});
        gameScore = score;
        tick();
        window->showMaximized();
    }
    ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
    EXPECT_EQ(dialogs.inputBoxes[0].prompt, "Please enter you name, cancel to exit");
    EXPECT_EQ(dialogs.inputBoxes[0].title, "High Score");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folderPath() + "/HScores.dt")));
    EXPECT_FALSE(window->gameLoop.enabled());
}

// --- Placement -------------------------------------------------------------------------------

// Across many layouts every letter A to Z and every colour of the table turns up, on whole pixels
// from 0 to the width and from 0 to a third of the height. At level 18 one letter in 3 is fast.
TEST_F(GameEngine, PlacementCoversTheLettersAndColoursWithinTheTopThird) {
    const float width = static_cast<float>(window->picGame.scaleWidth());
    const float third = std::lrint(bottom() / 3.0);
    std::set<std::int32_t> codes;
    std::set<std::int32_t> colours;
    int fast = 0;
    currentLevel = 18;
    for (int layout = 0; layout < 40; ++layout) {
        startLevel();
        for (const FallingLetter& r : letters) {
            codes.insert(r.letter);
            colours.insert(r.colour);
            fast += r.slow ? 0 : 1;
            EXPECT_TRUE(r.x == std::floor(r.x) && r.y == std::floor(r.y)) << r.x << ", " << r.y;
            EXPECT_TRUE(r.x >= 0 && r.x <= width && r.y >= 0 && r.y <= third) << r.x << ", " << r.y;
        }
    }
    EXPECT_EQ(codes.size(), 26u);
    EXPECT_EQ(*codes.begin(), 'A');
    EXPECT_EQ(colours,
              (std::set<std::int32_t>{255, 65280, 16711680, 65535, 33023, 16711935, 16776960}));
    EXPECT_NEAR(fast / (40.0 * letters.size()), 1.0 / 3, 0.04);
}

// In a crowded area placement retries until no two letters share an x within 5 pixels of height.
TEST_F(GameEngine, LaidOutLettersNeverOverlap) {
    window->picGame.setWidth(3);
    window->picGame.setHeight(75);
    for (int layout = 0; layout < 50; ++layout) {
        startLevel();
        for (std::size_t i = 0; i < letters.size(); ++i)
            for (std::size_t j = i + 1; j < letters.size(); ++j)
                EXPECT_FALSE(letters[i].x == letters[j].x &&
                             std::fabs(letters[i].y - letters[j].y) <= 5)
                    << "letters " << i << " and " << j;
    }
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

// A zero-width area 16 pixels high puts every try on top of another record (never of the record
// itself): each letter gives up after its tries with one box, still gets its letter and colour,
// and the timer stops, with no tick under the boxes. The stopped game repaints nothing.
TEST_F(GameEngine, ExhaustedPlacementShowsTheSafeLimitBoxOncePerLetterAndStopsTheTimer) {
    window->picGame.setWidth(0);
    window->picGame.setHeight(16);
    setLetters({letter('A', 0, 0)});
    placeLetters(0);
    EXPECT_TRUE(dialogs.messageBoxes.empty());
    int ticksUnderBoxes = 0;
    dialogs.whileOpen = [&] {
        window->gameLoop.setEnabled(true);
        const float y = letters[0].y;
        window->gameLoop.deliverTick();
        ticksUnderBoxes += letters[0].y != y ? 1 : 0;
    };
    startLevel();
    ASSERT_EQ(dialogs.messageBoxes.size(), 8u);
    EXPECT_EQ(dialogs.messageBoxes[7].text,
              "setLetter - gameCode Do loop has exceeded safe limit, ending game.");
    EXPECT_EQ(dialogs.messageBoxes[7].title, "Velquist");
    EXPECT_EQ(dialogs.messageBoxes[7].style, 16);
    EXPECT_EQ(ticksUnderBoxes, 0);
    EXPECT_FALSE(window->gameLoop.enabled());
    for (const FallingLetter& record : letters)
        EXPECT_TRUE(record.letter >= 'A' && record.colour != 0);
    window->picGame.setWidth(300);
    window->picGame_Paint();
    EXPECT_EQ(countLitPixels(screen()), 0);
}

// --- Drawing ---------------------------------------------------------------------------------

// Each tick a slow letter falls 1 pixel and a fast one 6, straight down. A letter is erased where
// it was and written where it is, so after every tick the area holds exactly what a repaint
// writes, running or paused: no trail.
TEST_F(GameEngine, LettersFallByTheirSpeedLeavingNoTrail) {
    setLetters({letter('W', 40, 10, true, red), letter('M', 100, 30, false, 16711935),
                letter('Q', 200, 0, true, 33023)});
    tick();
    EXPECT_EQ(letters[0].y, 11);
    EXPECT_EQ(letters[1].y, 36);
    EXPECT_EQ(letters[1].x, 100);
    for (int step = 0; step < 40; ++step) {
        ASSERT_EQ(tick(), 1);
        if (step == 39)
            window->cmdPause->click();
        const QImage drawn = screen().copy();
        window->picGame_Paint();
        ASSERT_EQ(screen(), drawn) << "after tick " << step + 2;
    }
    EXPECT_GT(countLitPixels(screen()), 100);
}

// The banner, "LEVEL" and the new level in green across the top, is written when the level is
// raised; a repaint during it, paused or not, writes the banner alone.
TEST_F(GameEngine, BannerShowsTheNewLevelInGreenAcrossTheTop) {
    setLetters({});
    nextLevel();
    EXPECT_TRUE(showsOnly("LEVEL 2", 65280));
    window->cmdPause->click();
    setLetters({letter('A', 40, 300, true, red)});
    EXPECT_TRUE(showsOnly("LEVEL 2", 65280));
}

// After End Game on a paused game there is nothing to show: neither the one blank record left in
// play nor a banner for level 0 writes anything.
TEST_F(GameEngine, EndGameOnAPausedGameRepaintsABlankArea) {
    for (bool duringBanner : {false, true}) {
        SCOPED_TRACE(duringBanner ? "paused banner" : "paused play");
        if (duringBanner)
            window->cmdBegin->click();
        window->cmdPause->click();
        window->cmdEnd->click();
        window->picGame_Paint();
        EXPECT_EQ(countLitPixels(screen()), 0);
    }
}

// --- Sound -----------------------------------------------------------------------------------

// Every effect asks for a device, sound on or off; sound off plays nothing, and no device turns
// sound and the menu's tick off, silently.
TEST_F(GameEngine, EveryEffectAsksForADeviceAndNoDeviceTurnsSoundOff) {
    window->mnuSound->trigger();
    sound.played.clear();
    const int queries = sound.deviceQueries;
    window->cmdBegin->click();
    sound.devices = 0;
    window->mnuSound->trigger();
    window->cmdBegin->click();
    EXPECT_EQ(sound.deviceQueries, queries + 2);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_FALSE(soundOn);
    EXPECT_FALSE(window->mnuSound->isChecked());
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}
