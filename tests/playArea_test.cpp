// The play area's surface and the text calls the game draws with.
#include "platform/deviceContext.h"
#include "support/gameFixture.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

#include <cstring>

using platform::DT_CALCRECT;
using platform::DT_CENTER;
using platform::RECT;

namespace {

// A bare 400 x 300 play area with bold 16-point text, as the game uses it.
class Surface : public ::testing::Test {
  protected:
    void SetUp() override {
        box.setWidth(400);
        box.setHeight(300);
        box.setFontBold(true);
        box.setFontSize(16);
    }

    RECT draw(const std::string& text, RECT rect, unsigned format) {
        platform::DrawTextA(box.hDC(), text.c_str(), static_cast<int>(text.size()), &rect, format);
        return rect;
    }
    RECT measure(const std::string& text, int left = 10, int top = 20) {
        return draw(text, RECT{left, top, left, top + 5}, DT_CALCRECT | DT_CENTER);
    }

    QWidget parent;
    platform::PictureBox box{&parent};
};

} // namespace

// Measuring draws nothing, keeps the top-left corner and fits right and bottom to the text:
// lines split at CR LF, the widest sets the width. Points are pixels at 96 dpi whatever the
// screen: 40 points are 53 pixels, 16 are 21. Each line of a centred text is centred across the
// rectangle on its own.
TEST_F(Surface, MeasuresInFixedPixelSizesAndCentresEachLine) {
    const RECT one = measure("W");
    EXPECT_EQ(std::pair(one.left, one.top), std::pair(10, 20));
    EXPECT_GT(one.right - one.left, 10);
    const RECT two = measure("WW\r\nW");
    EXPECT_EQ(two.right - two.left, 2 * (one.right - one.left));
    EXPECT_EQ(two.bottom - two.top, 2 * (one.bottom - one.top));
    EXPECT_EQ(countLitPixels(box.screen()), 0);
    box.setFontSize(40);
    EXPECT_NEAR((measure("W").bottom - 20.0) / (one.bottom - 20), 53.0 / 21.0, 0.1);

    RECT client;
    platform::GetClientRect(box.hWnd(), &client);
    EXPECT_EQ((std::array{client.left, client.top, client.right, client.bottom}),
              (std::array{0, 0, 400, 300}));
    box.setForeColor(255);
    draw("I\r\nIIIII", client, DT_CENTER);
    const QImage& shown = box.screen();
    const int lineHeight = qRound((measure("I").bottom - 20) * shown.devicePixelRatio());
    for (int line = 0; line < 2; ++line) {
        const QImage band = shown.copy(0, line * lineHeight, shown.width(), lineHeight);
        const int lit = countPixels(band, 255);
        const int left = countPixels(band.copy(0, 0, shown.width() / 2, lineHeight), 255);
        ASSERT_GT(lit, 50) << "line " << line;
        EXPECT_NEAR(left, lit - left, lit / 10) << "line " << line;
    }
}

// A lost picture (resize, show) comes back black and raises one paint per turn of the event
// loop, however many causes it had; a width of 0 keeps the height. Cls clears to black.
TEST_F(Surface, LostPictureIsBlackAndRaisesOnePaintPerTurn) {
    int paints = 0;
    box.onPaint = [&paints] {
        ++paints;
    };
    box.setForeColor(0xFFFFFF);
    draw("A", measure("A"), DT_CENTER);
    box.cls();
    EXPECT_EQ(countLitPixels(box.screen()), 0);
    draw("A", measure("A"), DT_CENTER);
    parent.show();
    box.setWidth(300);
    box.setHeight(200);
    box.setWidth(0);
    EXPECT_EQ(box.scaleHeight(), 200);
    box.setWidth(250);
    EXPECT_EQ(box.screen().deviceIndependentSize(), QSizeF(250, 200));
    EXPECT_EQ(countLitPixels(box.screen()), 0);
    EXPECT_EQ(paints, 0);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(paints, 1);
}

