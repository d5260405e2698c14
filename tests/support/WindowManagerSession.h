#pragma once

#include <QProcess>
#include <QString>

namespace testing {

// Gives an X display a window manager (openbox) when it has none: only a
// window manager names the active window and iconifies. Stops what it started.
class WindowManagerSession final {
public:
    WindowManagerSession() = default;
    ~WindowManagerSession();
    WindowManagerSession(const WindowManagerSession &) = delete;
    WindowManagerSession &operator=(const WindowManagerSession &) = delete;

    // Empty when a window manager is ready; otherwise why not. With
    // `untilManaging`, also waits until it really manages a window: openbox
    // announces itself before it is done starting and drops windows mapped
    // in that gap.
    QString ensureRunning(bool untilManaging = true);

private:
    QProcess m_process;
};

} // namespace testing
