#pragma once

#include <functional>
#include <memory>

namespace platform {

// A pending one-shot timer. Dropping the handle leaves the timer armed.
class ScheduledTimer {
public:
    virtual ~ScheduledTimer() = default;
    // Stops the timer before it fires; nothing happens once it has fired.
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

// Runs work once on the main thread after a delay on a monotonic clock (one
// that does not move while the computer sleeps). Services take it from the
// composition root so that tests can drive time themselves.
class TimerScheduler {
public:
    virtual ~TimerScheduler() = default;
    virtual std::shared_ptr<ScheduledTimer> scheduleOnce(double seconds,
                                                         std::function<void()> work) = 0;

    // The event-loop scheduler of the running application.
    static TimerScheduler &live();
};

} // namespace platform
