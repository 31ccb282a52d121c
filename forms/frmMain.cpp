#include "forms/frmMain.h"

#include "forms/frmHigh.h"
#include "game/gameCode.h"
#include "platform/appPath.h"
#include "platform/dialogs.h"
#include "platform/keyCodes.h"
#include "platform/sound.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Design places and sizes, in pixels of the parent's client area.
constexpr QRect picGameDesign{8, 8, 737, 457};
constexpr QRect frameButtonsDesign{16, 472, 833, 33};
constexpr QRect lblInfoDesign{0, 8, 401, 17};
constexpr QRect cmdPauseDesign{408, 8, 89, 25};
constexpr QRect cmdBeginDesign{504, 8, 89, 25};
constexpr QRect cmdEndDesign{600, 8, 81, 25};
constexpr QRect cmdExitDesign{688, 8, 81, 25};
constexpr QSize normalClientSize{792, 515};

// The layout rule leaves a size alone at or below this many pixels (a minimised window).
constexpr int smallestClientSize = 100;
constexpr int rightMargin = 30;  // client width less the play area's width
constexpr int bottomMargin = 60; // client height less the play area's height

} // namespace

frmMain::frmMain() : picGame(this) {
    buildControls();
    buildMenu();
    // The normal client area is the design size; the menu bar comes on top of it.
    resize(normalClientSize.width(), normalClientSize.height() + menuBar()->sizeHint().height());
    Form_Load();
}

frmMain::~frmMain() {
    Form_Unload();
}

void frmMain::buildControls() {
    setWindowTitle("Velquist");
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->installEventFilter(this);

    picGame.widget()->setParent(client);
    picGame.widget()->setObjectName("picGame");
    picGame.widget()->show();
    picGame.move(picGameDesign.left(), picGameDesign.top());
    picGame.setWidth(picGameDesign.width());
    picGame.setHeight(picGameDesign.height());

    frameButtons = new QFrame(client);
    frameButtons->setObjectName("frameButtons");
    frameButtons->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frameButtons->setGeometry(frameButtonsDesign);

    lblInfo = new QLabel(frameButtons);
    lblInfo->setObjectName("lblInfo");
    lblInfo->setTextFormat(Qt::PlainText);
    lblInfo->setGeometry(lblInfoDesign);

    auto makeButton = [this](const char* name, const QString& caption, const QRect& place) {
        auto* button = new QPushButton(caption, frameButtons);
        button->setObjectName(name);
        button->setGeometry(place);
        return button;
    };
    cmdPause = makeButton("cmdPause", tr("Pause"), cmdPauseDesign);
    cmdBegin = makeButton("cmdBegin", tr("New Game"), cmdBeginDesign);
    cmdEnd = makeButton("cmdEnd", tr("End Game"), cmdEndDesign);
    cmdExit = makeButton("cmdExit", tr("Exit"), cmdExitDesign);
    connect(cmdPause, &QPushButton::clicked, this, &frmMain::cmdPause_Click);
    connect(cmdBegin, &QPushButton::clicked, this, &frmMain::cmdBegin_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &frmMain::cmdEnd_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);

    // Focus order: the play area first, then Pause, End Game, New Game, Exit.
    QWidget::setTabOrder(picGame.widget(), cmdPause);
    QWidget::setTabOrder(cmdPause, cmdEnd);
    QWidget::setTabOrder(cmdEnd, cmdBegin);
    QWidget::setTabOrder(cmdBegin, cmdExit);

    picGame.onPaint = [this] {
        picGame_Paint();
    };
    picGame.onKeyUp = [this](std::int16_t keyCode, int shift) {
        picGame_KeyUp(keyCode, shift);
    };
    gameLoop.onTimer = [this] {
        gameLoop_Timer();
    };
    hiddenWatch.onHidden = [this] {
        pauseWhileHidden();
    };
}

