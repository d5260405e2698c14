#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/TimerScheduler.h"

namespace testing {

// A scheduler whose clock moves only when a test advances it.
class ManualScheduler final : public platform::TimerScheduler {
public:
    std::shared_ptr<platform::ScheduledTimer> scheduleOnce(double seconds,
                                                           std::function<void()> work) override;
    // Moves the clock on, firing every timer that comes due on the way in
    // deadline order, including timers armed by those that fire.
    void advance(double seconds);
    int pendingCount() const;
    // Seconds the clock has been advanced in all.
    double now() const { return m_elapsed; }
    // The delay of every timer ever armed, in order.
    const std::vector<double> &requestedDelays() const { return m_requested; }

private:
    struct Entry;
    double m_elapsed = 0.0;
    std::vector<std::shared_ptr<Entry>> m_entries; // in order of arming
    std::vector<double> m_requested;
};

} // namespace testing
