#include "kit/NotificationDisplayState.h"

namespace fennimar {

NotificationDisplayState notificationDisplayState(platform::NotificationAuthorizationStatus status,
                                                  bool isRequesting, bool hasRequested)
{
    using Status = platform::NotificationAuthorizationStatus;
    switch (status) {
    case Status::denied:
        return NotificationDisplayState::denied;
    case Status::authorized:
    case Status::provisional:
    case Status::ephemeral:
        return NotificationDisplayState::granted;
    case Status::notDetermined:
        break;
    }
    if (isRequesting)
        return NotificationDisplayState::requesting;
    return hasRequested ? NotificationDisplayState::denied : NotificationDisplayState::idle;
}

} // namespace fennimar
