#pragma once

#include <QByteArray>

#include "platform/FrontWindowSource.h"
#include "platform/X11Connection.h"

namespace platform {

// The window in front of an X11 desktop's process, read from the window
// manager's EWMH properties on a connection of its own. Without an X server
// it finds none.
class X11FrontWindowSource final : public FrontWindowSource {
public:
    // An empty display name means $DISPLAY.
    explicit X11FrontWindowSource(const QByteArray &displayName = {});

    std::optional<FrontWindow> frontWindowOf(qint32 processIdentifier) const override;

private:
    X11Connection m_connection;
    quint32 m_frameExtents = 0; // the atoms
    quint32 m_state = 0;
    quint32 m_hidden = 0;
};

} // namespace platform
