#pragma once

#include <QFuture>
#include <QList>
#include <QStringList>

#include "platform/UserNotificationCenter.h"

namespace halvex {

// What the notification schedulers need of the desktop's notification
// centre, and all they may do with it.
class NotificationScheduling {
public:
    using Status = platform::NotificationAuthorizationStatus;
    using Added = platform::UserNotificationCenter::Added;

    virtual ~NotificationScheduling() = default;

    virtual QFuture<Status> authorizationStatus() = 0;
    // A failure is the caller's to drop or act on.
    virtual QFuture<Added> add(const platform::NotificationRequest &request) = 0;
    virtual void removePending(const QStringList &identifiers) = 0;
    virtual void removeAllPending() = 0;
    virtual QFuture<QList<platform::NotificationRequest>> pendingRequests() = 0;

    // Authorized or provisional: the only statuses the schedulers plan under.
    static bool allowsScheduling(Status status)
    {
        return status == Status::authorized || status == Status::provisional;
    }
};

} // namespace halvex
