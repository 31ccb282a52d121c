#pragma once

#include "platform/user32.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>

#include <array>
#include <functional>

namespace platform {

// One font at one pixel size, with the measures text output needs, built once.
struct FontFace {
    FontFace(const QFont& font) : font(font), metrics(font) {
        ascent = metrics.ascent();
        lineHeight = metrics.height();
        for (int ch = 0; ch < 128; ++ch)
            asciiAdvance[static_cast<std::size_t>(ch)] = metrics.horizontalAdvance(QChar(ch));
    }
    QFont font;
    QFontMetrics metrics;
    int ascent = 0;                    // pixels from a line's top to its baseline
    int lineHeight = 0;                // pixels from one line's top to the next
    std::array<int, 128> asciiAdvance; // advance of each ASCII character, in pixels
};

// What a picture box's hDC stands for: its screen image with the current font and colour.
struct DeviceContext {
    QImage* screen = nullptr;                  // the surface drawn on
    const FontFace* face = nullptr;            // current font
    QColor colour;                             // current text colour
    std::function<void(const QRect&)> touched; // schedules the repaint of a drawn rectangle
};

} // namespace platform
