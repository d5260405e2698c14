#pragma once

#include <memory>
#include <vector>

#include <QtGlobal>

namespace halvex {

class Streak;
class Tombstone;

// The figures an edit screen shows of a streak's runs.
class StreakRuns final {
public:
    // The mean of every broken run's days and the current run's, rounded
    // half away from zero: the current run alone without broken ones.
    static qint64 averageDays(const Streak &streak, qint64 currentDays);
    // The longer of the stored best and the current run, so a run that
    // beats every broken one shows as the best before any reset stores it.
    static qint64 bestDays(const Streak &streak, qint64 currentDays);
    // The broken runs, most recently broken first.
    static std::vector<std::shared_ptr<Tombstone>> newestFirst(const Streak &streak);
};

} // namespace halvex
