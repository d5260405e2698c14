#pragma once

#include <QObject>

#include "app/NotificationScheduling.h"

namespace halvex {

class SleepWakeObserver;

// The one NotificationScheduling of the application: each call goes straight
// to the desktop's notification centre. Build one and hand it to both
// schedulers. Main thread only.
class NotificationManager final : public QObject, public NotificationScheduling {
    Q_OBJECT
public:
    // `center` must outlive the manager.
    explicit NotificationManager(
        platform::UserNotificationCenter &center = platform::UserNotificationCenter::current(),
        QObject *parent = nullptr);
    ~NotificationManager() override;
    Q_DISABLE_COPY_MOVE(NotificationManager)

    platform::UserNotificationCenter &center() const { return m_center; }

    QFuture<Status> authorizationStatus() override;
    QFuture<Added> add(const platform::NotificationRequest &request) override;
    void removePending(const QStringList &identifiers) override;
    void removeAllPending() override;
    QFuture<QList<platform::NotificationRequest>> pendingRequests() override;

    // On every wake, delivers what fell due while the computer slept.
    void followWake(SleepWakeObserver &observer);

private:
    platform::UserNotificationCenter &m_center;
};

} // namespace halvex
