#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace halvex {

class Streak;

// Minutes since local midnight by the wall clock of the zone.
int minutesOfDay(const QDateTime &date, const QTimeZone &calendar);

// Whether the streak's daily window and weekday mask put it in force at
// `date`. The hours of an overnight window after midnight belong to the
// weekday on which the window opened.
bool isStreakActive(const Streak &streak, const QDateTime &date, const QTimeZone &calendar);

// Weekdays count from Sunday = 1 to Saturday = 7; bit (weekday - 1) of the mask.
bool weekdayMaskContains(int weekday, qint64 mask);
qint64 weekdayMaskBit(int weekday);

} // namespace halvex
