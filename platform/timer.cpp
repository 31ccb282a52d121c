#include "platform/timer.h"

#include <QTimer>

namespace platform {

Timer::Timer() : timer(std::make_unique<QTimer>()) {
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, [this] { deliverTick(); });
}

Timer::~Timer() = default;

void Timer::setEnabled(bool on) {
    if (on == isEnabled)
        return;
    isEnabled = on;
    apply();
}

void Timer::setInterval(int ms) {
    if (ms == milliseconds)
        return;
    milliseconds = ms;
    apply();
}

bool Timer::deliverTick() {
    if (!isEnabled || milliseconds <= 0 || !onTimer)
        return false;
    onTimer();
    return true;
}

void Timer::apply() {
    if (isEnabled && milliseconds > 0)
        timer->start(milliseconds);
    else
        timer->stop();
}

} // namespace platform
