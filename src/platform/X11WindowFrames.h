#pragma once

#include <QByteArray>

#include "platform/WindowFrames.h"
#include "platform/X11Connection.h"

namespace platform {

// The window frames of an X11 desktop, read on a connection of its own.
// Without an X server it finds nothing.
class X11WindowFrames final : public WindowFrames {
public:
    // An empty display name means $DISPLAY.
    explicit X11WindowFrames(const QByteArray &displayName = {});

    QList<QRect> framesOf(qint32 processIdentifier) const override;

private:
    X11Connection m_connection;
};

} // namespace platform
