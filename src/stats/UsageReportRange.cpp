#include "stats/UsageReportRange.h"

#include "model/CalendarDay.h"

namespace halvex {

QString raw(UsageReportRange range)
{
    return range == UsageReportRange::today ? QStringLiteral("today") : QStringLiteral("sevenDays");
}

std::optional<UsageReportRange> usageReportRangeFromRaw(const QString &raw)
{
    for (UsageReportRange range : allUsageReportRanges) {
        if (halvex::raw(range) == raw)
            return range;
    }
    return std::nullopt;
}

double suggestionThresholdSeconds(UsageReportRange range)
{
    return range == UsageReportRange::today ? 1800.0 : 7200.0;
}

UsageReportInterval interval(UsageReportRange range, const QDateTime &now, const QTimeZone &zone)
{
    const QDate today = calendar::localDate(now, zone);
    const QDateTime dayStart = calendar::startOfDay(now, zone);
    // A date the zone cannot place gives no instant; the day then ends now.
    QDateTime dayEnd = today.addDays(1).startOfDay(zone).toUTC();
    if (!dayEnd.isValid())
        dayEnd = now;
    if (range == UsageReportRange::today)
        return {dayStart, dayEnd};
    QDateTime weekStart = calendar::localDate(dayEnd, zone).addDays(-7).startOfDay(zone).toUTC();
    if (!weekStart.isValid())
        weekStart = now;
    return {weekStart, dayEnd};
}

} // namespace halvex
