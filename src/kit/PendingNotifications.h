#pragma once

#include <functional>

#include "platform/TimerScheduler.h"
#include "platform/UserNotificationCenter.h"

namespace fennimar {

// Takes back every notification still waiting for its time, and says so once
// the centre has confirmed or the time limit has passed, whichever is first.
class PendingNotifications final {
public:
    PendingNotifications() = delete;

    // Returns at once. `completion` runs exactly once, on the main thread,
    // never inside this call; `from` must outlive the time limit.
    static void removeAll(platform::PendingNotificationRetracting &from, double timeout,
                          std::function<void()> completion,
                          platform::TimerScheduler &scheduler = platform::TimerScheduler::live());
};

} // namespace fennimar
