#pragma once

#include <QObject>

#include "kit/NotificationDisplayState.h"

namespace fennimar {
class NotificationAuthorizationCenter;
}

namespace halvex {

// A permissions screen's ask for notifications: one request at a time with
// the standard options and timeout, and what the card shows meanwhile
// (requesting while it runs; idle until the user was ever asked). The
// answer itself is not kept: the card follows the centre's status.
class NotificationPermissionRequest final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotificationPermissionRequest)
public:
    // `center` must outlive the request.
    explicit NotificationPermissionRequest(fennimar::NotificationAuthorizationCenter &center,
                                           QObject *parent = nullptr);

    fennimar::NotificationDisplayState state() const;
    // Asks the centre, unless a request already runs.
    void request();

signals:
    // The request started or ended.
    void changed();

private:
    fennimar::NotificationAuthorizationCenter &m_center;
    bool m_isRequesting = false;
    bool m_hasRequested = false;
};

} // namespace halvex
