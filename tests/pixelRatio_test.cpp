// The play area at device pixel ratios 1, 1.5 and 2: one ctest run each (see CMakeLists.txt).
#include "game/letterText.h"
#include "support/gameFixture.h"

#include <QGuiApplication>
#include <QScreen>

using namespace gameCode;

using PixelRatio = Playing;

// On each screen, its own and one of ratio 3 that the window moves to, the picture has the device
// pixels under the area's own pixels, which positions and sizes stay in, and the letters are
// written back into it; a letter is written at device resolution, pixel for pixel as the painter
// writes a line of text, and not as the picture of a smaller letter blown up.
TEST_F(PixelRatio, LettersAreWrittenAtTheDeviceResolutionOfEachScreen) {
    const QSize own(window->picGame.scaleWidth(), window->picGame.scaleHeight());
    EXPECT_EQ(own, window->picGame.widget()->size());
    setLetters({letter('W', 41, 17)});
    window->cmdPause->click(); // no tick may move the letter while events run
    for (QScreen* onScreen : QGuiApplication::screens()) {
        SCOPED_TRACE(onScreen->name().toStdString());
        window->setScreen(onScreen);
        processEvents();
        const qreal ratio = onScreen->devicePixelRatio();
        EXPECT_EQ(screen().size(), (QSizeF(own) * ratio).toSize());
        const QImage written = screen().copy();
        ASSERT_GT(countLitPixels(written), 0);
        window->picGame.cls();
        platform::RECT box{41, 17, 141, 117};
        platform::DrawTextA(window->picGame.hDC(), "W\r\n", 3, &box, 0);
        EXPECT_TRUE(screen() == written);
        EXPECT_TRUE(ratio == 1 || written != written.scaled(own).scaled(written.size()));
    }
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
