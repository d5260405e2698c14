#pragma once

#include <QString>

#include "platform/Expected.h"

namespace platform {

// Added to the command line of a launch at login, so the application can
// tell such a launch from one by the user.
inline constexpr const char *loginLaunchArgument = "--launched-at-login";

enum class LoginItemStatus { notRegistered, enabled, requiresApproval, notFound };

// Why registering or unregistering failed. The code tells the cases callers
// treat apart; the description is the system's own text.
struct LoginItemError {
    static constexpr int requiresApprovalCode = 1;
    static constexpr int notFoundCode = 2;
    static constexpr int writeFailedCode = 3;

    int code = 0;
    QString description;
};

// This application as an item started with the user's session.
class LoginItem {
public:
    virtual ~LoginItem() = default;

    virtual LoginItemStatus status() const = 0;
    virtual Expected<void, LoginItemError> registerItem() = 0;
    // Succeeds when nothing is registered.
    virtual Expected<void, LoginItemError> unregisterItem() = 0;
};

} // namespace platform
