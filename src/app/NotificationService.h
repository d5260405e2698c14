#pragma once

#include <functional>

#include <QObject>

#include "platform/UserNotificationCenter.h"

namespace fennimar {
class NotificationAuthorizationCenter;
}

namespace halvex {

// Decides how a milestone or digest notification is shown when it comes due
// while Halvex is the active application: as a banner, with the default
// sound when the user has notification sounds on (read at each delivery).
// Also holds the notification permission state that onboarding and settings
// show. Main thread only.
//
// The composition root builds it over the process's centre with no
// authorization centre, hands authorization() to onboarding and settings, and
// calls installAsDelegate() when it installs the interface.
class NotificationService final : public QObject, public platform::UserNotificationCenterDelegate {
    Q_OBJECT
public:
    using Flag = std::function<bool()>;

    // Without `authorization` it builds its own, reading through `center`:
    // read at once, again when the application becomes active (and once more
    // 0.4 s later when that finds no grant). `center` must outlive it.
    NotificationService(platform::UserNotificationCenter &center,
                        fennimar::NotificationAuthorizationCenter *authorization, Flag soundEnabled,
                        QObject *parent = nullptr);
    // Stops being the centre's delegate.
    ~NotificationService() override;
    Q_DISABLE_COPY_MOVE(NotificationService)

    fennimar::NotificationAuthorizationCenter &authorization() const { return *m_authorization; }

    void installAsDelegate();

    // Answers from a later turn of the event loop: banner, and sound when
    // sounds are on; banner alone once the service is gone.
    void
    willPresent(const platform::NotificationRequest &request,
                std::function<void(platform::NotificationPresentationOptions)> completion) override;

private:
    platform::UserNotificationCenter &m_center;
    fennimar::NotificationAuthorizationCenter *m_authorization;
    Flag m_soundEnabled;
};

} // namespace halvex
