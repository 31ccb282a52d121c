#include "platform/user32.h"

#include "platform/codePage.h"
#include "platform/deviceContext.h"
#include "platform/pictureBox.h"

#include <QPainter>

#include <cstring>
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

int DrawTextA(HDC dc, const char* text, int count, RECT* rect, unsigned format) {
    if (!dc || !dc->face || !text || !rect)
        return 0;
    const std::size_t length = count < 0 ? std::strlen(text) : static_cast<std::size_t>(count);
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
    const QRect clip = box & dc->screen->rect();
    if (clip.isEmpty())
        return height;
    QPainter painter(dc->screen);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(face.font);
    painter.setPen(dc->colour);
    painter.setClipRect(clip);
    const int boxWidth = rect->right - rect->left;
    int top = rect->top;
    for (std::string_view ansi : lines) {
        const QString line = lineText(ansi);
        int left = rect->left;
        if (format & DT_CENTER)
            left += (boxWidth - advanceOf(face, line)) / 2;
        painter.drawText(left, top + face.ascent, line);
        top += face.lineHeight;
    }
    painter.end();
    if (dc->touched)
        dc->touched(clip);
    return height;
}

} // namespace platform
