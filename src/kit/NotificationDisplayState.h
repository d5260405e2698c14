#pragma once

#include "platform/UserNotificationCenter.h"

namespace fennimar {

// What a permission screen shows for notifications.
enum class NotificationDisplayState { granted, denied, requesting, idle };

// Ephemeral shows as granted here although it does not count as granted.
NotificationDisplayState notificationDisplayState(platform::NotificationAuthorizationStatus status,
                                                  bool isRequesting, bool hasRequested);

} // namespace fennimar
