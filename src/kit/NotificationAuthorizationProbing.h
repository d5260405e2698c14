#pragma once

#include <QFuture>

#include "platform/UserNotificationCenter.h"

namespace fennimar {

// Where the notification authorization centre reads and asks for the
// permission to post notifications.
class NotificationAuthorizationProbing {
public:
    virtual ~NotificationAuthorizationProbing() = default;

    virtual QFuture<platform::NotificationAuthorizationStatus> currentStatus() = 0;
    // Whether it was granted; a failure reads as not granted.
    virtual QFuture<bool> request(platform::NotificationAuthorizationOptions options) = 0;
};

} // namespace fennimar
