#include "engine/ActiveWindow.h"

#include "model/CalendarDay.h"
#include "model/Streak.h"

namespace halvex {

int minutesOfDay(const QDateTime &date, const QTimeZone &calendar)
{
    return calendar::minuteOfDay(date, calendar);
}

bool isStreakActive(const Streak &streak, const QDateTime &date, const QTimeZone &calendar)
{
    if (!streak.activeWindowEnabled())
        return true;

    const int m = minutesOfDay(date, calendar);
    const int w = calendar::weekday(date, calendar);
    const int s = streak.activeWindowStartMinutes();
    const int e = streak.activeWindowEndMinutes();

    if (s < e && !(s <= m && m < e))
        return false;
    if (s > e && !(m >= s || m < e))
        return false;

    const bool afterMidnightOfOvernight = e < s && m < e;
    const int day = afterMidnightOfOvernight ? (w + 5) % 7 + 1 : w;
    return weekdayMaskContains(day, streak.activeWeekdaysMask());
}

bool weekdayMaskContains(int weekday, qint64 mask)
{
    const int bit = weekday - 1;
    if (bit < 0 || bit >= 64)
        return false;
    return (static_cast<quint64>(mask) >> bit) & 1u;
}

qint64 weekdayMaskBit(int weekday)
{
    const int bit = weekday - 1;
    if (bit < 0 || bit >= 64)
        return 0;
    return static_cast<qint64>(quint64{1} << bit);
}

} // namespace halvex
