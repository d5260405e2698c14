#include "platform/X11AllDesktops.h"

#include <QList>

#include <xcb/xcb.h>

#include "platform/XcbReply.h"

namespace platform {

X11AllDesktops::X11AllDesktops(const QByteArray &displayName)
    : m_connection(displayName)
{
    if (!m_connection.isValid())
        return;
    m_desktop = m_connection.atom("_NET_WM_DESKTOP");
    m_state = m_connection.atom("_NET_WM_STATE");
    m_sticky = m_connection.atom("_NET_WM_STATE_STICKY");
}

void X11AllDesktops::showOnAllDesktops(Window window) const
{
    if (!m_connection.isValid() || window == XCB_NONE)
        return;
    xcb_connection_t *c = m_connection.connection();
    auto attributes =
        xcbReply(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    if (!attributes)
        return; // no such window
    // The window manager unmaps the windows it keeps out of sight (on
    // another desktop, minimised) but still manages them.
    if (attributes->map_state == XCB_MAP_STATE_UNMAPPED &&
        !m_connection.clientWindows().contains(window)) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, m_desktop, XCB_ATOM_CARDINAL, 32, 1,
                            &allDesktops);
        // Qt merges the states it manages into what it finds here.
        QList<quint32> states = m_connection.cardinalProperty(window, m_state, XCB_ATOM_ATOM);
        if (!states.contains(m_sticky)) {
            states << m_sticky;
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, m_state, XCB_ATOM_ATOM, 32,
                                uint32_t(states.size()), states.constData());
        }
    } else {
        // A managed window's desktop and state belong to the window manager.
        constexpr quint32 add = 1, sourceApplication = 1;
        m_connection.sendToWindowManager(window, m_desktop,
                                         {allDesktops, sourceApplication, 0, 0, 0});
        m_connection.sendToWindowManager(window, m_state, {add, m_sticky, 0, sourceApplication, 0});
    }
    xcbReply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

std::optional<quint32> X11AllDesktops::desktopOf(Window window) const
{
    if (!m_connection.isValid())
        return std::nullopt;
    const QList<quint32> found =
        m_connection.cardinalProperty(window, m_desktop, XCB_ATOM_CARDINAL);
    return found.isEmpty() ? std::nullopt : std::optional<quint32>(found.first());
}

} // namespace platform
