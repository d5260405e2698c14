#include "platform/DBusUserNotificationCenter.h"

#include <memory>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPromise>

#include "platform/Log.h"

namespace platform {

DBusUserNotificationCenter::DBusUserNotificationCenter(QDBusConnection connection, int timeoutMs,
                                                       QObject *parent)
    : QObject(parent)
    , m_connection(std::move(connection))
    , m_timeoutMs(timeoutMs)
{}

DBusUserNotificationCenter::~DBusUserNotificationCenter() = default;

QFuture<bool> DBusUserNotificationCenter::serverAnswers()
{
    auto promise = std::make_shared<QPromise<bool>>();
    promise->start();
    QFuture<bool> future = promise->future();
    if (!m_connection.isConnected()) {
        promise->addResult(false);
        promise->finish();
        return future;
    }
    // A server that is installed but not running is started by the bus.
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(service), QString::fromLatin1(path), QString::fromLatin1(interface),
        QStringLiteral("GetServerInformation"));
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [promise](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<QString, QString, QString, QString> reply = *finished;
                if (reply.isError()) {
                    log::kit("Permissions")
                        .debug("no notification server: %s", {reply.error().message()});
                }
                promise->addResult(!reply.isError());
                promise->finish();
                finished->deleteLater();
            });
    return future;
}

QFuture<NotificationAuthorizationStatus> DBusUserNotificationCenter::authorizationStatus()
{
    return serverAnswers().then([](bool answers) {
        return answers ? NotificationAuthorizationStatus::authorized
                       : NotificationAuthorizationStatus::denied;
    });
}

QFuture<bool> DBusUserNotificationCenter::requestAuthorization(NotificationAuthorizationOptions)
{
    return serverAnswers();
}

void DBusUserNotificationCenter::removeAllPendingNotificationRequests()
{
    m_pending.clear();
}

void DBusUserNotificationCenter::getPendingNotificationRequests(
    std::function<void(const QList<NotificationRequest> &)> completion)
{
    // Later, as the callers expect, with the list as it is now.
    QMetaObject::invokeMethod(
        this, [completion = std::move(completion), pending = m_pending] { completion(pending); },
        Qt::QueuedConnection);
}

UserNotificationCenter &UserNotificationCenter::current()
{
    // Kept to the end of the process: the bus may be gone before statics are.
    static auto *center = new DBusUserNotificationCenter;
    return *center;
}

} // namespace platform
