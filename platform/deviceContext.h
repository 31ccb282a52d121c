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

// The device pixels one character covers when written on its own, as runs along rows, relative to
// the point it is written at (left edge, baseline). Taken once from what the painter writes at one
// device pixel ratio, so that setting these pixels gives exactly what writing the character gives.
struct GlyphMask {
    struct Run {
        int dy;     // row, from the baseline
        int dx;     // first pixel, from the left edge
        int length; // pixels
    };
    std::vector<Run> runs; // row by row, top to bottom
    QRect bounds;          // the pixels the runs cover, relative to the same point
    bool exact = false; // the painter's pixels were all full colour: the runs can stand in for it
    int ratio = 1;      // device pixels to a pixel
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

// What a picture box's hDC stands for: its screen image with the current font and colour. The
// image holds the surface at its device pixel ratio; everything else is in the surface's pixels.
struct DeviceContext {
    QImage* screen = nullptr;                  // the surface drawn on
    QSize size{0, 0};                          // the surface's size in its pixels
    const FontFace* face = nullptr;            // current font
    QColor colour;                             // current text colour
    std::function<void(const QRect&)> touched; // schedules the repaint of a drawn rectangle
};

// The device pixels of an image at this ratio that a rectangle of its pixels touches.
QRect devicePixels(const QRect& rect, qreal ratio);

// The union of the rectangles, as a region, built in one pass.
QRegion regionOf(const std::vector<QRect>& rects);

} // namespace platform
