#pragma once

#include <functional>

#include <QDateTime>
#include <QFlags>
#include <QFuture>
#include <QList>
#include <QString>

namespace platform {

// Whether this application may post notifications, in the values the
// permission screens know. This desktop only ever gives notDetermined,
// denied or authorized.
enum class NotificationAuthorizationStatus {
    notDetermined = 0,
    denied = 1,
    authorized = 2,
    provisional = 3,
    ephemeral = 4,
};

// What a notification is asked to be allowed to do.
enum class NotificationAuthorizationOption : unsigned {
    badge = 1U << 0,
    sound = 1U << 1,
    alert = 1U << 2,
};
Q_DECLARE_FLAGS(NotificationAuthorizationOptions, NotificationAuthorizationOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(NotificationAuthorizationOptions)

// A notification the application has planned and not yet delivered.
struct NotificationRequest {
    QString identifier;
    QString title;
    QString body;
    QDateTime deliveryDate; // UTC
};

// Takes back the notifications still waiting for their time.
class PendingNotificationRetracting {
public:
    virtual ~PendingNotificationRetracting() = default;
    virtual void removeAllPendingNotificationRequests() = 0;
    // Answers later, never inside the call, on a thread of the centre's
    // choosing.
    virtual void getPendingNotificationRequests(
        std::function<void(const QList<NotificationRequest> &)> completion) = 0;
};

// The desktop's notifications as this application sees them: whether it
// may post them, and the requests it keeps until they are due.
class UserNotificationCenter : public PendingNotificationRetracting {
public:
    // Never fails: a question that gets no answer reads as denied.
    virtual QFuture<NotificationAuthorizationStatus> authorizationStatus() = 0;
    // Whether notifications may be posted with these options.
    virtual QFuture<bool> requestAuthorization(NotificationAuthorizationOptions options) = 0;

    // The session's notification centre of this process, made on first use.
    // Main thread only.
    static UserNotificationCenter &current();
};

} // namespace platform
