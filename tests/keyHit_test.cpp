#include "support/playing.h"

using namespace gameCode;

namespace {

class KeyHit : public Playing {
  protected:
    // Which record a key hits: the one placed anew, found by its cleared old place.
    int hitIndex(char key) {
        const std::vector<FallingLetter> before = letters;
        type(key);
        for (std::size_t i = 0; i < letters.size(); ++i)
            if (letters[i].y != before[i].y || letters[i].x != before[i].x ||
                letters[i].letter != before[i].letter)
                return static_cast<int>(i);
        return -1;
    }
};

} // namespace

// The first matching fast letter, else the lowest matching slow one, the lower index on equal
// height; a letter that does not match is never hit.
TEST_F(KeyHit, ChoosesTheFirstFastElseTheLowestSlowMatchingLetter) {
    struct Case {
        const char* name;
        std::vector<FallingLetter> records;
        int expected;
    };
    const Case cases[] = {
        {"equal height: lower index",
         {letter('K', 10, 200), letter('K', 50, 200), letter('Z', 90, 300)},
         0},
        {"lowest slow wins", {letter('K', 10, 100), letter('K', 50, 220), letter('K', 90, 150)}, 1},
        {"fast before a lower slow",
         {letter('K', 10, 290), letter('K', 50, 20, false), letter('K', 90, 10, false)},
         1},
        {"non-matching never hit", {letter('Z', 10, 300), letter('K', 50, 10)}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setLetters(c.records);
        EXPECT_EQ(hitIndex('K'), c.expected);
    }
}

// 100 for a fast letter anywhere; 20 for a slow one above two thirds of the height, 10 from
// exactly two thirds down.
TEST_F(KeyHit, ScoresByTheLettersSpeedAndHeight) {
    window->picGame.setHeight(450);
    const float height = 450;
    const float twoThirds = 300;
    struct Case {
        const char* name;
        FallingLetter record;
        std::int32_t points;
    };
    const Case cases[] = {
        {"fast at the top", letter('P', 10, 0, false), 100},
        {"fast near the bottom", letter('P', 10, height - 10, false), 100},
        {"slow just above two thirds", letter('P', 10, twoThirds - 1), 20},
        {"slow at exactly two thirds", letter('P', 10, twoThirds), 10},
        {"slow below", letter('P', 10, twoThirds + 40), 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setLetters({c.record});
        const std::int32_t before = gameScore;
        type('P');
        EXPECT_EQ(gameScore - before, c.points);
    }
}

// A hit wipes the letter, counts, scores, plays the click, places the record anew and updates
// the status line at once.
TEST_F(KeyHit, HitWipesCountsScoresSoundsAndReplacesTheLetter) {
    setLetters({letter('H', 100, 150), letter('J', 300, 40)});
    const int litBefore = countLitPixels(screen());
    ASSERT_GT(litBefore, 0);
    sound.played.clear();
    type('H');
    EXPECT_EQ(lettersHit, 1);
    EXPECT_EQ(gameScore, 20);
    EXPECT_EQ(statusText(), "1 out of 5 LETTERS        SCORE: 20       LEVEl: 1");
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], folderPath() + "/hit.wav");
    EXPECT_GE(letters[0].letter, 65);
    EXPECT_LE(letters[0].y, window->picGame.scaleHeight() / 3 + 1);
    EXPECT_EQ(letters[1].letter, 'J');
    // Only J is left on screen: the new H shows when the letters next move.
    EXPECT_LT(countLitPixels(screen()), litBefore);
    EXPECT_EQ(countLitPixels(screen()) + countPixels(screen(), 0),
              screen().width() * screen().height());
}

// A miss costs nothing but speed: every letter turns fast, of any character.
TEST_F(KeyHit, MissTurnsEveryLetterFastAndChangesNothingElse) {
    setLetters({letter('A', 10, 100), letter('B', 50, 120), letter('C', 90, 140)});
    const std::string status = statusText();
    const QImage before = screen().copy();
    sound.played.clear();
    type('X');
    for (const FallingLetter& record : letters)
        EXPECT_FALSE(record.slow);
    EXPECT_EQ(letters[1].y, 120);
    EXPECT_EQ(gameScore, 0);
    EXPECT_EQ(lettersHit, 0);
    EXPECT_EQ(statusText(), status);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(screen() == before);
    type('B');
    EXPECT_EQ(gameScore, 100);
}

// Keys count while the banner shows and while paused; the new letter is not drawn until play
// moves the letters again.
TEST_F(KeyHit, KeysHitDuringTheBannerAndWhilePaused) {
    setLetters({letter('D', 10, 100), letter('E', 50, 100)});
    window->cmdPause->click();
    type('D');
    EXPECT_EQ(lettersHit, 1);
    window->cmdPause->click();

    nextLevel();
    ASSERT_TRUE(levelIntro);
    const std::int16_t hits = lettersHit;
    type(static_cast<char>(letters[1].letter));
    EXPECT_EQ(lettersHit, hits + 1);
    finishBanner();
    EXPECT_EQ(lettersHit, 0);
}

// During the first banner of a game, the letters laid out for level 0 are in play.
TEST_F(KeyHit, FirstBannerLettersCanBeHit) {
    window->cmdEnd->click();
    window->cmdBegin->click();
    ASSERT_EQ(letters.size(), 6u);
    type(static_cast<char>(letters[3].letter));
    EXPECT_EQ(lettersHit, 1);
    EXPECT_GT(gameScore, 0);
}
