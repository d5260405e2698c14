#pragma once

#include <functional>
#include <memory>

#include "platform/TimerScheduler.h"

namespace fennimar {

class AppActiveRefreshObserver;

// Re-reads permissions while a screen that shows them is open: at once on
// the first hold, then every `interval` seconds and on each activation of the
// application, until the last holder lets go. One timer and one observer
// however many holders. Main thread only.
class PermissionRefreshDriver final {
public:
    PermissionRefreshDriver(double interval, std::function<void()> onRefresh,
                            platform::TimerScheduler &scheduler = platform::TimerScheduler::live());
    ~PermissionRefreshDriver();
    PermissionRefreshDriver(const PermissionRefreshDriver &) = delete;
    PermissionRefreshDriver &operator=(const PermissionRefreshDriver &) = delete;

    void acquire();
    // A release without a hold outstanding changes nothing.
    void release();
    bool isActive() const { return m_acquisitions > 0; }
    int acquisitions() const { return m_acquisitions; }

private:
    void arm();

    double m_interval;
    std::function<void()> m_onRefresh;
    platform::TimerScheduler &m_scheduler;
    std::shared_ptr<platform::ScheduledTimer> m_timer;
    int m_acquisitions = 0;
    std::unique_ptr<AppActiveRefreshObserver> m_foregroundRefresher;
};

} // namespace fennimar
