#include "app/NotificationManager.h"

#include <memory>

#include <QPromise>

#include "engine/SleepWakeObserver.h"

namespace halvex {

NotificationManager::NotificationManager(platform::UserNotificationCenter &center, QObject *parent)
    : QObject(parent)
    , m_center(center)
{}

NotificationManager::~NotificationManager() = default;

QFuture<NotificationScheduling::Status> NotificationManager::authorizationStatus()
{
    return m_center.authorizationStatus();
}

QFuture<NotificationScheduling::Added>
NotificationManager::add(const platform::NotificationRequest &request)
{
    return m_center.add(request);
}

void NotificationManager::removePending(const QStringList &identifiers)
{
    m_center.removePendingNotificationRequests(identifiers);
}

void NotificationManager::removeAllPending()
{
    m_center.removeAllPendingNotificationRequests();
}

QFuture<QList<platform::NotificationRequest>> NotificationManager::pendingRequests()
{
    auto list = std::make_shared<QPromise<QList<platform::NotificationRequest>>>();
    list->start();
    m_center.getPendingNotificationRequests(
        [list](const QList<platform::NotificationRequest> &pending) {
            list->addResult(pending);
            list->finish();
        });
    return list->future();
}

void NotificationManager::followWake(SleepWakeObserver &observer)
{
    connect(&observer, &SleepWakeObserver::didWake, this,
            [this] { m_center.deliverDueRequests(); });
}

} // namespace halvex
