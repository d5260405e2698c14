#pragma once

#include "platform/CalendarStore.h"

namespace platform {

// This desktop grants no calendar permission to single applications: access
// is restricted by the system, and asking changes nothing.
class UnavailableCalendarStore final : public CalendarStore {
public:
    CalendarAuthorizationStatus authorizationStatus() const override;
    void reset() override {}
    QFuture<bool> requestFullAccessToEvents() override;
};

} // namespace platform
