#include "platform/deviceContext.h"
#include "platform/pictureBox.h"
#include "platform/user32.h"
#include "support/gameFixture.h"

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using platform::DT_CALCRECT;
using platform::DT_CENTER;
using platform::RECT;

namespace {

// A bare play area, bold text as the game uses it, on its own parent widget.
class Surface : public ::testing::Test {
  protected:
    void SetUp() override {
        parent = std::make_unique<QWidget>();
        box = std::make_unique<platform::PictureBox>(parent.get());
        box->setWidth(400);
        box->setHeight(300);
        box->setFontBold(true);
        box->setFontSize(16);
    }

    RECT measure(const std::string& text, int left = 10, int top = 20) {
        RECT rect{left, top, left, top + 5};
        platform::DrawTextA(box->hDC(), text.c_str(), static_cast<int>(text.size()), &rect,
                            DT_CALCRECT | DT_CENTER);
        return rect;
    }

    void write(const std::string& text, RECT rect) {
        platform::DrawTextA(box->hDC(), text.c_str(), static_cast<int>(text.size()), &rect,
                            DT_CENTER);
    }

    // The smallest rectangle that holds every lit pixel, or an empty one.
    QRect litBounds() const {
        QRect bounds;
        const QImage& image = box->screen();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    std::unique_ptr<QWidget> parent;
    std::unique_ptr<platform::PictureBox> box;
};

} // namespace

// Measuring keeps the top-left corner and moves right and bottom to bound the text; it draws
// nothing. Two lines are twice as high as one.
TEST_F(Surface, CalcRectKeepsTopLeftAndBoundsTheText) {
    const RECT one = measure("W");
    EXPECT_EQ(one.left, 10);
    EXPECT_EQ(one.top, 20);
    EXPECT_GT(one.right - one.left, 10);
    EXPECT_GT(one.bottom - one.top, 16);
    EXPECT_EQ(countLitPixels(box->screen()), 0);

    const RECT two = measure("W\r\nW");
    EXPECT_EQ(two.right, one.right);
    EXPECT_EQ(two.bottom - two.top, 2 * (one.bottom - one.top));

    const RECT wide = measure("WW\r\nW");
    EXPECT_EQ(wide.right - wide.left, 2 * (one.right - one.left));
}

// Point sizes map to pixels at 96 dpi whatever the screen: 40 points are 53 pixels, 16 are 21,
// so a line at 40 points is about two and a half times as high as one at 16.
TEST_F(Surface, FontSizesAreFixedPixelSizes) {
    const int small = measure("H").bottom - 20;
    box->setFontSize(40);
    const int large = measure("H").bottom - 20;
    EXPECT_NEAR(static_cast<double>(large) / small, 53.0 / 21.0, 0.1);
}

// A measured letter is written inside its measured box, top-left at the box's corner.
TEST_F(Surface, MeasuredLetterIsWrittenInsideItsBox) {
    box->setForeColor(0xFFFFFF);
    const RECT rect = measure("M", 50, 60);
    write("M", rect);
    const QRect lit = litBounds();
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_GE(lit.left(), rect.left);
    EXPECT_GE(lit.top(), rect.top);
    EXPECT_LT(lit.right(), rect.right);
    EXPECT_LT(lit.bottom(), rect.bottom);
    EXPECT_LT(lit.left() - rect.left, 4);
}

// Writing a letter again in black erases it to the last pixel: the play area relies on this to
// move letters without a back buffer.
TEST_F(Surface, WritingALetterAgainInBlackLeavesNoPixel) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        SCOPED_TRACE(letter);
        const std::string text(1, letter);
        const RECT rect = measure(text, 37, 41);
        box->setForeColor(33023);
        write(text, rect);
        ASSERT_GT(countPixels(box->screen(), 33023), 20);
        box->setForeColor(0);
        write(text, rect);
        EXPECT_EQ(countLitPixels(box->screen()), 0);
    }
}

// Each line is centred across the rectangle on its own; the first starts at the top.
TEST_F(Surface, CentredLinesAreCentredEachOnItsOwn) {
    box->setForeColor(255);
    box->setFontSize(40);
    RECT client;
    platform::GetClientRect(box->hWnd(), &client);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
    const std::string text = "I\r\nIIIII";
    platform::DrawTextA(box->hDC(), text.c_str(), static_cast<int>(text.size()), &client,
                        DT_CENTER);
    const int lineHeight = measure("I").bottom - 20;
    const QImage& image = box->screen();
    for (int line = 0; line < 2; ++line) {
        SCOPED_TRACE(line);
        const QImage band = image.copy(0, line * lineHeight, 400, lineHeight);
        QRect lit;
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < band.width(); ++x)
                if ((band.pixel(x, y) & 0xFFFFFF) != 0)
                    lit |= QRect(x, y, 1, 1);
        ASSERT_FALSE(lit.isEmpty());
        EXPECT_NEAR(lit.center().x(), 200, 4);
    }
    EXPECT_GT(countPixels(image, 255), 100);
}

// Text is clipped to its rectangle, and to the play area at its edges.
TEST_F(Surface, TextIsClippedToTheRectangleAndTheArea) {
    box->setForeColor(0xFFFFFF);
    RECT narrow{100, 100, 104, 140};
    platform::DrawTextA(box->hDC(), "W", 1, &narrow, 0);
    const QRect lit = litBounds();
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_GE(lit.left(), 100);
    EXPECT_LE(lit.right(), 103);

    RECT outside = measure("W", 395, 290);
    write("W", outside);
    EXPECT_EQ(box->screen().size(), QSize(400, 300));
}

