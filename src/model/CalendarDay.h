#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

namespace halvex::calendar {

// Calendar days are reckoned in the given zone and are as long as that zone
// says: 23 or 25 hours across a daylight-saving change.

// The local calendar date of an instant.
QDate localDate(const QDateTime &instant, const QTimeZone &zone);
// The first instant of the local day holding `instant` (midnight, or the
// first valid time where midnight is skipped).
QDateTime startOfDay(const QDateTime &instant, const QTimeZone &zone);
// The first instant of the next local day.
QDateTime startOfNextDay(const QDateTime &instant, const QTimeZone &zone);
bool isSameDay(const QDateTime &a, const QDateTime &b, const QTimeZone &zone);
// Weekday counted from Sunday = 1 to Saturday = 7.
int weekday(const QDateTime &instant, const QTimeZone &zone);
// Minutes after local midnight by the wall clock (0...1439).
int minuteOfDay(const QDateTime &instant, const QTimeZone &zone);

} // namespace halvex::calendar
