#pragma once

#include "kit/LaunchAtLoginError.h"
#include "platform/Expected.h"
#include "platform/LoginItem.h"

namespace fennimar {

enum class LaunchAtLoginStatus { enabled, requiresApproval, notRegistered, notFound, unknown };

// The system service that starts the application with the user's session.
class LaunchAtLoginBackend {
public:
    virtual ~LaunchAtLoginBackend() = default;

    // Asked afresh on every read.
    virtual LaunchAtLoginStatus status() const = 0;
    virtual platform::Expected<void, platform::LoginItemError> registerItem() = 0;
    virtual platform::Expected<void, platform::LoginItemError> unregisterItem() = 0;

    // Enabled or waiting for approval: what a switch for it shows.
    bool isRequested() const;
    bool isEnabled() const { return status() == LaunchAtLoginStatus::enabled; }
    // Registers or unregisters, turning the system's failure into ours.
    platform::Expected<void, LaunchAtLoginError> setEnabled(bool enabled);
};

} // namespace fennimar
