#include "editor/StreakRuns.h"

#include <algorithm>
#include <cmath>

#include "model/Streak.h"
#include "model/Tombstone.h"

namespace halvex {

qint64 StreakRuns::averageDays(const Streak &streak, qint64 currentDays)
{
    const auto broken = streak.tombstones();
    qint64 sum = currentDays;
    for (const auto &tombstone : broken)
        sum += std::max<qint64>(tombstone->days(), 0); // stored below 0 by a clock set back
    // std::round rounds halves away from zero.
    return qint64(std::round(double(sum) / double(broken.size() + 1)));
}

qint64 StreakRuns::bestDays(const Streak &streak, qint64 currentDays)
{
    return std::max(streak.bestDays(), currentDays);
}

std::vector<std::shared_ptr<Tombstone>> StreakRuns::newestFirst(const Streak &streak)
{
    auto broken = streak.tombstones();
    std::stable_sort(broken.begin(), broken.end(),
                     [](const auto &a, const auto &b) { return a->brokenAt() > b->brokenAt(); });
    return broken;
}

} // namespace halvex
