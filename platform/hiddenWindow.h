#pragma once

#include <functional>
#include <memory>

class QTimer;
class QWidget;

namespace platform {

// Tells when a top-level window has been out of the player's sight for longer than a short grace.
// Minimising is one way. A Wayland client is never told that it was minimised or hidden: the
// compositor just stops asking it for frames, and the toolkit then marks the window unexposed. A
// busy compositor can also leave a visible window unexposed for a moment, hence the grace.
class HiddenWindowWatch {
  public:
    explicit HiddenWindowWatch(QWidget* window);
    ~HiddenWindowWatch();
    HiddenWindowWatch(const HiddenWindowWatch&) = delete;
    HiddenWindowWatch& operator=(const HiddenWindowWatch&) = delete;

    // What the window system reported: whether any of the window can be seen. Hidden starts the
    // grace; seen again in time cancels it.
    void exposureChanged(bool exposed);

    // Ends the grace as its timer would: raises onHidden if the window is still unseen after it.
    // Returns whether it did. Tests drive the watch with it instead of waiting.
    bool deliverGraceEnd();

    std::function<void()> onHidden; // the window has stayed unseen for the whole grace

    static constexpr int graceMilliseconds = 500;

  private:
    class ExposeFilter;
    std::unique_ptr<ExposeFilter> filter;
    std::unique_ptr<QTimer> grace;
    bool waiting = false; // unseen, and the grace has not run out yet
};

} // namespace platform
