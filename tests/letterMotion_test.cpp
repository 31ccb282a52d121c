#include "support/playing.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cmath>

using namespace gameCode;

namespace {

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

class Motion : public Playing {
  protected:
    // The play area as a full repaint would draw it now.
    QImage repainted() {
        window->picGame_Paint();
        return screen().copy();
    }

    // What the window on the screen shows of the play area.
    QImage shown() const {
        QWidget* area = window->picGame.widget();
        const QPoint at = area->mapTo(window.get(), QPoint(0, 0));
        return area->screen()
            ->grabWindow(window->winId(), at.x(), at.y(), area->width(), area->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Whether the window comes to show the area as it is. It repaints on its next update
    // request, which the platform may hold back a few milliseconds.
    bool showsTheArea() const {
        return QTest::qWaitFor([this] { return differingPixels(shown(), screen()) == 0; }, 1000);
    }
};

} // namespace

TEST_F(Motion, SlowLettersFallOnePixelAndFastOnesSixATick) {
    setLetters({letter('A', 40, 10, true), letter('B', 80, 10, false)});
    tick();
    EXPECT_EQ(letters[0].y, 11);
    EXPECT_EQ(letters[1].y, 16);
    EXPECT_EQ(letters[0].x, 40);
    EXPECT_EQ(letters[1].x, 80);
}

// Letters are drawn straight onto the area and erased where they were: after any number of
// ticks the area holds exactly what a repaint of the letters would draw, no trail.
TEST_F(Motion, FallingLettersLeaveNoTrail) {
    setLetters({letter('W', 40, 10, true, red), letter('M', 100, 30, false, 16711935),
                letter('Q', 200, 0, true, 33023), letter('I', 300, 5, false)});
    for (int step = 0; step < 40; ++step) {
        ASSERT_EQ(tick(), 1);
        const QImage drawn = screen().copy();
        ASSERT_EQ(differingPixels(drawn, repainted()), 0) << "after tick " << step + 1;
    }
    EXPECT_GT(countLitPixels(screen()), 100);
}

// The pixels a letter's record is written with, by a painter of its own, as text was written
// before the play area learnt to write single characters itself.
void paintLetter(QImage& image, const FallingLetter& record, std::int32_t colour) {
    if (record.letter == 0)
        return;
    QFont font(QApplication::font().family());
    font.setPixelSize(21);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    const QChar ch(static_cast<char16_t>(record.letter));
    const QRect box(static_cast<int>(std::lrint(record.x)), static_cast<int>(std::lrint(record.y)),
                    metrics.horizontalAdvance(ch), metrics.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    painter.setClipRect(box & image.rect());
    painter.drawText(box.left(), box.top() + metrics.ascent(), QString(ch));
}

// At level 20, 46 letters fall fast, often over one another, so that erasing one can bite into
// another: every tick leaves exactly the pixels of erasing and writing each letter in turn with
// a painter, and once the event loop has run, the window on the screen shows the area as it is,
// so every pixel a tick changed was scheduled for repaint.
TEST_F(Motion, FullLevelDrawsInTurnAndReachesTheScreen) {
    // The test waits for repaints in the event loop: the timer's own ticks must not come in.
    window->gameLoop.setInterval(60 * 60 * 1000);
    currentLevel = 20;
    startLevel();
    window->picGame_Paint();
    ASSERT_EQ(letters.size(), 46u);
    ASSERT_TRUE(showsTheArea());
    for (int step = 0; step < 40; ++step) {
        QImage expected = screen().copy();
        for (FallingLetter record : letters) {
            paintLetter(expected, record, 0);
            record.y += record.slow ? slowStep : fastStep;
            paintLetter(expected, record, record.colour);
        }
        ASSERT_EQ(tick(), 1);
        ASSERT_EQ(differingPixels(screen(), expected), 0) << "after tick " << step + 1;
        // The window repaints on its next update request, which the platform may hold back a
        // few milliseconds.
        ASSERT_TRUE(showsTheArea()) << "after tick " << step + 1;
    }
    EXPECT_FALSE(gameOver);
}

// A letter at the right border is clipped there, falls all the same and counts for the bottom.
TEST_F(Motion, LetterAtTheRightBorderIsClippedAndStillFalls) {
    const float right = static_cast<float>(window->picGame.scaleWidth() - 3);
    const float nearBottom = static_cast<float>(window->picGame.scaleHeight() - 6);
    setLetters({letter('W', right, nearBottom)});
    tick();
    EXPECT_EQ(letters[0].y, nearBottom + 1);
    EXPECT_FALSE(gameOver);
    tick();
    EXPECT_TRUE(gameOver);
}

TEST_F(Motion, LettersAreAlwaysDrawnAtSixteenPoints) {
    setLetters({letter('A', 40, 10)});
    nextLevel();
    EXPECT_EQ(window->picGame.fontSize(), 40.0f);
    finishBanner();
    EXPECT_EQ(window->picGame.fontSize(), 16.0f);
}
