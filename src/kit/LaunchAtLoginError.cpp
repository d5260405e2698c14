#include "kit/LaunchAtLoginError.h"

namespace fennimar {

LaunchAtLoginError LaunchAtLoginError::fromPlatform(const platform::LoginItemError &error)
{
    switch (error.code) {
    case platform::LoginItemError::requiresApprovalCode:
        return requiresApproval();
    case platform::LoginItemError::notFoundCode:
        return notFound();
    default:
        return failed(error.description);
    }
}

QString LaunchAtLoginError::errorDescription() const
{
    switch (m_kind) {
    case Kind::requiresApproval:
        //% "Open your desktop's Startup Applications settings to enable launch at login."
        return qtTrId("kit.launchAtLogin.requiresApproval");
    case Kind::notFound:
        //% "The app's program file could not be found. Reinstall the app to launch it at login."
        return qtTrId("kit.launchAtLogin.notFound");
    case Kind::failed:
        break;
    }
    return m_message;
}

} // namespace fennimar
