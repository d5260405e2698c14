#include "platform/X11WindowFrames.h"

#include <QGuiApplication>

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
    // Qt's coordinates are the server's pixels divided by the scale factor.
    const qreal scale = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                            ? qGuiApp->devicePixelRatio()
                            : 1.0;
    for (const auto window : m_connection.clientWindows()) {
        if (m_connection.processIdentifier(window) != processIdentifier)
            continue;
        auto attributes = xcbReply(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        auto geometry = xcbReply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
        auto origin = xcbReply(xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, window, m_connection.root(), 0, 0), nullptr));
        if (!geometry || !origin)
            continue;
        const QRectF native(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
        frames << QRectF(native.topLeft() / scale, native.size() / scale).toAlignedRect();
    }
    return frames;
}

} // namespace platform
