#include "app/DisplaySession.h"

namespace halvex {

DisplaySession DisplaySession::inspect(const QProcessEnvironment &environment)
{
    DisplaySession session;
    if (environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        session.platformPlugin = QByteArrayLiteral("xcb");
    if (environment.value(QStringLiteral("DISPLAY")).isEmpty()) {
        session.problem = QStringLiteral(
            "Halvex needs an X11 display, and DISPLAY is not set: start it from an X11 "
            "session (or a Wayland session with XWayland).");
    }
    const bool wayland = environment.value(QStringLiteral("XDG_SESSION_TYPE"))
                                 .compare(u"wayland", Qt::CaseInsensitive) == 0 ||
                         !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (wayland) {
        session.warning = QStringLiteral(
            "This is a Wayland session: Halvex sees only the windows of applications that run "
            "under XWayland, so native Wayland applications never bring up a friction panel.");
    }
    return session;
}

} // namespace halvex
