#pragma once

#include <memory>

#include "platform/TaskbarPresence.h"

namespace platform {

// Task-bar presence on an X11 desktop: the EWMH skip-taskbar and skip-pager
// states, asked of the window manager for mapped windows and written
// directly on windows it has yet to map. Works only on Qt's xcb platform;
// elsewhere it is not available.
class X11TaskbarPresence final : public TaskbarPresence {
public:
    X11TaskbarPresence();
    ~X11TaskbarPresence() override;
    X11TaskbarPresence(const X11TaskbarPresence &) = delete;
    X11TaskbarPresence &operator=(const X11TaskbarPresence &) = delete;

    bool isAvailable() const override { return d != nullptr; }
    void setSkippingTaskbar(QWindow *window, bool skip) override;
    bool isSkippingTaskbar(const QWindow *window) const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform
