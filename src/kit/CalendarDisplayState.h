#pragma once

#include "platform/CalendarStore.h"

namespace fennimar {

// What a permission screen shows for calendar events.
enum class CalendarDisplayState { granted, limited, denied, restricted, requesting, idle };

// Write-only access shows as limited; a status outside the known ones is
// idle unless a request runs, whatever was asked before.
CalendarDisplayState calendarDisplayState(platform::CalendarAuthorizationStatus status,
                                          bool isRequesting, bool hasRequested);

} // namespace fennimar
