#pragma once

#include "forms/frmMain.h"
#include "game/gameCode.h"
#include "support/headless.h"
#include "support/recordingSound.h"
#include "support/scriptedDialogs.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Pixels of the image in exactly this colour (0x00BBGGRR, as the game names colours).
int countPixels(const QImage& image, std::int32_t bgr);
// Pixels of the image that are not black.
inline int countLitPixels(const QImage& image) {
    return image.width() * image.height() - countPixels(image, 0);
}

// The real main window, loaded in a temporary program folder, with the recording sound output,
// scripted boxes and a fixed random seed; shown maximised on the test screen.
class GameFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Delivers up to n timer ticks, stopping when the timer is off; returns how many ran.
    int tick(int n = 1) {
        int ran = 0;
        while (ran < n && window->gameLoop.deliverTick())
            ++ran;
        return ran;
    }
    // Releases a key in the play area, as the keyboard would.
    void release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyRelease(window->picGame.widget(), key, modifiers);
    }
    // Lets queued events (the play area's paint among them) run.
    static void processEvents() {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }

    std::string statusText() const { return window->lblInfo->text().toStdString(); }
    const QImage& screen() const { return window->picGame.screen(); }
    std::string folderPath() const { return folder.path().toStdString(); }

    QTemporaryDir folder;
    RecordingSound sound;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
};

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
