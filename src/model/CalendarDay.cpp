#include "model/CalendarDay.h"

namespace halvex::calendar {

QDate localDate(const QDateTime &instant, const QTimeZone &zone)
{
    return instant.toTimeZone(zone).date();
}

QDateTime startOfDay(const QDateTime &instant, const QTimeZone &zone)
{
    return localDate(instant, zone).startOfDay(zone).toUTC();
}

QDateTime startOfNextDay(const QDateTime &instant, const QTimeZone &zone)
{
    return localDate(instant, zone).addDays(1).startOfDay(zone).toUTC();
}

bool isSameDay(const QDateTime &a, const QDateTime &b, const QTimeZone &zone)
{
    return localDate(a, zone) == localDate(b, zone);
}

int weekday(const QDateTime &instant, const QTimeZone &zone)
{
    // Qt counts Monday = 1 ... Sunday = 7.
    return localDate(instant, zone).dayOfWeek() % 7 + 1;
}

int minuteOfDay(const QDateTime &instant, const QTimeZone &zone)
{
    const QTime t = instant.toTimeZone(zone).time();
    return t.hour() * 60 + t.minute();
}

} // namespace halvex::calendar
