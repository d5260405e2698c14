#include "kit/SystemCalendarAuthorizationProbe.h"

#include "platform/UnavailableCalendarStore.h"

namespace fennimar {

SystemCalendarAuthorizationProbe::SystemCalendarAuthorizationProbe(
    std::unique_ptr<platform::CalendarStore> store)
    : m_store(store ? std::move(store) : std::make_unique<platform::UnavailableCalendarStore>())
{}

SystemCalendarAuthorizationProbe::~SystemCalendarAuthorizationProbe() = default;

platform::CalendarAuthorizationStatus SystemCalendarAuthorizationProbe::currentStatus()
{
    return m_store->authorizationStatus();
}

void SystemCalendarAuthorizationProbe::resetStore()
{
    m_store->reset();
}

QFuture<bool> SystemCalendarAuthorizationProbe::requestAccess()
{
    return m_store->requestFullAccessToEvents();
}

} // namespace fennimar
