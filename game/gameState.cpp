#include "game/gameCode.h"

#include "platform/pictureBox.h"
#include "platform/timer.h"

namespace gameCode {

platform::PictureBox* playArea = nullptr;
MainWindowLink mainWindow;
std::int16_t currentLevel = 0;
bool gamePaused = false;
bool soundOn = false;
std::vector<FallingLetter> letters;
std::array<std::int32_t, 7> letterColours = {};
std::int16_t lettersHit = 0;
std::int32_t gameScore = 0;
bool levelIntro = false;
bool gameOver = false;
std::int16_t introTicks = 0;
bool gameEnding = false;

namespace {

// Red, green, blue, yellow, orange, magenta, cyan.
constexpr std::array<std::int32_t, 7> colourTable = {255,   65280,    16711680, 65535,
                                                     33023, 16711935, 16776960};

} // namespace

void resetGame() {
    letters.assign(1, FallingLetter{});
    // The status line reads as for no game, but the score survives for the game-over screen.
    const std::int32_t keptScore = gameScore;
    currentLevel = 0;
    lettersHit = 0;
    gameScore = 0;
    showStatus();
    gameScore = keptScore;
}

void initGame() {
    gameScore = 0;
    mainWindow.gameLoop->setInterval(tickInterval);
    startLevel();
    // Filled after the first layout: in the first game of a run, those letters carry colour 0.
    letterColours = colourTable;
    gameOver = false;
}

void startLevel() {
    playArea->cls();
    lettersHit = 0;
    showStatus();
    mainWindow.gameLoop->setEnabled(true);
    playArea->setFocus();
    letters.assign(static_cast<std::size_t>(currentLevel * 2 + 6), FallingLetter{});
    playArea->setFontSize(letterFontSize);
    placeLetters(-1);
}

void freeGameArrays() {
    letters.clear();
    letterColours.fill(0);
}

} // namespace gameCode
