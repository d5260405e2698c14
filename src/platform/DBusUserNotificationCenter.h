#pragma once

#include <functional>
#include <memory>

#include <QDBusConnection>
#include <QObject>

#include "platform/TimerScheduler.h"
#include "platform/UserNotificationCenter.h"

namespace platform {

// Notifications through the desktop's notification server
// ("org.freedesktop.Notifications" on the session bus). The desktop asks no
// permission of its own: posting is allowed exactly when a server answers.
// The server knows nothing of later delivery, so the requests are kept here
// and each is posted with Notify when its time comes; they live as long as
// the process. Main thread only.
class DBusUserNotificationCenter final : public QObject, public UserNotificationCenter {
    Q_OBJECT
public:
    static constexpr const char *service = "org.freedesktop.Notifications";
    static constexpr const char *path = "/org/freedesktop/Notifications";
    static constexpr const char *interface = "org.freedesktop.Notifications";
    // QtDBus would wait 25 s for a server that never answers.
    static constexpr int defaultTimeoutMs = 2000;
    // The freedesktop sound theme's name for a new message.
    static constexpr const char *defaultSoundName = "message-new-instant";

    struct Options {
        // The wall clock; the system's when empty.
        std::function<QDateTime()> clock = {};
        // The event loop's when null.
        TimerScheduler *scheduler = nullptr;
        // Whether this application is the active one; the GUI application's
        // state when empty.
        std::function<bool()> isApplicationActive = {};
        // No timer runs longer than this before the wall clock is read again,
        // so a clock set by hand or by time sync is followed within it.
        double recheckSeconds = 300.0;
    };

    explicit DBusUserNotificationCenter(QDBusConnection connection = QDBusConnection::sessionBus(),
                                        int timeoutMs = defaultTimeoutMs,
                                        QObject *parent = nullptr);
    explicit DBusUserNotificationCenter(Options options,
                                        QDBusConnection connection = QDBusConnection::sessionBus(),
                                        int timeoutMs = defaultTimeoutMs,
                                        QObject *parent = nullptr);
    ~DBusUserNotificationCenter() override;
    Q_DISABLE_COPY_MOVE(DBusUserNotificationCenter)

    // Authorized when a server answers GetServerInformation in time; denied
    // when none is there, none can be started or the bus is unreachable.
    QFuture<NotificationAuthorizationStatus> authorizationStatus() override;
    // The same question: there is nothing to grant beyond a running server.
    QFuture<bool> requestAuthorization(NotificationAuthorizationOptions options) override;

    QFuture<Added> add(const NotificationRequest &request) override;
    void removePendingNotificationRequests(const QStringList &identifiers) override;
    void removeAllPendingNotificationRequests() override;
    void getPendingNotificationRequests(
        std::function<void(const QList<NotificationRequest> &)> completion) override;
    void deliverDueRequests() override;

    void setDelegate(UserNotificationCenterDelegate *delegate) override { m_delegate = delegate; }
    UserNotificationCenterDelegate *delegate() const override { return m_delegate; }

private:
    QFuture<bool> serverAnswers();
    // Arms the one timer for the earliest request, read from the wall clock.
    void arm();
    void present(const NotificationRequest &request);
    void post(const NotificationRequest &request, bool withSound);

    QDBusConnection m_connection;
    int m_timeoutMs;
    std::function<QDateTime()> m_clock;
    TimerScheduler &m_scheduler;
    std::function<bool()> m_isApplicationActive;
    double m_recheckSeconds;
    QList<NotificationRequest> m_pending;
    std::shared_ptr<ScheduledTimer> m_timer;
    UserNotificationCenterDelegate *m_delegate = nullptr;
};

} // namespace platform
