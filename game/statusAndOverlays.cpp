#include "game/gameCode.h"
#include "game/letterText.h"

#include "platform/codePage.h"
#include "platform/pictureBox.h"
#include "platform/timer.h"
#include "platform/translation.h"
#include "support/gdiAPI.h"

#include <string>

namespace gameCode {

namespace {

// Writes text (UTF-8) centred across the top of the play area, in the overlay size and the given
// colour, in the code page's bytes.
void writeOverlay(const std::string& utf8, std::int32_t colour) {
    const std::string text = platform::toAnsi(utf8);
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
    //: The status line: letters hit, the level's target, the score and the level. The spaces
    //: keep the parts apart.
    mainWindow.setStatus(platform::fillIn(
        platform::translate("gameCode", "%1 out of %2 LETTERS        SCORE: %3       LEVEl: %4"),
        {std::to_string(lettersHit), std::to_string(target), std::to_string(gameScore),
         std::to_string(currentLevel)}));
}

void drawGameOver(const std::int32_t& colour) {
    // Two lines, each translated on its own and drawn in English where the code page lacks it.
    writeOverlay(platform::translateForPlayArea("gameCode", "GAME OVER") + "\r\n" +
                     platform::fillIn(platform::translateForPlayArea("gameCode", "SCORE: %1"),
                                      {std::to_string(gameScore)}),
                 colour);
}

void drawLevelBanner() {
    writeOverlay(platform::fillIn(platform::translateForPlayArea("gameCode", "LEVEL %1"),
                                  {std::to_string(currentLevel)}),
                 green);
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
