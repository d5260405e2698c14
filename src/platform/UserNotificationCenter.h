#pragma once

#include <functional>

#include <QDateTime>
#include <QFlags>
#include <QFuture>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Expected.h"

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
    // With the desktop's default notification sound; silent otherwise.
    bool playsSound = false;
};

// Why a request was not kept.
enum class NotificationError {
    // No identifier, or no valid delivery date.
    invalidRequest,
};

// How a notification is shown when it comes due.
enum class NotificationPresentationOption : unsigned {
    banner = 1U << 0,
    sound = 1U << 1,
};
Q_DECLARE_FLAGS(NotificationPresentationOptions, NotificationPresentationOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(NotificationPresentationOptions)

// Decides how a notification that comes due while this application is the
// active one is shown; otherwise the request's own sound applies.
class UserNotificationCenterDelegate {
public:
    virtual ~UserNotificationCenterDelegate() = default;
    // Called on the main thread when the request is due. `completion` is
    // called exactly once, on the main thread, now or later; without
    // `banner` the notification is not shown.
    virtual void willPresent(const NotificationRequest &request,
                             std::function<void(NotificationPresentationOptions)> completion) = 0;
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

    using Added = Expected<void, NotificationError>;
    // Keeps the request until its delivery date, in place of a pending one
    // with the same identifier. A date already past is delivered at once.
    virtual QFuture<Added> add(const NotificationRequest &request) = 0;
    // Identifiers with no pending request are passed over.
    virtual void removePendingNotificationRequests(const QStringList &identifiers) = 0;
    // Delivers every request whose date has come by the wall clock. Timers
    // stand still while the computer sleeps: the application calls this
    // when it wakes, so what fell due meanwhile is not held back.
    virtual void deliverDueRequests() = 0;

    // Not owned; null for none. Main thread only.
    virtual void setDelegate(UserNotificationCenterDelegate *delegate) = 0;
    virtual UserNotificationCenterDelegate *delegate() const = 0;

    // The session's notification centre of this process, made on first use.
    // Main thread only.
    static UserNotificationCenter &current();
};

} // namespace platform
