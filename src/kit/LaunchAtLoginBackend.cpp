#include "kit/LaunchAtLoginBackend.h"

namespace fennimar {

bool LaunchAtLoginBackend::isRequested() const
{
    const LaunchAtLoginStatus current = status();
    return current == LaunchAtLoginStatus::enabled ||
           current == LaunchAtLoginStatus::requiresApproval;
}

platform::Expected<void, LaunchAtLoginError> LaunchAtLoginBackend::setEnabled(bool enabled)
{
    const platform::Expected<void, platform::LoginItemError> done =
        enabled ? registerItem() : unregisterItem();
    if (!done)
        return platform::unexpected(LaunchAtLoginError::fromPlatform(done.error()));
    return {};
}

} // namespace fennimar
