#pragma once

#include <chrono>
#include <functional>

namespace platform {

// Calls a function once when a delay has passed, on a thread of its own, so
// a deadline fires whatever the caller's workers are busy with.
class DeadlineScheduler {
public:
    virtual ~DeadlineScheduler() = default;
    // May be called from any thread.
    virtual void schedule(std::chrono::milliseconds delay, std::function<void()> fire) = 0;
};

} // namespace platform
