#pragma once

#include "kit/NotificationAuthorizationProbing.h"

namespace fennimar {

// The permission as the desktop's notification centre holds it.
class SystemNotificationAuthorizationProbe final : public NotificationAuthorizationProbing {
public:
    explicit SystemNotificationAuthorizationProbe(
        platform::UserNotificationCenter &center = platform::UserNotificationCenter::current())
        : m_center(center)
    {}

    QFuture<platform::NotificationAuthorizationStatus> currentStatus() override
    {
        return m_center.authorizationStatus();
    }
    QFuture<bool> request(platform::NotificationAuthorizationOptions options) override
    {
        return m_center.requestAuthorization(options);
    }

private:
    platform::UserNotificationCenter &m_center;
};

} // namespace fennimar
