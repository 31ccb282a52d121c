#include "platform/hiddenWindow.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

// Passes the expose events of the widget's native window on to the watch. The native window
// exists once the widget has been shown, so it is looked for at every show.
class HiddenWindowWatch::ExposeFilter final : public QObject {
  public:
    ExposeFilter(HiddenWindowWatch& watch, QWidget* widget) : watch(watch), widget(widget) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget && event->type() == QEvent::Show) {
            QWindow* native = widget->windowHandle();
            if (native && native != window) {
                if (window)
                    window->removeEventFilter(this);
                window = native;
                window->installEventFilter(this);
            }
        } else if (watched == window && event->type() == QEvent::Expose) {
            watch.exposureChanged(window->isExposed());
        }
        return false;
    }

  private:
    HiddenWindowWatch& watch;
    QWidget* widget;
    QPointer<QWindow> window; // the native window whose exposure is watched
};

HiddenWindowWatch::HiddenWindowWatch(QWidget* window)
    : filter(std::make_unique<ExposeFilter>(*this, window)), grace(std::make_unique<QTimer>()) {
    grace->setSingleShot(true);
    grace->setInterval(graceMilliseconds);
    QObject::connect(grace.get(), &QTimer::timeout, [this] { deliverGraceEnd(); });
}

HiddenWindowWatch::~HiddenWindowWatch() = default;

void HiddenWindowWatch::exposureChanged(bool exposed) {
    if (exposed) {
        waiting = false;
        grace->stop();
    } else if (!waiting) {
        waiting = true;
        grace->start();
    }
}

bool HiddenWindowWatch::deliverGraceEnd() {
    if (!waiting)
        return false;
    waiting = false;
    grace->stop();
    if (onHidden)
        onHidden();
    return true;
}

} // namespace platform
