#pragma once

#include <functional>

#include <QDateTime>
#include <QTimeZone>

namespace platform {
class SystemTimeZone;
}

namespace halvex {

// The injectable "now" of everything that counts days, with the time zone
// in which calendar days are reckoned: a fixed one, or the system's as it
// changes while we run.
class DayClock final {
public:
    using Clock = std::function<QDateTime()>;

    static constexpr qint64 secondsPerDay = 86400;

    explicit DayClock(Clock clock = systemClock(),
                      QTimeZone timeZone = QTimeZone::systemTimeZone());
    // Follows `timeZone`, which must outlive the clock and its copies.
    DayClock(Clock clock, const platform::SystemTimeZone &timeZone);

    static DayClock &shared();
    static Clock systemClock();

    // Whole 24-hour periods from `start` to `now`, never below 0: a start
    // ahead of now (a clock set back) is day 0 until the clock passes it.
    // Every day count that is shown, stored or planned from is this one.
    static qint64 wholeDaysBetween(const QDateTime &start, const QDateTime &now);
    qint64 wholeDaysSince(const QDateTime &start) const { return wholeDaysBetween(start, now()); }

    QDateTime now() const { return m_clock(); }
    const Clock &clock() const { return m_clock; }
    // The zone now: read afresh at each call, never kept by the callers
    // that reckon days.
    QTimeZone timeZone() const;
    // What announces a new zone; null for a fixed one.
    const platform::SystemTimeZone *timeZoneSource() const { return m_source; }

private:
    Clock m_clock;
    QTimeZone m_timeZone;
    const platform::SystemTimeZone *m_source = nullptr;
};

} // namespace halvex
