#include "model/DayClock.h"

#include "platform/SystemTimeZone.h"

namespace halvex {

DayClock::DayClock(Clock clock, QTimeZone timeZone)
    : m_clock(std::move(clock))
    , m_timeZone(std::move(timeZone))
{}

DayClock::DayClock(Clock clock, const platform::SystemTimeZone &timeZone)
    : m_clock(std::move(clock))
    , m_source(&timeZone)
{}

DayClock &DayClock::shared()
{
    static DayClock clock;
    return clock;
}

DayClock::Clock DayClock::systemClock()
{
    return [] { return QDateTime::currentDateTimeUtc(); };
}

qint64 DayClock::wholeDaysBetween(const QDateTime &start, const QDateTime &now)
{
    const qint64 ms = start.msecsTo(now);
    return ms > 0 ? ms / (secondsPerDay * 1000) : 0;
}

QTimeZone DayClock::timeZone() const
{
    return m_source ? m_source->zone() : m_timeZone;
}

} // namespace halvex