// A single character is written with exactly the pixels a painter writes for it, clipped to its
// rectangle and to the area, centred or not, over whatever was there: so a letter written again
// in black erases it to the last pixel, which moving letters without a back buffer relies on.
TEST_F(Surface, OneCharacterIsWrittenAsThePainterWritesIt) {
    QFont font(QApplication::font().family());
    font.setPixelSize(21);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    // The measured box's top-left, pixels added to its width and height, and the format.
    const std::array<int, 5> places[] = {{37, 41, 0, 0, DT_CENTER},   {-7, -9, 0, 0, DT_CENTER},
                                         {392, 288, 0, 0, DT_CENTER}, {120, 50, 9, 0, DT_CENTER},
                                         {120, 50, 9, 0, 0},          {200, 150, -6, 0, DT_CENTER},
                                         {200, 150, 0, -9, DT_CENTER}};
    const std::int32_t colours[] = {0, 0xFFFFFF, 255, 33023, 16711935};
    QRandomGenerator random(7);
    for (int code = 32; code < 127; ++code) {
        for (const auto& [placeLeft, top, widen, deepen, format] : places) {
            const char ch = static_cast<char>(code);
            const std::int32_t colour = colours[random.bounded(5)];
            auto& image = const_cast<QImage&>(box.screen());
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFF));
            QImage expected = image.copy();
            RECT rect = measure(std::string(1, ch), placeLeft, top);
            rect.right += widen;
            rect.bottom += deepen;
            box.setForeColor(colour);
            draw(std::string(1, ch), rect, format);

            const int advance = QFontMetrics(font).horizontalAdvance(QChar(ch));
            const int left =
                rect.left + (format & DT_CENTER ? (rect.right - rect.left - advance) / 2 : 0);
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
            painter.setClipRect(
                QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)));
            painter.drawText(left, rect.top + QFontMetrics(font).ascent(), QString(QChar(ch)));
            painter.end();
            ASSERT_TRUE(box.screen() == expected) << "'" << ch << "' at " << placeLeft;
        }
    }
}

// The rectangles written in one turn are repainted as one region covering exactly their union. On
// a screen of ratio 1.5 each rectangle's device pixels are those it touches, partly or whole.
TEST(TouchedRegion, IsExactlyTheUnionOfTheRectangles) {
    QRandomGenerator random(7);
    EXPECT_TRUE(platform::regionOf({}).isEmpty());
    for (int round = 0; round < 200; ++round) {
        std::vector<QRect> rects;
        QRegion expected;
        for (int i = 0, count = 1 + random.bounded(60); i < count; ++i) {
            rects.emplace_back(random.bounded(300), random.bounded(300), random.bounded(40),
                               random.bounded(40));
            expected += rects.back();
            const QRectF exact(QPointF(rects.back().topLeft()) * 1.5,
                               QSizeF(rects.back().size()) * 1.5);
            const QRectF device(platform::devicePixels(rects.back(), 1.5));
            EXPECT_TRUE(exact.isEmpty() ||
                        (device.contains(exact) && exact.adjusted(-1, -1, 1, 1).contains(device)));
        }
        const QRegion region = platform::regionOf(rects);
        EXPECT_TRUE((region ^ expected).isEmpty()) << round;
        EXPECT_EQ(region.rectCount(), expected.rectCount()) << round;
    }
}

