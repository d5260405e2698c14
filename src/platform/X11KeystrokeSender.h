#pragma once

#include <functional>

#include <QMutex>

#include "platform/KeystrokeSending.h"
#include "platform/X11Connection.h"

namespace platform {

// Posts shortcuts through XTest. XTest types into whichever window has the
// focus, so a key is posted only while the target process owns the active
// window. The Command chords become this desktop's own shortcuts: back is
// Alt+Left, closing a tab Ctrl+W and a new tab Ctrl+T.
class X11KeystrokeSender final : public KeystrokeSending {
public:
    // isTrusted tells whether the user allows us to drive other applications.
    X11KeystrokeSender(std::function<bool()> isTrusted, const X11Connection &connection)
        : m_isTrusted(std::move(isTrusted))
        , m_connection(connection)
    {}

    bool send(quint16 keyCode, qint32 processIdentifier) override;

private:
    std::function<bool()> m_isTrusted;
    const X11Connection &m_connection;
    QMutex m_mutex;
};

} // namespace platform
