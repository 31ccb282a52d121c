#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace platform {

// A repeating timer on the user-interface thread. It ticks only while it is enabled and has a
// non-zero interval; enabled and interval are kept as set, whatever the other holds.
class Timer {
  public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return isEnabled; }
    void setEnabled(bool on);
    int interval() const { return milliseconds; }
    void setInterval(int ms);

    // Runs the tick handler as a tick of this timer would: only while the timer is running.
    // Returns whether a tick ran. Tests drive the game with it instead of waiting.
    bool deliverTick();

    std::function<void()> onTimer; // the tick event

  private:
    void apply();

    std::unique_ptr<QTimer> timer; // precise, so 30 ms ticks do not drift
    bool isEnabled = true;         // enabled, as at design
    int milliseconds = 0;          // interval; 0 gives no ticks
};

} // namespace platform
