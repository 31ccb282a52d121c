#include "benchGame.h"

#include "support/headless.h"

#include "game/gameCode.h"
#include "game/letterText.h"
#include "platform/appPath.h"
#include "platform/random.h"

#include <QApplication>

#include <stdexcept>

int AnsweredDialogs::messageBox(const std::string& text, int style, const std::string& title) {
    (void)text;
    (void)style;
    (void)title;
    return platform::vbOK;
}

std::string AnsweredDialogs::inputBox(const std::string& prompt, const std::string& title) {
    (void)prompt;
    (void)title;
    return {};
}

namespace {

// Room left under a letter, in ticks of the fastest fall, before a benchmark moves it back up.
constexpr float marginTicks = 4;

} // namespace

BenchGame::BenchGame() {
    if (!folder.isValid())
        throw std::runtime_error("no temporary folder");
    platform::setAppPathForTesting(folder.path().toStdString());
    platform::setSoundOutput(&sound);
    platform::setDialogProvider(&dialogs);
    platform::fixSeed(20261206);
    resetEngineState();
    main = std::make_unique<frmMain>();
    main->showMaximized();
    processEvents();
}

BenchGame::~BenchGame() {
    main->close();
    main.reset();
    platform::setDialogProvider(nullptr);
    platform::setSoundOutput(nullptr);
    platform::setAppPathForTesting({});
    platform::unfixSeed();
}

void BenchGame::playLevel(std::int16_t level) {
    main->cmdBegin_Click();
    // The first banner is ticked away at level 1; a later level is laid out the way the banner's
    // end lays it out, after the level number has moved on.
    while (gameCode::levelIntro)
        tick();
    if (level > 1) {
        gameCode::currentLevel = level;
        gameCode::startLevel();
        main->picGame_Paint();
    }
    // The timer's own ticks would come between the benchmark's; it is left running, but an
    // hour apart, so that only tick() moves the game on.
    main->gameLoop.setInterval(60 * 60 * 1000);
    processEvents();
}

bool BenchGame::tick() {
    const bool ran = main->gameLoop.deliverTick();
    scheduleRepaints();
    return ran;
}

void BenchGame::scheduleRepaints() {
    QCoreApplication::sendPostedEvents(main->picGame.widget(), QEvent::MetaCall);
}

bool BenchGame::keepLettersInPlay() {
    using namespace gameCode;
    const float limit = static_cast<float>(playArea->scaleHeight()) - marginTicks * fastStep;
    bool moved = false;
    for (FallingLetter& record : letters) {
        if (record.y < limit)
            continue;
        playArea->setForeColor(0);
        writeLetter(record);
        record.y = 0;
        playArea->setForeColor(record.colour);
        writeLetter(record);
        moved = true;
    }
    return moved;
}

void BenchGame::processEvents() {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}
