#include "game/gameCode.h"

#include "platform/dialogs.h"
#include "platform/pictureBox.h"
#include "platform/timer.h"
#include "platform/translation.h"

namespace gameCode {

namespace {

constexpr float bottomMargin = 5; // a letter is at the bottom when y + 5 passes the height

// Marks the game-over sequence as running for as long as it runs, however it is left.
struct EndingGame {
    EndingGame() { gameEnding = true; }
    ~EndingGame() { gameEnding = false; }
    EndingGame(const EndingGame&) = delete;
    EndingGame& operator=(const EndingGame&) = delete;
};

void endGame() {
    EndingGame ending;
    gameOver = true;
    mainWindow.gameLoop->setEnabled(false);
    playArea->cls();
    drawGameOver(red);
    if (mainWindow.isHighScore(gameScore)) {
        const std::string name = platform::inputBox(
            platform::translate("gameCode", "Please enter you name, cancel to exit"),
            platform::translate("gameCode", "High Score"));
        if (!name.empty())
            mainWindow.addScore(gameScore, name);
    }
    resetGame();
}

} // namespace

void gameTick() {
    if (levelIntro) {
        ++introTicks;
        if (introTicks > bannerTicks) {
            levelIntro = false;
            introTicks = 0;
            startLevel();
        }
        return;
    }
    moveLetters();
    if (levelComplete())
        nextLevel();
    if (letterAtBottom())
        endGame();
}

void nextLevel() {
    playEffect(levelSoundFile);
    ++currentLevel;
    levelIntro = true;
    drawLevelBanner();
}

bool levelComplete() {
    return lettersHit == static_cast<std::int16_t>(currentLevel * hitsPerLevel);
}

bool letterAtBottom() {
    const auto last = static_cast<std::int32_t>(letters.size()) - 1;
    for (std::int32_t i = 0; i <= last; ++i) {
        const float height = static_cast<float>(playArea->scaleHeight());
        if (letters[static_cast<std::size_t>(i)].y + bottomMargin > height)
            return true;
    }
    return false;
}

} // namespace gameCode