class PixelRatio : public Playing {
  protected:
    // Whether the window's own buffer, as the play area's paints leave it once the window's next
    // update has come, holds the picture in every device pixel that the rectangles (the area's own
    // pixels) touch, at their edges too. Not a fresh grab(): that would paint it all anew.
    bool windowShowsPicture(const QRegion& region) {
        const qreal ratio = screen().devicePixelRatio();
        const QPointF offset(window->picGame.widget()->mapTo(window.get(), QPoint()));
        const QPoint at = (offset * ratio).toPoint();
        return QTest::qWaitFor(
            [&] {
                const auto* shown = dynamic_cast<QImage*>(window->backingStore()->paintDevice());
                if (!shown || shown->devicePixelRatio() != ratio ||
                    shown->format() != screen().format())
                    return false;
                for (const QRect& rect : region) {
                    const QRect area =
                        QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio)
                            .toAlignedRect() &
                        screen().rect();
                    for (int y = area.top(); y <= area.bottom(); ++y)
                        if (std::memcmp(shown->constScanLine(at.y() + y) + 4 * (at.x() + area.x()),
                                        screen().constScanLine(y) + 4 * area.x(),
                                        4 * area.width()) != 0)
                            return false;
                }
                return true;
            },
            2000);
    }
};

// On each screen, its own and one of ratio 3 that the window moves to, the picture has the device
// pixels under the area's own pixels, which positions and sizes stay in. A letter is written with
// its cell's corner at (x, y), at device resolution as the painter writes a line of text, not
// blown up from a smaller one. The window shows the picture exactly after ticks, hits and
// repaints, and a rectangle written over a picture it does not show yet to its last row and column.
TEST_F(PixelRatio, LettersAreWrittenAtTheDeviceResolutionOfEachScreen) {
    const QSize own(window->picGame.scaleWidth(), window->picGame.scaleHeight());
    EXPECT_EQ(own, window->picGame.widget()->size());
    QRandomGenerator random(7);
    window->gameLoop.setInterval(1 << 30); // the test's ticks only, while it waits for the window
    for (QScreen* onScreen : QGuiApplication::screens()) {
        SCOPED_TRACE(onScreen->name().toStdString());
        window->setScreen(onScreen);
        processEvents();
        gameCode::lettersHit = 0; // no level may end: its banner would stand for the letters
        for (int step = 0; step < 20; ++step) {
            tick();
            if (step % 5 == 0)
                type(static_cast<char>(gameCode::letters[0].letter));
            ASSERT_TRUE(windowShowsPicture(QRect(QPoint(), own))) << "step " << step;
        }
        setLetters({letter('W', 41, 17)});
        window->cmdPause->click(); // no tick may move the letter while events run
        const qreal ratio = onScreen->devicePixelRatio();
        EXPECT_EQ(screen().size(), (QSizeF(own) * ratio).toSize());
        const QImage written = screen().copy();
        ASSERT_GT(countLitPixels(written), 0);
        window->picGame.cls();
        platform::RECT box{41, 17, 141, 117};
        platform::DrawTextA(window->picGame.hDC(), "W\r\n", 3, &box, 0);
        EXPECT_TRUE(screen() == written);
        EXPECT_TRUE(ratio == 1 || written != written.scaled(own).scaled(written.size()));

        auto& picture = const_cast<QImage&>(screen());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFF));
        QRegion drawn;
        for (int i = 0; i < 30; ++i) {
            platform::RECT clip{random.bounded(own.width()), random.bounded(own.height()), 0, 0};
            clip.right = clip.left + 1 + random.bounded(60);
            clip.bottom = clip.top + 1 + random.bounded(60);
            window->picGame.setForeColor(static_cast<std::int32_t>(random.generate() & 0xFFFFFF));
            platform::DrawTextA(window->picGame.hDC(), i % 2 ? "W" : "MW", -1, &clip, 0);
            drawn += QRect(QPoint(clip.left, clip.top), QPoint(clip.right - 1, clip.bottom - 1));
        }
        EXPECT_TRUE(windowShowsPicture(drawn));
        // Painted at twice the picture's ratio (a screenshot at another scale), the picture is
        // blown up pixel for pixel, never copied row by row as if the ratios were the same.
        QImage twice((QSizeF(own) * ratio * 2).toSize(), QImage::Format_RGB32);
        twice.setDevicePixelRatio(ratio * 2);
        window->picGame.widget()->render(&twice);
        EXPECT_TRUE(twice == screen().scaled(screen().size() * 2).copy(twice.rect()));
        window->cmdPause->click();
    }
}
