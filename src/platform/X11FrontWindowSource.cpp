#include "platform/X11FrontWindowSource.h"

#include <xcb/xcb.h>

namespace platform {

X11FrontWindowSource::X11FrontWindowSource(const QByteArray &displayName)
    : m_connection(displayName)
{
    if (!m_connection.isValid())
        return;
    m_frameExtents = m_connection.atom("_NET_FRAME_EXTENTS");
    m_state = m_connection.atom("_NET_WM_STATE");
    m_hidden = m_connection.atom("_NET_WM_STATE_HIDDEN");
}

std::optional<FrontWindow> X11FrontWindowSource::frontWindowOf(qint32 processIdentifier) const
{
    if (!m_connection.isValid() || processIdentifier <= 0)
        return std::nullopt;
    const std::optional<X11Connection::Window> front =
        m_connection.frontmostOf(m_connection.windowsOfProcess(processIdentifier));
    if (!front)
        return std::nullopt;
    // Iconified and other desktops' windows keep their place: the window
    // manager only unmaps their frames.
    const std::optional<QRect> clientArea = m_connection.rootGeometry(*front);
    if (!clientArea)
        return std::nullopt;

    FrontWindow window;
    window.title = m_connection.stringProperty(*front, "_NET_WM_NAME");
    if (window.title.isEmpty())
        window.title = m_connection.stringProperty(*front, "WM_NAME");
    window.clientArea = *clientArea;
    const QList<quint32> extents =
        m_connection.cardinalProperty(*front, m_frameExtents, XCB_ATOM_CARDINAL);
    if (extents.size() == 4)
        window.frameExtents =
            QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
    // Only the EWMH state tells an iconified window from one on another
    // desktop; ICCCM's WM_STATE calls both iconic.
    window.minimised =
        m_connection.cardinalProperty(*front, m_state, XCB_ATOM_ATOM).contains(m_hidden);
    return window;
}

} // namespace platform
