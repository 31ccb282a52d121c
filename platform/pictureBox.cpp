#include "platform/pictureBox.h"

#include "platform/deviceContext.h"
#include "platform/keyCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace platform {

// The widget on screen: it shows the box's image and passes its events to the box.
class PictureWidget final : public QWidget {
  public:
    PictureWidget(PictureBox& box, QWidget* parent) : QWidget(parent), box(box) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    // Copies the touched parts of the picture to the window, device pixel for device pixel; what
    // lies outside the picture is black. Where the window's buffer is an image in the picture's
    // pixel format and device pixel ratio, the rows are copied into it directly: a painter would
    // check every row of every rectangle against the event's whole region.
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QImage& screen = box.screen();
        const QRegion& region = event->region();
        if (copyStraight(painter, screen, region))
            return;
        const qreal ratio = screen.devicePixelRatio();
        for (const QRect& rect : region) {
            const QRect inside = rect & QRect(0, 0, box.width(), box.height());
            const QRect source = devicePixels(inside, ratio) & screen.rect();
            if (!source.isEmpty())
                painter.drawImage(QPointF(source.topLeft()) / ratio, screen, source);
            if (inside != rect)
                painter.fillRect(QRegion(rect).subtracted(inside).boundingRect(), Qt::black);
        }
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        if (event->isAutoRepeat())
            return;
        const QString text = event->text();
        const char32_t typed = text.isEmpty() ? 0 : text.toUcs4().value(0);
        const std::int16_t code =
            virtualKeyCode(event->key(), event->nativeScanCode(), event->nativeVirtualKey(), typed);
        if (box.onKeyUp)
            box.onKeyUp(code, shiftState(event->modifiers()));
    }

    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        if (window() != watchedWindow) {
            if (watchedWindow)
                watchedWindow->removeEventFilter(this);
            watchedWindow = window();
            watchedWindow->installEventFilter(this);
        }
        box.matchPixelRatio(); // the window may have opened on another screen than the first
        box.raisePaint();
    }

    // Moved to a screen of another device pixel ratio, the box needs a picture at that ratio. Qt
    // sends this event to every widget of a window that changed screen; Qt 6.4 has no public one.
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ScreenChangeInternal)
            box.matchPixelRatio();
        return QWidget::event(event);
    }

    // A window restored from minimised has lost the picture.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == watchedWindow && event->type() == QEvent::WindowStateChange) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            if ((change->oldState() & Qt::WindowMinimized) && !watchedWindow->isMinimized())
                box.raisePaint();
        }
        return false;
    }

  private:
    // Copies the region of the picture into the image the painter paints on, when that image
    // takes the picture's pixels as they are (32 bits, opaque, the same device pixel ratio) and the
    // painter adds nothing of its own (clip, opacity, blending). False when it does not. At a
    // fractional ratio the area can start half-way into one of the image's pixels: the picture
    // then goes to the nearest whole pixel, so that each of its pixels still lands in one.
    static bool copyStraight(QPainter& painter, const QImage& screen, const QRegion& region) {
        QPaintEngine* engine = painter.paintEngine();
        QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
        const QTransform toDevice = painter.deviceTransform();
        const qreal ratio = screen.devicePixelRatio();
        const QPoint shift(qRound(toDevice.dx()), qRound(toDevice.dy()));
        if (!device || device->devType() != QInternal::Image ||
            toDevice.type() > QTransform::TxScale || toDevice.m11() != ratio ||
            toDevice.m22() != ratio || painter.hasClipping() || painter.opacity() != 1.0 ||
            painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
            screen.format() != QImage::Format_RGB32)
            return false;
        auto& target = *static_cast<QImage*>(device);
        const QImage::Format format = target.format();
        if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
             format != QImage::Format_ARGB32_Premultiplied) ||
            target.devicePixelRatio() != ratio)
            return false;
        const QRgb black = qRgb(0, 0, 0);
        uchar* const bits = target.bits();
        const qsizetype stride = target.bytesPerLine();
        const uchar* const sourceBits = screen.constBits();
        const qsizetype sourceStride = screen.bytesPerLine();
        const int sourceHeight = screen.height();
        for (const QRect& rect : region) {
            const QRect onTarget = devicePixels(rect, ratio).translated(shift) & target.rect();
            if (onTarget.isEmpty())
                continue;
            // Columns of the picture the rectangle covers, and the part of them it has.
            const int first = onTarget.left() - shift.x();
            const int last = onTarget.right() - shift.x();
            const int copyFirst = std::max(first, 0);
            const int copyLast = std::min(last, screen.width() - 1);
            for (int y = onTarget.top(); y <= onTarget.bottom(); ++y) {
                // The target's row, indexed by the picture's columns.
                QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride) + shift.x();
                const int from = y - shift.y();
                if (from < 0 || from >= sourceHeight || copyFirst > copyLast) {
                    std::fill(row + first, row + last + 1, black);
                    continue;
                }
                const auto* source =
                    reinterpret_cast<const QRgb*>(sourceBits + from * sourceStride);
                std::fill(row + first, row + copyFirst, black);
                std::copy(source + copyFirst, source + copyLast + 1, row + copyFirst);
                if (copyLast < last)
                    std::fill(row + copyLast + 1, row + last + 1, black);
            }
        }
        return true;
    }

    // The Windows shift state: 1 Shift, 2 Ctrl, 4 Alt.
    static int shiftState(Qt::KeyboardModifiers modifiers) {
        return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
               (modifiers & Qt::AltModifier ? 4 : 0);
    }

    PictureBox& box;
    QPointer<QWidget> watchedWindow; // the top-level window whose restore is watched
};