// Any number of causes within one turn of the event loop give one paint event.
TEST_F(Surface, LostPicturesRaiseOnePaintPerTurnOfTheEventLoop) {
    int paints = 0;
    box->onPaint = [&paints] {
        ++paints;
    };
    parent->show();
    box->setWidth(300);
    box->setHeight(200);
    box->setWidth(250);
    EXPECT_EQ(paints, 0);
    QApplication::processEvents();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(box->scaleWidth(), 250);
    EXPECT_EQ(box->scaleHeight(), 200);
    QApplication::processEvents();
    EXPECT_EQ(paints, 1);

    // A width of zero keeps the height, and the area comes back whole.
    box->setWidth(0);
    EXPECT_EQ(box->scaleHeight(), 200);
    box->setWidth(120);
    EXPECT_EQ(box->screen().size(), QSize(120, 200));
}

// Resizing reallocates the picture: it comes back black, for the paint handler to fill.
TEST_F(Surface, ClsAndResizeLeaveABlackArea) {
    box->setForeColor(0xFFFFFF);
    write("A", measure("A"));
    ASSERT_GT(countLitPixels(box->screen()), 0);
    box->cls();
    EXPECT_EQ(countLitPixels(box->screen()), 0);
    write("A", measure("A"));
    box->setHeight(301);
    EXPECT_EQ(countLitPixels(box->screen()), 0);
}

namespace {

// The play area's bold 16-point font, made the way the box makes it.
QFont boldLetterFont() {
    QFont font(QApplication::font().family());
    font.setPixelSize(21);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Fills the image with pixels of many colours, so that any pixel written or missed shows.
void scatter(QImage& image, quint32 seed) {
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = 0xFF000000u | (random.generate() & 0xFFFFFF);
    }
}

} // namespace

// A single character is written with exactly the pixels a painter writes for it, in the same
// colour, clipped the same way, over whatever was there before: for every ASCII character, at
// the edges of the area and of its rectangle, centred in a wider rectangle or not.
TEST_F(Surface, OneCharacterIsWrittenAsThePainterWritesIt) {
    const QFont font = boldLetterFont();
    const int ascent = QFontMetrics(font).ascent();
    struct Place {
        int left, top;   // where the character's box starts
        int extra;       // pixels added to the measured width
        int cutRight;    // pixels taken off the measured box on the right
        unsigned format; // DT_CENTER or not
    };
    const std::vector<Place> places = {
        {37, 41, 0, 0, DT_CENTER},   {0, 0, 0, 0, DT_CENTER},    {-7, -9, 0, 0, DT_CENTER},
        {392, 288, 0, 0, DT_CENTER}, {120, 50, 9, 0, DT_CENTER}, {120, 50, 9, 0, 0},
        {200, 150, 0, 6, DT_CENTER}, {60, 280, 3, 4, DT_CENTER},
    };
    const std::vector<std::int32_t> colours = {0, 0xFFFFFF, 255, 33023, 16711935};
    QImage expected;
    for (int code = 32; code < 127; ++code) {
        const char ch = static_cast<char>(code);
        for (std::size_t p = 0; p < places.size(); ++p) {
            const Place& place = places[p];
            const std::int32_t colour = colours[(static_cast<std::size_t>(code) + p) % 5];
            SCOPED_TRACE(testing::Message() << "'" << ch << "' at place " << p);
            scatter(const_cast<QImage&>(box->screen()), static_cast<quint32>(code * 16 + p));
            expected = box->screen().copy();

            RECT rect = measure(std::string(1, ch), place.left, place.top);
            rect.right += place.extra - place.cutRight;
            box->setForeColor(colour);
            RECT written = rect;
            platform::DrawTextA(box->hDC(), &ch, 1, &written, place.format);

            const int advance = QFontMetrics(font).horizontalAdvance(QChar(ch));
            int left = rect.left;
            if (place.format & DT_CENTER)
                left += (rect.right - rect.left - advance) / 2;
            const QRect clip =
                QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)) &
                expected.rect();
            if (!clip.isEmpty()) {
                QPainter painter(&expected);
                painter.setRenderHint(QPainter::TextAntialiasing, false);
                painter.setFont(font);
                painter.setPen(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
                painter.setClipRect(clip);
                painter.drawText(left, rect.top + ascent, QString(QChar(ch)));
            }
            ASSERT_TRUE(box->screen() == expected);
        }
    }
}

// The rectangles written in one turn become one region that covers exactly their union.
TEST(TouchedRegion, IsExactlyTheUnionOfTheRectangles) {
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        std::vector<QRect> rects;
        const int count = 1 + static_cast<int>(random.bounded(60));
        for (int i = 0; i < count; ++i)
            rects.emplace_back(random.bounded(300), random.bounded(300), random.bounded(40),
                               random.bounded(40));
        QRegion expected;
        for (const QRect& rect : rects)
            expected += rect;
        const QRegion region = platform::regionOf(rects);
        EXPECT_TRUE((region ^ expected).isEmpty());
        EXPECT_EQ(region.rectCount(), expected.rectCount());
        EXPECT_EQ(region.boundingRect(), expected.boundingRect());
    }
    EXPECT_TRUE(platform::regionOf({}).isEmpty());
}
