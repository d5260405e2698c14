#include "kit/LaunchAtLogin.h"

#include "kit/AutostartBackend.h"
#include "platform/DesktopSettings.h"
#include "platform/Log.h"

namespace fennimar {

LaunchAtLoginBackend &LaunchAtLogin::backend()
{
    // Made once, safely against a concurrent first use.
    static AutostartBackend shared;
    return shared;
}

bool LaunchAtLogin::openSystemSettings()
{
    if (platform::DesktopSettings().open(platform::DesktopSettingsPage::startupApplications))
        return true;
    platform::log::kit("Permissions")
        .info("no startup-applications settings of this desktop could be opened");
    return false;
}

} // namespace fennimar
