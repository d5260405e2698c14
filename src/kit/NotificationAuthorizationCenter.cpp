#include "kit/NotificationAuthorizationCenter.h"

#include <QPointer>
#include <QPromise>

#include "kit/AppActiveRefreshObserver.h"
#include "kit/FutureRace.h"
#include "kit/PermissionRefreshDriver.h"
#include "kit/SystemNotificationAuthorizationProbe.h"
#include "platform/Log.h"

namespace fennimar {

NotificationAuthorizationCenter::NotificationAuthorizationCenter(QObject *parent)
    : NotificationAuthorizationCenter(Configuration{}, parent)
{}

NotificationAuthorizationCenter::NotificationAuthorizationCenter(Configuration configuration,
                                                                 QObject *parent)
    : QObject(parent)
    , m_probe(configuration.probe ? std::move(configuration.probe)
                                  : std::make_shared<SystemNotificationAuthorizationProbe>())
    , m_settings(std::move(configuration.settings))
    , m_retryDelay(configuration.retryDelay)
    , m_scheduler(configuration.scheduler ? *configuration.scheduler
                                          : platform::TimerScheduler::live())
{
    if (configuration.refreshOnForeground) {
        m_foregroundRefresher =
            std::make_unique<AppActiveRefreshObserver>([this] { refreshWithRetry(); });
    }
    if (configuration.refreshNow)
        QMetaObject::invokeMethod(
            this, [this] { refresh(); }, Qt::QueuedConnection);
}

NotificationAuthorizationCenter::~NotificationAuthorizationCenter() = default;

bool NotificationAuthorizationCenter::countsAsGranted(Status status)
{
    return status == Status::authorized || status == Status::provisional;
}

void NotificationAuthorizationCenter::publish(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged(status);
}

QFuture<void> NotificationAuthorizationCenter::refresh()
{
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    whenFinished(m_probe->currentStatus(), this, [this, done](const QFuture<Status> &read) {
        if (!read.isCanceled() && read.resultCount() > 0)
            publish(read.result());
        done->finish();
    });
    return done->future();
}

QFuture<NotificationAuthorizationCenter::Status>
NotificationAuthorizationCenter::requestAndRefresh(Options options)
{
    auto answer = std::make_shared<QPromise<Status>>();
    answer->start();
    // The probe's answer is not trusted: the status read after it is.
    whenFinished(m_probe->request(options), this, [this, answer](const QFuture<bool> &) {
        whenFinished(refresh(), this, [this, answer](const QFuture<void> &) {
            answer->addResult(m_status);
            answer->finish();
        });
    });
    return answer->future();
}

QFuture<bool> NotificationAuthorizationCenter::requestGranted(Options options)
{
    return requestAndRefresh(options).then([](Status status) { return countsAsGranted(status); });
}

QFuture<NotificationAuthorizationCenter::Status>
NotificationAuthorizationCenter::request(Options options, double timeout)
{
    if (!isRequestInFlight())
        m_inFlightRequest = requestAndRefresh(options);
    return firstOrTimeout<Status>(*m_inFlightRequest, timeout, m_scheduler, this,
                                  [this] { return refresh().then([this] { return m_status; }); });
}

void NotificationAuthorizationCenter::startPolling()
{
    if (!m_pollDriver) {
        m_pollDriver = std::make_unique<PermissionRefreshDriver>(
            pollInterval, [this] { refresh(); }, m_scheduler);
    }
    m_pollDriver->acquire();
}

void NotificationAuthorizationCenter::stopPolling()
{
    if (m_pollDriver)
        m_pollDriver->release();
}

bool NotificationAuthorizationCenter::isPolling() const
{
    return m_pollDriver && m_pollDriver->isActive();
}

bool NotificationAuthorizationCenter::openSystemSettings()
{
    if (m_settings.open(platform::DesktopSettingsPage::notifications))
        return true;
    platform::log::kit("Permissions")
        .info("no notification settings of this desktop could be opened");
    return false;
}

void NotificationAuthorizationCenter::refreshWithRetry()
{
    whenFinished(refresh(), this, [this](const QFuture<void> &) {
        if (countsAsGranted(m_status))
            return;
        m_scheduler.scheduleOnce(m_retryDelay, [self = QPointer(this)] {
            if (self)
                self->refresh();
        });
    });
}

} // namespace fennimar
