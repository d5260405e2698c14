#pragma once

#include <memory>

#include "kit/CalendarAuthorizationProbing.h"

namespace fennimar {

// Calendar access as the system's calendar store grants it; on this desktop
// that is the stand-in that reports access restricted.
class SystemCalendarAuthorizationProbe final : public CalendarAuthorizationProbing {
public:
    explicit SystemCalendarAuthorizationProbe(std::unique_ptr<platform::CalendarStore> store = {});
    ~SystemCalendarAuthorizationProbe() override;

    platform::CalendarAuthorizationStatus currentStatus() override;
    void resetStore() override;
    QFuture<bool> requestAccess() override;

private:
    std::unique_ptr<platform::CalendarStore> m_store;
};

} // namespace fennimar
