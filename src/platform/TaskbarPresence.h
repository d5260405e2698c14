#pragma once

class QWindow;

namespace platform {

// Whether the desktop shows a window of ours in its task bar (and pager).
class TaskbarPresence {
public:
    virtual ~TaskbarPresence() = default;

    // Whether there is a desktop to tell; without one nothing below has effect.
    virtual bool isAvailable() const = 0;
    // Works on windows that are on screen and on windows not mapped yet,
    // which keep it when they are. The window must have been created.
    virtual void setSkippingTaskbar(QWindow *window, bool skip) = 0;
    virtual bool isSkippingTaskbar(const QWindow *window) const = 0;
};

} // namespace platform
