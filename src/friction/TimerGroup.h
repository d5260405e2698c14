#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/TimerScheduler.h"

namespace halvex {

// Waits on a scheduler that end together: once the group is cancelled or
// gone, none of its work runs. Main thread only.
class TimerGroup final {
public:
    explicit TimerGroup(platform::TimerScheduler &scheduler);
    ~TimerGroup();
    TimerGroup(const TimerGroup &) = delete;
    TimerGroup &operator=(const TimerGroup &) = delete;

    std::shared_ptr<platform::ScheduledTimer> after(double seconds, std::function<void()> work);
    void cancel();
    bool isCancelled() const { return *m_cancelled; }

private:
    platform::TimerScheduler &m_scheduler;
    std::shared_ptr<bool> m_cancelled = std::make_shared<bool>(false);
    std::vector<std::shared_ptr<platform::ScheduledTimer>> m_timers;
};

} // namespace halvex
