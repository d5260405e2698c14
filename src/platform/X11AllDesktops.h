#pragma once

#include <optional>

#include <QByteArray>

#include "platform/X11Connection.h"

namespace platform {

// Puts windows of this application on every virtual desktop of an EWMH
// window manager, so that switching desktops does not leave them behind.
// On a connection of its own; without an X server it does nothing.
class X11AllDesktops final {
public:
    using Window = X11Connection::Window;
    static constexpr quint32 allDesktops = 0xFFFFFFFF;

    // An empty display name means $DISPLAY.
    explicit X11AllDesktops(const QByteArray &displayName = {});

    bool isConnected() const { return m_connection.isValid(); }

    // A window not yet mapped gets the desktop "all" and the sticky state
    // (which some window managers want instead) in its properties, which the
    // window manager reads when it maps it (settled before this returns, so
    // that a map request sent afterwards on another connection comes later);
    // for a window it manages, mapped or kept out of sight, the window
    // manager is asked.
    void showOnAllDesktops(Window window) const;

    // The desktop the window's property names (allDesktops for every one).
    std::optional<quint32> desktopOf(Window window) const;

private:
    X11Connection m_connection;
    quint32 m_desktop = 0; // the atoms
    quint32 m_state = 0;
    quint32 m_sticky = 0;
};

} // namespace platform
