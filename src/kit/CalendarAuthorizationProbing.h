#pragma once

#include <QFuture>

#include "platform/CalendarStore.h"

namespace fennimar {

// Where the calendar authorization centre reads and asks for full access to
// calendar events.
class CalendarAuthorizationProbing {
public:
    virtual ~CalendarAuthorizationProbing() = default;

    virtual platform::CalendarAuthorizationStatus currentStatus() = 0;
    virtual void resetStore() = 0;
    // Whether it was granted; a failure reads as not granted.
    virtual QFuture<bool> requestAccess() = 0;
};

} // namespace fennimar
