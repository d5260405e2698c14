#include "kit/CalendarAuthorizationCenter.h"

#include <QPointer>
#include <QPromise>
#include <QFuture>

#include "kit/AppActiveRefreshObserver.h"
#include "kit/FutureRace.h"
#include "kit/PermissionRefreshDriver.h"
#include "kit/SystemCalendarAuthorizationProbe.h"
#include "platform/Log.h"

namespace fennimar {

CalendarAuthorizationCenter::CalendarAuthorizationCenter(QObject *parent)
    : CalendarAuthorizationCenter(Configuration{}, parent)
{}

CalendarAuthorizationCenter::CalendarAuthorizationCenter(Configuration configuration,
                                                         QObject *parent)
    : QObject(parent)
    , m_probe(configuration.probe ? std::move(configuration.probe)
                                  : std::make_shared<SystemCalendarAuthorizationProbe>())
    , m_retryDelay(configuration.retryDelay)
    , m_scheduler(configuration.scheduler ? *configuration.scheduler
                                          : platform::TimerScheduler::live())
{
    if (configuration.refreshOnForeground) {
        m_foregroundRefresher =
            std::make_unique<AppActiveRefreshObserver>([this] { refreshWithRetry(); });
    }
    // Nothing is determined yet, so no reset before this first read.
    if (configuration.refreshNow)
        readStatus();
}

CalendarAuthorizationCenter::~CalendarAuthorizationCenter() = default;

void CalendarAuthorizationCenter::readStatus()
{
    const Status read = m_probe->currentStatus();
    if (read == m_status)
        return;
    m_status = read;
    emit statusChanged(read);
}

void CalendarAuthorizationCenter::refresh()
{
    // A determined status is cached by the store until it is reset.
    if (m_status != Status::notDetermined)
        m_probe->resetStore();
    readStatus();
}

QFuture<CalendarAuthorizationCenter::Status> CalendarAuthorizationCenter::requestAndRefresh()
{
    auto answer = std::make_shared<QPromise<Status>>();
    answer->start();
    whenFinished(m_probe->requestAccess(), this, [this, answer](const QFuture<bool> &) {
        m_probe->resetStore();
        readStatus();
        answer->addResult(m_status);
        answer->finish();
    });
    return answer->future();
}

QFuture<CalendarAuthorizationCenter::Status> CalendarAuthorizationCenter::request(double timeout)
{
    if (!isRequestInFlight())
        m_inFlightRequest = requestAndRefresh();
    return firstOrTimeout<Status>(*m_inFlightRequest, timeout, m_scheduler, this, [this] {
        readStatus();
        return QtFuture::makeReadyFuture(m_status);
    });
}

void CalendarAuthorizationCenter::startPolling()
{
    if (!m_pollDriver) {
        m_pollDriver = std::make_unique<PermissionRefreshDriver>(
            pollInterval, [this] { refresh(); }, m_scheduler);
    }
    m_pollDriver->acquire();
}

void CalendarAuthorizationCenter::stopPolling()
{
    if (m_pollDriver)
        m_pollDriver->release();
}

bool CalendarAuthorizationCenter::isPolling() const
{
    return m_pollDriver && m_pollDriver->isActive();
}

bool CalendarAuthorizationCenter::openSystemSettings()
{
    platform::log::kit("Permissions").info("this desktop has no calendar permission settings");
    return false;
}

void CalendarAuthorizationCenter::refreshWithRetry()
{
    refresh();
    if (countsAsGranted(m_status))
        return;
    m_scheduler.scheduleOnce(m_retryDelay, [self = QPointer(this)] {
        if (self)
            self->refresh();
    });
}

} // namespace fennimar
