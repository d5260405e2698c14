#pragma once

#include <array>
#include <optional>

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include "engine/Milestones.h"
#include "model/Predicate.h"

namespace halvex {

class StreakEngine;
class TriggerEvent;

// The first milestone strictly above `days`; none from 365 days on.
std::optional<qint64> nextMilestoneDay(qint64 days);

// The day count that fills a streak bar when the longest current run is
// `topDays`: the next milestone above it, or the run itself (at least 1)
// once every milestone lies behind.
qint64 barScaleDays(qint64 topDays);

// The streak whose next milestone comes first.
struct UpcomingMilestone {
    QString name;
    qint64 target = 0;
    QDateTime date;

    friend bool operator==(const UpcomingMilestone &, const UpcomingMilestone &) = default;
};

// What the statistics window derives from the engine's streak list, with the
// engine's day counts and pause checks (so its clock) at the moment of the
// call. Paused streaks count everywhere except for the next milestone.
struct StatsMetrics {
    qint64 totalCleanDays = 0;
    // The longest current run or recorded best of any streak.
    qint64 longestStreakDays = 0;
    std::optional<QDateTime> earliestStreakCreation;
    qint64 barScaleDays = milestoneDays.front();
    std::optional<UpcomingMilestone> nextMilestone;

    static StatsMetrics compute(const StreakEngine &engine);
};

// The start of the window of "steps back this week": the start of the day
// holding `now` in `zone`, less seven times 86,400 seconds.
QDateTime stepBackCutoff(const QDateTime &now, const QTimeZone &zone);

// The step-back events at or after `cutoff`.
FetchDescriptor<TriggerEvent> recentStepBacksFetch(const QDateTime &cutoff);

} // namespace halvex
