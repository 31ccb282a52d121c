#pragma once

#include "forms/frmMain.h"
#include "support/headless.h"
#include "support/recordingSound.h"
#include "support/scriptedDialogs.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

// Pixels of the image in exactly this colour (0x00BBGGRR, as the game names colours).
int countPixels(const QImage& image, std::int32_t bgr);
// Pixels of the image that are not black.
int countLitPixels(const QImage& image);

// The real main window, loaded in a temporary program folder, with the recording sound output,
// scripted boxes and a fixed random seed; shown maximised on the test screen.
class GameFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Delivers up to n timer ticks, stopping when the timer is off; returns how many ran.
    int tick(int n = 1);
    // Releases a key in the play area, as the keyboard would.
    void release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Lets queued events (the play area's paint among them) run.
    static void processEvents();

    std::string statusText() const;
    const QImage& screen() const { return window->picGame.screen(); }
    std::string folderPath() const { return folder.path().toStdString(); }

    QTemporaryDir folder;
    RecordingSound sound;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
};
