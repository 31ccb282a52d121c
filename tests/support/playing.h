#pragma once

#include "game/gameCode.h"
#include "support/gameFixture.h"

#include <QPushButton>

#include <vector>

// A game in play: New Game pressed and its first banner ticked away.
class Playing : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        window->cmdBegin->click();
        finishBanner();
    }

    // Ticks until the banner now showing is over.
    void finishBanner() {
        ASSERT_TRUE(gameCode::levelIntro);
        while (gameCode::levelIntro)
            ASSERT_EQ(tick(), 1);
    }

    // Puts exactly these letters in play and shows them, as a repaint would.
    void setLetters(const std::vector<gameCode::FallingLetter>& records) {
        gameCode::letters = records;
        window->picGame_Paint();
    }

    static gameCode::FallingLetter letter(char ch, float x, float y, bool slow = true,
                                          std::int32_t colour = gameCode::green) {
        return gameCode::FallingLetter{ch, x, y, colour, slow};
    }

    // Releases the key of a capital letter.
    void type(char ch) { release(static_cast<Qt::Key>(Qt::Key_A + (ch - 'A'))); }
};
