#include "model/DayClock.h"

namespace halvex {

DayClock::DayClock(Clock clock, QTimeZone timeZone)
    : m_clock(std::move(clock))
    , m_timeZone(std::move(timeZone))
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

} // namespace halvex
