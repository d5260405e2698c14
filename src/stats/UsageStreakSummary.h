#pragma once

#include <QString>
#include <QUuid>

namespace halvex {

// One streak's usage within a report range.
struct UsageStreakSummary {
    QUuid streakId;
    QString streakName;            // the streak's name when the report was made
    double totalSeconds = 0.0;     // every session of the streak in the range
    double unallowedSeconds = 0.0; // of those, the time spent past the friction panel
    qint64 sessionCount = 0;
    bool shouldSuggest = false; // whether to offer tightening the streak

    friend bool operator==(const UsageStreakSummary &, const UsageStreakSummary &) = default;
};

} // namespace halvex
