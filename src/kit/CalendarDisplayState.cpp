#include "kit/CalendarDisplayState.h"

namespace fennimar {

CalendarDisplayState calendarDisplayState(platform::CalendarAuthorizationStatus status,
                                          bool isRequesting, bool hasRequested)
{
    using Status = platform::CalendarAuthorizationStatus;
    switch (status) {
    case Status::notDetermined:
        if (isRequesting)
            return CalendarDisplayState::requesting;
        return hasRequested ? CalendarDisplayState::denied : CalendarDisplayState::idle;
    case Status::restricted:
        return CalendarDisplayState::restricted;
    case Status::denied:
        return CalendarDisplayState::denied;
    case Status::fullAccess:
        return CalendarDisplayState::granted;
    case Status::writeOnly:
        return CalendarDisplayState::limited;
    }
    return isRequesting ? CalendarDisplayState::requesting : CalendarDisplayState::idle;
}

} // namespace fennimar
