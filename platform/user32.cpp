#include "platform/user32.h"

#include "platform/codePage.h"
#include "platform/deviceContext.h"
#include "platform/pictureBox.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

namespace {

QString lineText(std::string_view ansi) {
    if (ansi.size() == 1 && static_cast<unsigned char>(ansi[0]) < 0x80)
        return QString(QChar(ansi[0]));
    return QString::fromStdString(fromAnsi(ansi));
}

int advanceOf(const FontFace& face, const QString& line) {
    if (line.size() == 1 && line[0].unicode() < 0x80)
        return face.asciiAdvance[line[0].unicode()];
    return face.metrics.horizontalAdvance(line);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return lines;
        text.remove_prefix(end + 2);
    }
}

} // namespace

int SetRect(RECT* rect, std::int32_t left, std::int32_t top, std::int32_t right,
            std::int32_t bottom) {
    if (!rect)
        return 0;
    *rect = RECT{left, top, right, bottom};
    return 1;
}

int GetClientRect(HWND window, RECT* rect) {
    if (!window || !rect)
        return 0;
    *rect = RECT{0, 0, window->scaleWidth(), window->scaleHeight()};
    return 1;
}

namespace {

// Writes lines with the painter, each at its own left edge, clipped.
void paintLines(DeviceContext& dc, const std::vector<std::string_view>& lines, const RECT& rect,
                const QRect& clip, unsigned format) {
    const FontFace& face = *dc.face;
    QPainter painter(dc.screen);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(face.font);
    painter.setPen(dc.colour);
    painter.setClipRect(clip);
    const int boxWidth = rect.right - rect.left;
    int top = rect.top;
    for (std::string_view ansi : lines) {
        const QString line = lineText(ansi);
        int left = rect.left;
        if (format & DT_CENTER)
            left += (boxWidth - advanceOf(face, line)) / 2;
        painter.drawText(left, top + face.ascent, line);
        top += face.lineHeight;
    }
}

// Writes an ASCII character with the painter in white on black, with room all round, at the
// given device pixel ratio, and keeps the device pixels it set as runs. The mask is exact only if
// every pixel came out either untouched or in full colour and none reached the edge of the room.
std::unique_ptr<const GlyphMask> takeMask(const FontFace& face, char ch, int ratio) {
    auto mask = std::make_unique<GlyphMask>();
    mask->ratio = ratio;
    const int room = face.lineHeight + 8;
    const int advance = std::max(0, face.asciiAdvance[static_cast<unsigned char>(ch)]);
    QImage scratch(QSize(advance + 2 * room, face.lineHeight + 2 * room) * ratio,
                   QImage::Format_RGB32);
    scratch.setDevicePixelRatio(ratio);
    scratch.fill(Qt::black);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(face.font);
        painter.setPen(QColor(Qt::white));
        painter.drawText(room, room + face.ascent, lineText(std::string_view(&ch, 1)));
    }
    // The point the character was written at, in device pixels.
    const int left = room * ratio;
    const int baseline = (room + face.ascent) * ratio;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    bool exact = true;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        int start = -1;
        for (int x = 0; x <= scratch.width(); ++x) {
            const bool lit = x < scratch.width() && row[x] != black;
            if (lit) {
                if (row[x] != white || x == 0 || y == 0 || x == scratch.width() - 1 ||
                    y == scratch.height() - 1)
                    exact = false;
                if (start < 0)
                    start = x;
            } else if (start >= 0) {
                mask->runs.push_back(GlyphMask::Run{y - baseline, start - left, x - start});
                mask->bounds |= QRect(start - left, y - baseline, x - start, 1);
                start = -1;
            }
        }
    }
    mask->exact = exact;
    return mask;
}

const GlyphMask& maskOf(const FontFace& face, char ch, int ratio) {
    auto& slot = face.asciiMasks[static_cast<unsigned char>(ch)];
    if (!slot || slot->ratio != ratio)
        slot = takeMask(face, ch, ratio);
    return *slot;
}

// Sets the mask's pixels inside clip to the colour, the character's left edge at left; all three in
// device pixels.
void writeMask(QImage& screen, const GlyphMask& mask, int left, int baseline, const QRect& clip,
               QRgb colour) {
    uchar* const bits = screen.bits();
    const qsizetype stride = screen.bytesPerLine();
    if (clip.contains(mask.bounds.translated(left, baseline))) {
        // The usual case: the whole glyph lies inside, no run needs cutting.
        for (const GlyphMask::Run& run : mask.runs) {
            auto* first =
                reinterpret_cast<QRgb*>(bits + (baseline + run.dy) * stride) + (left + run.dx);
            std::fill(first, first + run.length, colour);
        }
        return;
    }
    for (const GlyphMask::Run& run : mask.runs) {
        const int y = baseline + run.dy;
        if (y < clip.top() || y > clip.bottom())
            continue;
        const int first = std::max(left + run.dx, clip.left());
        const int last = std::min(left + run.dx + run.length - 1, clip.right());
        if (first > last)
            continue;
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(row + first, row + last + 1, colour);
    }
}

// One ASCII character on one line, as the falling letters are measured and written many times a
// tick: the same measures and pixels as the painter, without setting up a painter or a text
// layout. A mask is kept at whole device pixel ratios only: at a fractional one a character's
// place falls between device pixels, and the painter places it.
int oneCharacter(DeviceContext& dc, char ch, RECT* rect, unsigned format) {
    const FontFace& face = *dc.face;
    const int advance = face.asciiAdvance[static_cast<unsigned char>(ch)];
    const int height = face.lineHeight;
    if (format & DT_CALCRECT) {
        rect->right = rect->left + advance;
        rect->bottom = rect->top + height;
        return height;
    }
    const QRect box(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1));
    const QRect clip = box & QRect(QPoint(0, 0), dc.size);
    if (clip.isEmpty())
        return height;
    const qreal ratio = dc.screen->devicePixelRatio();
    const int wholeRatio = static_cast<int>(ratio);
    const GlyphMask* mask = wholeRatio == ratio ? &maskOf(face, ch, wholeRatio) : nullptr;
    if (mask && mask->exact) {
        int left = rect->left;
        if (format & DT_CENTER)
            left += (rect->right - rect->left - advance) / 2;
        writeMask(*dc.screen, *mask, left * wholeRatio, (rect->top + face.ascent) * wholeRatio,
                  devicePixels(clip, ratio), dc.colour.rgb());
    } else {
        paintLines(dc, {std::string_view(&ch, 1)}, *rect, clip, format);
    }
    if (dc.touched)
        dc.touched(clip);
    return height;
}

} // namespace

int DrawTextA(HDC dc, const char* text, int count, RECT* rect, unsigned format) {
    if (!dc || !dc->face || !text || !rect)
        return 0;
    const std::size_t length = count < 0 ? std::strlen(text) : static_cast<std::size_t>(count);
    if (length == 1 && static_cast<unsigned char>(text[0]) < 0x80)
        return oneCharacter(*dc, text[0], rect, format);

    const FontFace& face = *dc->face;
    const std::vector<std::string_view> lines = splitLines(std::string_view(text, length));
    const int height = face.lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (std::string_view line : lines)
            widest = std::max(widest, advanceOf(face, lineText(line)));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }

    const QRect box(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1));
    const QRect clip = box & QRect(QPoint(0, 0), dc->size);
    if (clip.isEmpty())
        return height;
    paintLines(*dc, lines, *rect, clip, format);
    if (dc->touched)
        dc->touched(clip);
    return height;
}

} // namespace platform
