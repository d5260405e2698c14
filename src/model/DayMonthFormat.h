#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace halvex {

// How the windows write a day and month: in the zone's calendar and the
// locale's language and order.
class DayMonthFormat final {
public:
    // A milestone this close to now is named by its weekday alone.
    static constexpr qint64 weekdayHorizonSeconds = 6 * 86400;

    // The locale's pattern for a day number with the full month name and
    // nothing else ("MMMM d", "d. MMMM", "M月d日"): its long date pattern
    // without the weekday and the year.
    static QString dayMonthPattern(const QLocale &locale);

    // "March 14" in English, "14. März" in German.
    static QString dayMonth(const QDateTime &instant, const QTimeZone &zone, const QLocale &locale);

    // The full weekday name when `date` lies less than six days after
    // `now` (earlier dates included), the day and month otherwise.
    static QString milestoneDate(const QDateTime &date, const QDateTime &now, const QTimeZone &zone,
                                 const QLocale &locale);
};

} // namespace halvex
