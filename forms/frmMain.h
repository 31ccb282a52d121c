#pragma once

#include "platform/hiddenWindow.h"
#include "platform/pictureBox.h"
#include "platform/timer.h"

#include <QMainWindow>

#include <cstdint>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class frmHigh;

// The main window "Velquist": the play area, the strip with the status line and the four
// command buttons, the "Game" menu and the game timer. Its handlers hand every rule to the game
// engine; it keeps no game state of its own.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    // Loads the window (hidden; the program shows it maximised) and the high-score window.
    frmMain();
    ~frmMain() override;

    // Controls, named as the game knows them.
    platform::PictureBox picGame; // the play area
    QFrame* frameButtons;         // the strip under the play area
    QLabel* lblInfo;              // the status line
    QPushButton* cmdPause;        // "Pause"
    QPushButton* cmdBegin;        // "New Game"
    QPushButton* cmdEnd;          // "End Game"
    QPushButton* cmdExit;         // "Exit"
    QAction* mnuNew;              // Game > New
    QAction* mnuSound;            // Game > Sound, ticked while sound is on
    QAction* mnuHigh;             // Game > High Scores
    QAction* mnuExit;             // Game > Exit
    platform::Timer gameLoop;     // the game timer
    frmHigh* highScores;          // the high-score window, loaded hidden with this one
    platform::HiddenWindowWatch hiddenWatch{this}; // tells when the player cannot see the window

    // Commands.
    void newGame();
    void togglePause();
    void pauseWhileHidden();

    // Event handlers.
    void cmdBegin_Click();
    void cmdEnd_Click();
    void cmdPause_Click();
    void cmdExit_Click();
    void mnuNew_Click();
    void mnuSound_Click();
    void mnuHigh_Click();
    void mnuExit_Click();
    void picGame_KeyUp(std::int16_t keyCode, int shift);
    void picGame_Paint();
    void gameLoop_Timer();

    // The client area's size in pixels: the window less its menu bar.
    int scaleWidth() const;
    int scaleHeight() const;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void buildControls();
    void buildMenu();

    bool unloaded = false; // the tear-down has run
};