struct PictureBox::State {
    QPointer<PictureWidget> widget;
    QImage screen{0, 0, QImage::Format_RGB32}; // the picture at the screen's device pixel ratio
    DeviceContext dc; // what hDC hands out; its size is the box's, kept apart from the image,
                      // which is null while one side is 0
    std::map<std::pair<int, bool>, std::unique_ptr<FontFace>> faces; // by pixel size and weight
    QString family;             // empty: the application font's
    bool paintPending = false;  // a paint event is on its way
    std::vector<QRect> touched; // drawn since the last repaint was scheduled, to be scheduled
};

namespace {

QColor colourOf(std::int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : state(std::make_unique<State>()) {
    state->widget = new PictureWidget(*this, parent);
    state->dc.screen = &state->screen;
    state->dc.colour = colourOf(colour);
    state->dc.touched = [this](const QRect& rect) {
        touch(rect);
    };
    fontChanged();
}

PictureBox::~PictureBox() {
    delete state->widget.data();
}

QWidget* PictureBox::widget() const {
    return state->widget;
}

int PictureBox::left() const {
    return state->widget->x();
}
int PictureBox::top() const {
    return state->widget->y();
}
int PictureBox::width() const {
    return state->dc.size.width();
}
int PictureBox::height() const {
    return state->dc.size.height();
}

void PictureBox::move(int left, int top) {
    state->widget->move(left, top);
}
void PictureBox::setWidth(int width) {
    resizeScreen(width, height());
}
void PictureBox::setHeight(int height) {
    resizeScreen(width(), height);
}

int PictureBox::scaleWidth() const {
    return state->dc.size.width();
}
int PictureBox::scaleHeight() const {
    return state->dc.size.height();
}

void PictureBox::setForeColor(std::int32_t bgr) {
    colour = bgr;
    state->dc.colour = colourOf(bgr);
}

void PictureBox::setFontSize(float newPoints) {
    if (newPoints == points)
        return;
    points = newPoints;
    fontChanged();
}

void PictureBox::setFontBold(bool on) {
    if (on == bold)
        return;
    bold = on;
    fontChanged();
}

void PictureBox::setFontFamily(const char* family) {
    state->family = QString::fromUtf8(family);
    state->faces.clear();
    fontChanged();
}

void PictureBox::cls() {
    state->screen.fill(Qt::black);
    if (state->widget)
        state->widget->update();
}

HDC PictureBox::hDC() {
    return &state->dc;
}

void PictureBox::setFocus() {
    state->widget->setFocus(Qt::OtherFocusReason);
}
bool PictureBox::hasFocus() const {
    return state->widget->hasFocus();
}

const QImage& PictureBox::screen() const {
    return state->screen;
}

void PictureBox::resizeScreen(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (QSize(width, height) == state->dc.size)
        return;
    state->dc.size = QSize(width, height);
    state->widget->resize(width, height);
    remakeScreen();
}

void PictureBox::matchPixelRatio() {
    if (state->widget && state->widget->devicePixelRatio() != state->screen.devicePixelRatio())
        remakeScreen();
}

// A black picture of the box's size in device pixels of the screen the box is on. Text is then
// drawn at that resolution, while every position and size the program gives stays in the box's
// own pixels.
void PictureBox::remakeScreen() {
    const qreal ratio = state->widget->devicePixelRatio();
    const QRect area(QPoint(0, 0), state->dc.size);
    state->screen = QImage(devicePixels(area, ratio).size(), QImage::Format_RGB32);
    state->screen.setDevicePixelRatio(ratio);
    state->screen.fill(Qt::black);
    raisePaint();
}

// A letter is drawn in black, then again a few pixels lower: the two rectangles share their
// columns and overlap, so they are kept as the one rectangle that is exactly their union. The
// rectangles drawn by one event (a tick, a key) are scheduled for repaint together, as one
// region, when the event loop next runs its posted events; the repaint itself comes after them.
void PictureBox::touch(const QRect& rect) {
    if (!state->widget)
        return;
    std::vector<QRect>& touched = state->touched;
    if (!touched.empty()) {
        QRect& last = touched.back();
        if (last.contains(rect))
            return;
        if (last.left() == rect.left() && last.right() == rect.right() &&
            rect.top() <= last.bottom() + 1 && rect.bottom() >= last.top() - 1) {
            last |= rect;
            return;
        }
    }
    if (touched.empty())
        QMetaObject::invokeMethod(
            state->widget.data(),
            [this] {
                if (state->widget)
                    state->widget->update(regionOf(state->touched));
                state->touched.clear();
            },
            Qt::QueuedConnection);
    touched.push_back(rect);
}

void PictureBox::raisePaint() {
    if (state->paintPending || !state->widget)
        return;
    state->paintPending = true;
    QMetaObject::invokeMethod(
        state->widget.data(),
        [this] {
            state->paintPending = false;
            if (onPaint)
                onPaint();
        },
        Qt::QueuedConnection);
}

// Text is drawn without antialiasing and fully hinted, at a pixel size fixed by the point size,
// so the same glyph always covers the same pixels and drawing it again in black erases it.
void PictureBox::fontChanged() {
    const QFont base = QApplication::font();
    const float size = points > 0 ? points : static_cast<float>(base.pointSizeF());
    const int pixels = std::max(1, static_cast<int>(std::lround(size * 96.0f / 72.0f)));
    const auto key = std::make_pair(pixels, bold);
    auto found = state->faces.find(key);
    if (found == state->faces.end()) {
        QFont font(state->family.isEmpty() ? base.family() : state->family);
        font.setPixelSize(pixels);
        font.setBold(bold);
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
        found = state->faces.emplace(key, std::make_unique<FontFace>(font)).first;
    }
    state->dc.face = found->second.get();
}

QRect devicePixels(const QRect& rect, qreal ratio) {
    return QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect();
}

// The union of the rectangles, built in bands from top to bottom: in each band of rows that no
// rectangle starts or ends inside, the rectangles' columns merged from left to right, and a band
// that repeats the one above it joined to it. This is the form a region keeps its rectangles
// in, so the region takes them as they are, without a union per rectangle.
QRegion regionOf(const std::vector<QRect>& rects) {
    if (rects.size() == 1)
        return QRegion(rects.front());
    // The rectangles by their top row, and the rows where one starts or the row after one ends.
    std::vector<QRect> byTop;
    byTop.reserve(rects.size());
    std::vector<int> edges;
    edges.reserve(rects.size() * 2);
    for (const QRect& rect : rects) {
        if (rect.isEmpty())
            continue;
        byTop.push_back(rect);
        edges.push_back(rect.top());
        edges.push_back(rect.bottom() + 1);
    }
    std::sort(byTop.begin(), byTop.end(),
              [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<QRect> banded;
    std::vector<QRect> active;                 // the rectangles that cover the band
    std::vector<std::pair<int, int>> columns;  // left and right of each run in the band
    std::vector<std::pair<int, int>> previous; // the same for the band above
    std::size_t next = 0;                      // the first rectangle not yet active
    for (std::size_t band = 0; band + 1 < edges.size(); ++band) {
        const int top = edges[band];
        const int bottom = edges[band + 1] - 1;
        std::erase_if(active, [top](const QRect& rect) { return rect.bottom() < top; });
        while (next < byTop.size() && byTop[next].top() == top)
            active.push_back(byTop[next++]);
        columns.clear();
        for (const QRect& rect : active)
            columns.emplace_back(rect.left(), rect.right());
        std::sort(columns.begin(), columns.end());
        std::size_t merged = 0;
        for (std::size_t i = 1; i < columns.size(); ++i) {
            if (columns[i].first <= columns[merged].second + 1)
                columns[merged].second = std::max(columns[merged].second, columns[i].second);
            else
                columns[++merged] = columns[i];
        }
        if (!columns.empty())
            columns.resize(merged + 1);
        if (!columns.empty() && columns == previous) {
            for (std::size_t i = banded.size() - columns.size(); i < banded.size(); ++i)
                banded[i].setBottom(bottom);
        } else {
            for (const auto& [left, right] : columns)
                banded.emplace_back(QPoint(left, top), QPoint(right, bottom));
        }
        previous.swap(columns);
    }
    QRegion region;
    region.setRects(banded.data(), static_cast<int>(banded.size()));
    return region;
}

} // namespace platform
