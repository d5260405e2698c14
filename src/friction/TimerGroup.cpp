#include "friction/TimerGroup.h"

#include <algorithm>

namespace halvex {

TimerGroup::TimerGroup(platform::TimerScheduler &scheduler)
    : m_scheduler(scheduler)
{}

TimerGroup::~TimerGroup()
{
    cancel();
}

std::shared_ptr<platform::ScheduledTimer> TimerGroup::after(double seconds,
                                                            std::function<void()> work)
{
    auto timer =
        m_scheduler.scheduleOnce(seconds, [cancelled = m_cancelled, work = std::move(work)] {
            if (!*cancelled)
                work();
        });
    std::erase_if(m_timers, [](const auto &t) { return !t->isValid(); });
    m_timers.push_back(timer);
    return timer;
}

void TimerGroup::cancel()
{
    *m_cancelled = true;
    for (const auto &timer : m_timers)
        timer->invalidate();
    m_timers.clear();
}

} // namespace halvex
