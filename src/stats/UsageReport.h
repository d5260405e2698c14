#pragma once

#include <map>
#include <memory>
#include <vector>

#include <QDateTime>
#include <QTimeZone>
#include <QUuid>

#include "stats/UsageReportRange.h"
#include "stats/UsageStreakSummary.h"

namespace halvex {

class UsageSession;

// How long a dismissed block suggestion stays silent.
inline constexpr qint64 suggestionSilenceSeconds = 86'400;

// Folds usage sessions (in any order) into one summary per streak for the
// range around `now`, largest total first. A session counts whole, by its
// start: one that began inside the range counts all its time even if it ran
// past the end, one that began before it counts nothing. Sessions without a
// streak are left out. Streaks with equal totals keep the order in which
// they first appear in `sessions`.
//
// `dismissed` maps a streak to when its suggestion was last answered "Not
// now"; that silences it for a day. Pure: reads nothing else, writes nothing.
std::vector<UsageStreakSummary>
summarizeUsage(const std::vector<std::shared_ptr<UsageSession>> &sessions, UsageReportRange range,
               const std::map<QUuid, QDateTime> &dismissed, const QDateTime &now,
               const QTimeZone &zone);

// The short text of a duration: "42s", "17m" or "2h 3m". Seconds are cut
// toward zero and minutes never rounded up; seconds show only under a minute.
QString formatUsageDuration(double seconds);

} // namespace halvex
