#include "support/headless.h"

#include "game/gameCode.h"

#include <QApplication>
#include <QFontDatabase>

#include <cstdio>

void useHeadlessPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELQUIST_OFFSCREEN_CONFIG);
}

bool useFixedFonts() {
    for (const char* file :
         {VELQUIST_FONT_FOLDER "/DejaVuSans.ttf", VELQUIST_FONT_FOLDER "/DejaVuSans-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(file) < 0) {
            std::fprintf(stderr, "cannot load %s (package fonts-dejavu-core)\n", file);
            return false;
        }
    }
    QApplication::setFont(QFont("DejaVu Sans", 9));
    return true;
}

void resetEngineState() {
    using namespace gameCode;
    currentLevel = 0;
    gamePaused = false;
    soundOn = false;
    letters.clear();
    letterColours.fill(0);
    lettersHit = 0;
    gameScore = 0;
    levelIntro = false;
    gameOver = false;
    introTicks = 0;
    gameEnding = false;
}
