#pragma once

#include <QDBusConnection>
#include <QObject>

#include "platform/UserNotificationCenter.h"

namespace platform {

// Notifications through the desktop's notification server
// ("org.freedesktop.Notifications" on the session bus). The desktop asks no
// permission of its own: posting is allowed exactly when a server answers.
// Requests are kept here until they are due. Main thread only.
class DBusUserNotificationCenter final : public QObject, public UserNotificationCenter {
    Q_OBJECT
public:
    static constexpr const char *service = "org.freedesktop.Notifications";
    static constexpr const char *path = "/org/freedesktop/Notifications";
    static constexpr const char *interface = "org.freedesktop.Notifications";
    // QtDBus would wait 25 s for a server that never answers.
    static constexpr int defaultTimeoutMs = 2000;

    explicit DBusUserNotificationCenter(QDBusConnection connection = QDBusConnection::sessionBus(),
                                        int timeoutMs = defaultTimeoutMs,
                                        QObject *parent = nullptr);
    ~DBusUserNotificationCenter() override;
    Q_DISABLE_COPY_MOVE(DBusUserNotificationCenter)

    // Authorized when a server answers GetServerInformation in time; denied
    // when none is there, none can be started or the bus is unreachable.
    QFuture<NotificationAuthorizationStatus> authorizationStatus() override;
    // The same question: there is nothing to grant beyond a running server.
    QFuture<bool> requestAuthorization(NotificationAuthorizationOptions options) override;

    void removeAllPendingNotificationRequests() override;
    void getPendingNotificationRequests(
        std::function<void(const QList<NotificationRequest> &)> completion) override;

private:
    QFuture<bool> serverAnswers();

    QDBusConnection m_connection;
    int m_timeoutMs;
    QList<NotificationRequest> m_pending;
};

} // namespace platform
