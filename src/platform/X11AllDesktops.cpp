#include "platform/X11AllDesktops.h"

#include <array>

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
    if (attributes->map_state == XCB_MAP_STATE_UNMAPPED) {
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
        // A mapped window's desktop and state belong to the window manager.
        constexpr quint32 add = 1, sourceApplication = 1;
        const auto ask = [&](xcb_atom_t type, std::array<quint32, 5> data) {
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = type;
            std::copy(data.begin(), data.end(), message.data.data32);
            xcb_send_event(c, 0, m_connection.root(),
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT |
                               XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char *>(&message));
        };
        ask(m_desktop, {allDesktops, sourceApplication, 0, 0, 0});
        ask(m_state, {add, m_sticky, 0, sourceApplication, 0});
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
