#pragma once

#include "platform/user32.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QRegion>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

// The pixels one character covers when written on its own, as runs along rows, relative to the
// point it is written at (left edge, baseline). Taken once from what the painter writes, so that
// setting these pixels gives exactly what writing the character gives.
struct GlyphMask {
    struct Run {
        int dy;     // row, from the baseline
        int dx;     // first pixel, from the left edge
        int length; // pixels
    };
    std::vector<Run> runs; // row by row, top to bottom
    QRect bounds;          // the pixels the runs cover, relative to the same point
    bool exact = false; // the painter's pixels were all full colour: the runs can stand in for it
};

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
    // Masks of ASCII characters, each taken on its first use.
    mutable std::array<std::unique_ptr<const GlyphMask>, 128> asciiMasks;
};

// What a picture box's hDC stands for: its screen image with the current font and colour.
struct DeviceContext {
    QImage* screen = nullptr;                  // the surface drawn on
    const FontFace* face = nullptr;            // current font
    QColor colour;                             // current text colour
    std::function<void(const QRect&)> touched; // schedules the repaint of a drawn rectangle
};

// The union of the rectangles, as a region, built in one pass.
QRegion regionOf(const std::vector<QRect>& rects);

} // namespace platform
