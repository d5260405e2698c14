#include "platform/UnavailableCalendarStore.h"

#include <QFuture>

namespace platform {

CalendarAuthorizationStatus UnavailableCalendarStore::authorizationStatus() const
{
    return CalendarAuthorizationStatus::restricted;
}

QFuture<bool> UnavailableCalendarStore::requestFullAccessToEvents()
{
    return QtFuture::makeReadyFuture(false);
}

} // namespace platform
