#include "platform/X11WindowFrames.h"

#include <xcb/xcb.h>

#include "platform/XcbReply.h"

namespace platform {

X11WindowFrames::X11WindowFrames(const QByteArray &displayName)
    : m_connection(displayName)
{}

QList<QRect> X11WindowFrames::framesOf(qint32 processIdentifier) const
{
    QList<QRect> frames;
    if (!m_connection.isValid() || processIdentifier <= 0)
        return frames;
    xcb_connection_t *c = m_connection.connection();
    for (const auto window : m_connection.windowsOfProcess(processIdentifier)) {
        auto attributes = xcbReply(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const std::optional<QRect> area = m_connection.rootGeometry(window);
        if (!area)
            continue;
        frames << *area;
    }
    return frames;
}

} // namespace platform
