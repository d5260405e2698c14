#pragma once

#include <optional>

#include <QMargins>
#include <QRect>
#include <QString>

namespace platform {

// A process's window in front as the window manager has it, in the server's
// pixels.
struct FrontWindow {
    QString title = {};
    // The window's own area, without the window manager's decorations, in
    // root coordinates.
    QRect clientArea = {};
    // How far the window manager's decorations reach beyond the client area.
    QMargins frameExtents = {};
    // Iconified by the user (not merely on another desktop).
    bool minimised = false;

    friend bool operator==(const FrontWindow &, const FrontWindow &) = default;
};

// Which of a process's windows is in front: the active window when the
// process has it, otherwise the one that activating the process brings
// forward. May be used from any thread.
class FrontWindowSource {
public:
    virtual ~FrontWindowSource() = default;

    // None when the process has no managed window.
    virtual std::optional<FrontWindow> frontWindowOf(qint32 processIdentifier) const = 0;
};

} // namespace platform
