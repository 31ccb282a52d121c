#pragma once

#include "platform/user32.h"

#include <cstdint>
#include <functional>
#include <memory>

class QImage;
class QRect;
class QWidget;

namespace platform {

class PictureWidget;

// A picture box: a surface in pixel units, black background, that the program draws on through
// its device context. It keeps the picture in an image of its own size at the device pixel ratio
// of its screen; drawing goes into the image and only the touched rectangles are copied to the
// screen. When the picture is lost (the box is resized, shown again, moved to a screen of another
// ratio, or its window restored from minimised) it raises onPaint, once for any number of such
// causes in one turn of the event loop, for the program to draw anew.
class PictureBox {
  public:
    explicit PictureBox(QWidget* parent);
    ~PictureBox();
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    QWidget* widget() const;

    // Place and size inside the parent, in its pixels.
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void move(int left, int top);
    void setWidth(int width);
    void setHeight(int height);

    // Interior size in pixels.
    int scaleWidth() const;
    int scaleHeight() const;

    // Text colour, 0x00BBGGRR; 0 draws in the background colour.
    std::int32_t foreColor() const { return colour; }
    void setForeColor(std::int32_t bgr);

    // Text size in points, drawn at points x 96 / 72 pixels rounded, whatever the screen.
    float fontSize() const { return points; }
    void setFontSize(float newPoints);
    bool fontBold() const { return bold; }
    void setFontBold(bool on);
    // The font family; the application's default font until set.
    void setFontFamily(const char* family);

    // Clears the whole area to black.
    void cls();

    HDC hDC();
    HWND hWnd() const { return this; }

    void setFocus();
    bool hasFocus() const;

    // The current picture, in device pixels, for tests and screenshots.
    const QImage& screen() const;

    std::function<void()> onPaint;                                // the picture must be drawn
    std::function<void(std::int16_t keyCode, int shift)> onKeyUp; // a key was released

  private:
    friend class PictureWidget;
    void resizeScreen(int width, int height);
    void matchPixelRatio();
    void remakeScreen();
    void touch(const QRect& rect);
    void raisePaint();
    void fontChanged();

    struct State;
    std::unique_ptr<State> state;
    std::int32_t colour = 0xFFFFFF; // white foreground, as at design
    float points = 0;               // 0: the application font's size
    bool bold = false;
};

} // namespace platform
