#pragma once

#include <array>
#include <optional>

#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace halvex {

// The stretch of days the usage report covers.
enum class UsageReportRange { today, sevenDays };

// Every range, in the order the range picker shows them.
inline constexpr std::array<UsageReportRange, 2> allUsageReportRanges{UsageReportRange::today,
                                                                      UsageReportRange::sevenDays};

QString raw(UsageReportRange range); // "today", "sevenDays"
std::optional<UsageReportRange> usageReportRangeFromRaw(const QString &raw);

// Seconds past the friction panel at which a streak earns a block suggestion.
double suggestionThresholdSeconds(UsageReportRange range);

// A span of time with both ends included.
struct UsageReportInterval {
    QDateTime start;
    QDateTime end;

    bool contains(const QDateTime &instant) const { return start <= instant && instant <= end; }
    friend bool operator==(const UsageReportInterval &, const UsageReportInterval &) = default;
};

// Local midnight to local midnight in `zone`: today alone, or today and the
// six whole days before it. Days are calendar days, so one that crosses a
// daylight-saving change lasts 23 or 25 hours.
UsageReportInterval interval(UsageReportRange range, const QDateTime &now, const QTimeZone &zone);

} // namespace halvex
