#include "permissions/NotificationPermissionRequest.h"

#include <QPointer>

#include "kit/NotificationAuthorizationCenter.h"

namespace halvex {

NotificationPermissionRequest::NotificationPermissionRequest(
    fennimar::NotificationAuthorizationCenter &center, QObject *parent)
    : QObject(parent)
    , m_center(center)
{}

fennimar::NotificationDisplayState NotificationPermissionRequest::state() const
{
    return fennimar::notificationDisplayState(m_center.status(), m_isRequesting, m_hasRequested);
}

void NotificationPermissionRequest::request()
{
    if (m_isRequesting)
        return;
    m_isRequesting = true;
    m_hasRequested = true;
    emit changed();
    const QPointer<NotificationPermissionRequest> self(this);
    m_center
        .request(fennimar::NotificationAuthorizationCenter::standardOptions(),
                 fennimar::NotificationAuthorizationCenter::standardRequestTimeout)
        .then(this, [self](platform::NotificationAuthorizationStatus) {
            if (!self)
                return;
            self->m_isRequesting = false;
            emit self->changed();
        });
}

} // namespace halvex
