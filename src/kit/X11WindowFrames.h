#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>

#include "platform/X11Connection.h"

namespace fennimar {

// Where another process's windows are on an X11 desktop, read on a
// connection of its own. Without an X server it finds nothing.
class X11WindowFrames final {
public:
    // An empty display name means $DISPLAY.
    explicit X11WindowFrames(const QByteArray &displayName = {});

    // The frames of the process's managed windows that are on screen (not
    // iconified or withdrawn), in mapping order, in the desktop's
    // device-independent coordinates.
    QList<QRect> framesOf(qint32 processIdentifier) const;

private:
    platform::X11Connection m_connection;
};

} // namespace fennimar
