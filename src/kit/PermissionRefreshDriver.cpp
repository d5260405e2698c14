#include "kit/PermissionRefreshDriver.h"

#include <algorithm>

#include "kit/AppActiveRefreshObserver.h"

namespace fennimar {

PermissionRefreshDriver::PermissionRefreshDriver(double interval, std::function<void()> onRefresh,
                                                 platform::TimerScheduler &scheduler)
    : m_interval(interval)
    , m_onRefresh(std::move(onRefresh))
    , m_scheduler(scheduler)
{}

PermissionRefreshDriver::~PermissionRefreshDriver()
{
    if (m_timer)
        m_timer->invalidate();
}

void PermissionRefreshDriver::acquire()
{
    if (++m_acquisitions != 1)
        return;
    m_onRefresh();
    // The refresh may have let go of the driver already.
    if (m_acquisitions == 0)
        return;
    arm();
    m_foregroundRefresher = std::make_unique<AppActiveRefreshObserver>([this] { m_onRefresh(); });
}

void PermissionRefreshDriver::release()
{
    const int before = m_acquisitions;
    m_acquisitions = std::max(0, m_acquisitions - 1);
    if (before - 1 > 0)
        return;
    if (m_timer)
        m_timer->invalidate();
    m_timer.reset();
    m_foregroundRefresher.reset();
}

void PermissionRefreshDriver::arm()
{
    // Invalidated on release and destruction, so `this` is alive when it fires.
    m_timer = m_scheduler.scheduleOnce(m_interval, [this] {
        // Armed before the refresh, which may release the driver.
        arm();
        m_onRefresh();
    });
}

} // namespace fennimar
