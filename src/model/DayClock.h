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

    explicit DayClock(Clock clock = systemClock(),
                      QTimeZone timeZone = QTimeZone::systemTimeZone());
    // Follows `timeZone`, which must outlive the clock and its copies.
    DayClock(Clock clock, const platform::SystemTimeZone &timeZone);

    static DayClock &shared();
    static Clock systemClock();

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
