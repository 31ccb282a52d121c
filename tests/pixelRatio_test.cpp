// The play area at device pixel ratios 1, 1.5 and 2: one ctest run each (see CMakeLists.txt).
#include "game/letterText.h"
#include "support/playing.h"

#include <QGuiApplication>

using namespace gameCode;

using PixelRatio = Playing;

// The picture has the device pixels under the area's own pixels, which positions and sizes stay
// in; on a screen of ratio 3 the area gets a picture at that ratio, with the letters written back.
TEST_F(PixelRatio, PictureHasTheDevicePixelsOfTheAreaOnEachScreen) {
    const QWidget* area = window->picGame.widget();
    const QSize own(window->picGame.scaleWidth(), window->picGame.scaleHeight());
    EXPECT_EQ(own, area->size());
    EXPECT_EQ(screen().size(), (QSizeF(own) * area->devicePixelRatio()).toSize());
    tick();
    window->setScreen(QGuiApplication::screens().at(1));
    processEvents();
    EXPECT_EQ(screen().size(), own * 3);
    const QImage writtenBack = screen().copy();
    window->picGame_Paint();
    EXPECT_TRUE(screen() == writtenBack && countLitPixels(writtenBack) > 0);
}

// A letter is written at device resolution, pixel for pixel as the painter writes a line of text,
// and not as the picture of a smaller letter blown up.
TEST_F(PixelRatio, LetterIsWrittenAtDeviceResolution) {
    setLetters({letter('W', 41, 17)});
    const QSize own(window->picGame.scaleWidth(), window->picGame.scaleHeight());
    const QImage written = screen().copy();
    window->picGame.cls();
    platform::RECT box{41, 17, 141, 117};
    platform::DrawTextA(window->picGame.hDC(), "W\r\n", 3, &box, 0);
    EXPECT_TRUE(screen() == written);
    EXPECT_TRUE(written.devicePixelRatio() == 1 ||
                written != written.scaled(own).scaled(written.size()));
}

// After many ticks of a real game, erasing every letter in play leaves the area black: written
// again in black, a letter takes away every device pixel it set.
TEST_F(PixelRatio, ErasingTheLettersAfterManyTicksLeavesNoTrail) {
    ASSERT_EQ(tick(100), 100);
    ASSERT_GT(countLitPixels(screen()), 0);
    window->picGame.setForeColor(0);
    for (const FallingLetter& record : letters)
        writeLetter(record);
    EXPECT_EQ(countLitPixels(screen()), 0);
}
