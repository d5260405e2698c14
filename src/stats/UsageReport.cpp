#include "stats/UsageReport.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QHash>

#include "model/Streak.h"
#include "model/UsageSession.h"

namespace halvex {

namespace {

struct Group {
    const UsageSession *first; // its streak names the summary
    double total = 0.0;
    double unallowed = 0.0;
    qint64 count = 0;
};

// A corrupt row's duration (not a number, infinite) would poison the sums
// and with them the sort; it counts as no time.
double usableDuration(double seconds)
{
    return std::isfinite(seconds) ? seconds : 0.0;
}

} // namespace

std::vector<UsageStreakSummary>
summarizeUsage(const std::vector<std::shared_ptr<UsageSession>> &sessions, UsageReportRange range,
               const std::map<QUuid, QDateTime> &dismissed, const QDateTime &now,
               const QTimeZone &zone)
{
    const UsageReportInterval span = interval(range, now, zone);
    const qint64 from = span.start.toMSecsSinceEpoch();
    const qint64 to = span.end.toMSecsSinceEpoch();

    // Groups in order of first appearance, so that the stable sort below
    // leaves equal totals in an order that does not change between draws.
    std::vector<Group> groups;
    QHash<QUuid, size_t> groupOf;
    QUuid lastId;
    size_t lastGroup = 0;
    for (const auto &session : sessions) {
        if (!session || session->streakId().isNull())
            continue;
        const qint64 started = session->startedAt().toMSecsSinceEpoch();
        if (started < from || started > to || !session->startedAt().isValid())
            continue;
        // Sessions of one streak tend to come in runs; skip the lookup then.
        if (groups.empty() || session->streakId() != lastId) {
            lastId = session->streakId();
            const auto found = groupOf.constFind(lastId);
            if (found == groupOf.constEnd()) {
                lastGroup = groups.size();
                groupOf.insert(lastId, lastGroup);
                groups.push_back({session.get()});
            } else {
                lastGroup = *found;
            }
        }
        Group &group = groups[lastGroup];
        const double duration = usableDuration(session->durationSec());
        group.total += duration;
        if (!session->isAllowance())
            group.unallowed += duration;
        ++group.count;
    }

    const double threshold = suggestionThresholdSeconds(range);
    std::vector<UsageStreakSummary> summaries;
    summaries.reserve(groups.size());
    for (const Group &group : groups) {
        // The streak may be deleted but not yet saved: its sessions go with it.
        const std::shared_ptr<Streak> streak = group.first->streak();
        if (!streak)
            continue;
        bool silenced = false;
        if (const auto entry = dismissed.find(streak->id()); entry != dismissed.end())
            silenced = entry->second.msecsTo(now) < suggestionSilenceSeconds * 1000;
        summaries.push_back({streak->id(), streak->name(), group.total, group.unallowed,
                             group.count, group.unallowed >= threshold && !silenced});
    }
    std::stable_sort(summaries.begin(), summaries.end(),
                     [](const auto &a, const auto &b) { return a.totalSeconds > b.totalSeconds; });
    return summaries;
}

QString formatUsageDuration(double seconds)
{
    // Guards what the row would otherwise turn into nonsense or undefined
    // behaviour: no number or a negative one reads as nothing, a huge one
    // is capped.
    qint64 t = 0;
    if (seconds >= double(std::numeric_limits<qint64>::max()))
        t = std::numeric_limits<qint64>::max();
    else if (seconds > 0)
        t = qint64(seconds);
    if (t >= 3600) {
        //% "%1h %2m"
        return qtTrId("usage.duration.hoursMinutes")
            .arg(QString::number(t / 3600), QString::number(t % 3600 / 60));
    }
    if (t < 60) {
        //% "%1s"
        return qtTrId("usage.duration.seconds").arg(t);
    }
    //% "%1m"
    return qtTrId("usage.duration.minutes").arg(t / 60);
}

} // namespace halvex
