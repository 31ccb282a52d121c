#include "game/gameCode.h"
#include "game/letterText.h"

#include "platform/pictureBox.h"
#include "platform/timer.h"
#include "support/gdiAPI.h"

#include <string>

namespace gameCode {

namespace {

// Writes text centred across the top of the play area, in the overlay size and the given colour.
void writeOverlay(const std::string& text, std::int32_t colour) {
    gdiAPI::RECT client;
    gdiAPI::GetClientRect(playArea->hWnd(), &client);
    playArea->setForeColor(colour);
    playArea->setFontSize(overlayFontSize);
    gdiAPI::DrawTextA(playArea->hDC(), text.data(), static_cast<int>(text.size()), &client,
                      gdiAPI::DT_CENTER);
}

} // namespace

void showStatus() {
    const auto target = static_cast<std::int16_t>(currentLevel * hitsPerLevel);
    mainWindow.setStatus(std::to_string(lettersHit) + " out of " + std::to_string(target) +
                         " LETTERS        SCORE: " + std::to_string(gameScore) +
                         "       LEVEl: " + std::to_string(currentLevel));
}

void drawGameOver(const std::int32_t& colour) {
    writeOverlay("GAME OVER\r\nSCORE: " + std::to_string(gameScore), colour);
}

void drawLevelBanner() {
    writeOverlay("LEVEL " + std::to_string(currentLevel), green);
}

void redrawPlayArea() {
    if (!gameOver && !gamePaused && !mainWindow.gameLoop->enabled())
        return;
    // The banner belongs to a game in progress. A game that ended on the tick that also completed
    // its level still has levelIntro set: it shows the game-over screen, also under the name box.
    // After End Game on a paused banner there is no level to announce and the area stays blank.
    if (gameOver) {
        drawGameOver(red);
        return;
    }
    if (levelIntro) {
        if (currentLevel > 0)
            drawLevelBanner();
        return;
    }
    for (const FallingLetter& record : letters) {
        playArea->setFontSize(letterFontSize);
        playArea->setForeColor(record.colour);
        writeLetter(record);
    }
}

} // namespace gameCode
