#include "stats/StatsMetrics.h"

#include <algorithm>

#include "engine/StreakEngine.h"
#include "model/CalendarDay.h"
#include "model/TriggerEvent.h"

namespace halvex {

std::optional<qint64> nextMilestoneDay(qint64 days)
{
    const auto next = std::upper_bound(milestoneDays.begin(), milestoneDays.end(), days);
    if (next == milestoneDays.end())
        return std::nullopt;
    return *next;
}

qint64 barScaleDays(qint64 topDays)
{
    return nextMilestoneDay(topDays).value_or(std::max<qint64>(topDays, 1));
}

StatsMetrics StatsMetrics::compute(const StreakEngine &engine)
{
    StatsMetrics metrics;
    qint64 topDays = 0;
    bool first = true;
    for (const auto &streak : engine.streaks()) {
        const qint64 days = engine.days(*streak);
        metrics.totalCleanDays += days;
        const qint64 longest = std::max(days, streak->bestDays());
        metrics.longestStreakDays = first ? longest : std::max(metrics.longestStreakDays, longest);
        topDays = first ? days : std::max(topDays, days);
        first = false;
        if (!metrics.earliestStreakCreation ||
            streak->createdAt() < *metrics.earliestStreakCreation)
            metrics.earliestStreakCreation = streak->createdAt();

        if (engine.pausedUntilIfActive(*streak))
            continue;
        const std::optional<qint64> target = nextMilestoneDay(days);
        if (!target)
            continue;
        const QDateTime date = streak->startedAt().addSecs(*target * StreakEngine::secondsPerDay);
        // Strictly earlier: on a tie the streak found first keeps it.
        if (!metrics.nextMilestone || date < metrics.nextMilestone->date)
            metrics.nextMilestone = UpcomingMilestone{streak->name(), *target, date};
    }
    // Without streaks the top count is 0 and the bars measure a week.
    metrics.barScaleDays = halvex::barScaleDays(topDays);
    return metrics;
}

QDateTime stepBackCutoff(const QDateTime &now, const QTimeZone &zone)
{
    return calendar::startOfDay(now, zone).addSecs(-7 * StreakEngine::secondsPerDay).toUTC();
}

FetchDescriptor<TriggerEvent> recentStepBacksFetch(const QDateTime &cutoff)
{
    using Op = Predicate::Op;
    return {Predicate::compare(QStringLiteral("firedAt"), Op::greaterOrEqual, cutoff) &&
            Predicate::equal(QStringLiteral("outcomeRaw"), raw(TriggerOutcome::stepBack))};
}

} // namespace halvex
