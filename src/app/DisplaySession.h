#pragma once

#include <optional>

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

namespace halvex {

// What the desktop session offers, read from the environment before the
// application object exists. Halvex watches windows through X11: it needs an
// X display, and in a Wayland session it sees only the windows of
// applications that run under XWayland.
struct DisplaySession {
    // The Qt platform to ask for: X11's, unless the environment names one.
    std::optional<QByteArray> platformPlugin;
    // Why Halvex cannot run here; nothing when it can.
    std::optional<QString> problem;
    // Said once at start when set: what this session keeps from Halvex.
    std::optional<QString> warning;

    static DisplaySession inspect(const QProcessEnvironment &environment);
};

} // namespace halvex
