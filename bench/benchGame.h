#pragma once

#include "forms/frmMain.h"
#include "platform/dialogs.h"
#include "platform/sound.h"

#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <string>

// A sound output that plays nothing.
class SilentSound final : public platform::SoundOutput {
  public:
    int deviceCount() override { return 1; }
    bool play(const std::string& path) override {
        (void)path;
        return true;
    }
};

// Boxes answered at once: OK, and Cancel for a name.
class AnsweredDialogs final : public platform::DialogProvider {
  public:
    int messageBox(const std::string& text, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
};

// The real main window, loaded in a temporary program folder with silent sound, answered boxes
// and a fixed random seed, shown maximised on the offscreen screen. One at a time.
class BenchGame {
  public:
    BenchGame();
    ~BenchGame();
    BenchGame(const BenchGame&) = delete;
    BenchGame& operator=(const BenchGame&) = delete;

    // Starts a new game and lays out the letters of this level, banner over, as the timer
    // would leave it at the level's first falling tick; the play area is drawn.
    void playLevel(std::int16_t level);

    // Runs one tick as the game timer would, with the scheduling of the repaint of what it drew;
    // false when the timer is off.
    bool tick();

    // Schedules the repaint of what was drawn, as the start of the next turn of the event loop
    // does, without the repaint itself.
    void scheduleRepaints();

    // Puts every letter that is about to reach the bottom back at the top of its column, erasing
    // it first, so that the game goes on. True when one was moved.
    bool keepLettersInPlay();

    // Lets queued events run: the play area's repaint of what was drawn, the status line's.
    static void processEvents();

    frmMain& window() { return *main; }

  private:
    QTemporaryDir folder;
    SilentSound sound;
    AnsweredDialogs dialogs;
    std::unique_ptr<frmMain> main;
};