void frmMain::buildMenu() {
    QMenu* mnuGame = menuBar()->addMenu(tr("Game"));
    mnuNew = mnuGame->addAction(tr("New"));
    mnuSound = mnuGame->addAction(tr("Sound"));
    mnuSound->setCheckable(true);
    mnuSound->setChecked(true);
    mnuHigh = mnuGame->addAction(tr("High Scores"));
    mnuGame->addSeparator();
    mnuExit = mnuGame->addAction(tr("Exit"));
    connect(mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    // The toolkit flips a checkable item's tick before it reports the pick; the handler flips it
    // itself, so the toolkit's flip is undone first.
    connect(mnuSound, &QAction::triggered, this, [this](bool checked) {
        mnuSound->setChecked(!checked);
        mnuSound_Click();
    });
    connect(mnuHigh, &QAction::triggered, this, &frmMain::mnuHigh_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
}

// --- Load, layout, repaint, unload -------------------------------------------------------------

void frmMain::Form_Load() {
    // The window and the play area work in pixels; the play area retains nothing the game relies
    // on: every picture it loses is drawn again by picGame_Paint.
    gameCode::playArea = &picGame;
    picGame.setFontBold(true);
    gameCode::mainWindow.gameLoop = &gameLoop;
    gameCode::mainWindow.setStatus = [this](const std::string& text) {
        lblInfo->setText(QString::fromStdString(text));
    };
    gameCode::mainWindow.soundChecked = [this] {
        return mnuSound->isChecked();
    };
    gameCode::mainWindow.setSoundChecked = [this](bool on) {
        mnuSound->setChecked(on);
    };
    gameCode::mainWindow.isHighScore = [this](std::int32_t score) {
        return highScores->isHighScore(score);
    };
    gameCode::mainWindow.addScore = [this](std::int32_t score, const std::string& name) {
        highScores->addScore(score, name);
    };
    gameCode::soundOn = mnuSound->isChecked();
    gameLoop.setEnabled(false);
    platform::soundOutput().preload(gameCode::hitSoundFile());
    highScores = new frmHigh(this);
    picGame.setFocus();
}

void frmMain::Form_Resize() {
    if (scaleWidth() > smallestClientSize)
        picGame.setWidth(scaleWidth() - rightMargin);
    if (scaleHeight() > smallestClientSize)
        picGame.setHeight(scaleHeight() - bottomMargin);
    frameButtons->move(picGame.left(), picGame.height() + picGame.top());
    frameButtons->resize(picGame.width(), frameButtons->height());
    picGame.cls();
    gameCode::redrawPlayArea();
    if (isMinimized())
        pauseWhileHidden();
}

void frmMain::picGame_Paint() {
    picGame.cls();
    gameCode::redrawPlayArea();
}

void frmMain::Form_Unload() {
    if (unloaded)
        return;
    unloaded = true;
    gameLoop.setEnabled(false);
    gameCode::freeGameArrays();
    delete highScores;
    highScores = nullptr;
    if (gameCode::playArea == &picGame) {
        gameCode::mainWindow = gameCode::MainWindowLink{};
        gameCode::playArea = nullptr;
    }
}

int frmMain::scaleWidth() const {
    return centralWidget()->width();
}
int frmMain::scaleHeight() const {
    return centralWidget()->height();
}

// A resize of the client area, and every change of the window state (minimising among them,
// which leaves the size as it was), runs the layout rule. A minimised window is laid out once.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize && !isMinimized())
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if (isMinimized() != bool(change->oldState() & Qt::WindowMinimized) || !isMinimized())
            Form_Resize();
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// --- Commands -----------------------------------------------------------------------------------

void frmMain::newGame() {
    showMaximized();
    picGame.cls();
    if (gameCode::gamePaused || gameLoop.enabled())
        gameCode::resetGame();
    else
        gameLoop.setEnabled(true);
    gameCode::initGame();
    gameCode::nextLevel();
}

void frmMain::togglePause() {
    gameLoop.setEnabled(!gameLoop.enabled());
    gameCode::gamePaused = !gameLoop.enabled();
}

// A running game pauses when the player can no longer see it, minimised or hidden by the desktop,
// as Pause would pause it. A paused game stays paused, whatever the window does, until Pause or
// Insert: a pause that flipped could start a paused game out of sight. No game, or the game-over
// sequence with its timer off, is left alone.
void frmMain::pauseWhileHidden() {
    if (gameLoop.enabled())
        togglePause();
}

void frmMain::cmdBegin_Click() {
    newGame();
}
void frmMain::mnuNew_Click() {
    newGame();
}

void frmMain::cmdEnd_Click() {
    gameLoop.setEnabled(false);
    gameCode::resetGame();
    picGame.cls();
}

void frmMain::cmdPause_Click() {
    if (gameCode::currentLevel > 0)
        togglePause();
    picGame.setFocus();
}

void frmMain::cmdExit_Click() {
    close();
}
void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuSound_Click() {
    mnuSound->setChecked(!mnuSound->isChecked());
    gameCode::soundOn = mnuSound->isChecked();
}

void frmMain::mnuHigh_Click() {
    highScores->exec();
}

void frmMain::picGame_KeyUp(std::int16_t keyCode, int shift) {
    (void)shift;
    if (gameCode::currentLevel <= 0)
        return;
    if (keyCode >= platform::vkA && keyCode <= platform::vkZ)
        gameCode::keyHit(keyCode);
    else if (keyCode == platform::vkInsert)
        togglePause();
}

// Ticks are held back while one of the game's boxes is open or the game-over sequence runs: a
// tick must not run inside the routine that opened the box.
void frmMain::gameLoop_Timer() {
    if (platform::dialogOpen() || gameCode::gameEnding)
        return;
    gameCode::gameTick();
}
