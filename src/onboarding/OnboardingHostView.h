#pragma once

#include <QPointer>
#include <QWidget>

#include "browsers/BrowserURLProbe.h"
#include "onboarding/OnboardingStep.h"

namespace fennimar {
class LaunchAtLoginBackend;
class NotificationAuthorizationCenter;
} // namespace fennimar

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class OnboardingCoordinator;
class PermissionManager;
class PersistenceController;
class ThemeController;
class TranslationLoader;

// The onboarding window's content: the screen of the coordinator's step,
// 640 × 480, built afresh each time its step is shown (so its own state
// starts over), the previous one fading out over it. `done` shows nothing
// until the window closes.
class OnboardingHostView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnboardingHostView)
public:
    // Everything here must outlive the view.
    struct Services {
        PersistenceController &persistence;
        PermissionManager &permissionManager;
        fennimar::LaunchAtLoginBackend &loginItem;
        const BrowserProbeTable &browserProbes;
        fennimar::NotificationAuthorizationCenter &notificationAuthorization;
        // The installed applications: those the first streak can block, and
        // the browsers the permissions step lists.
        const platform::DesktopEntryIndex &installed;
        ThemeController &theme;
        TranslationLoader &translations;
    };

    OnboardingHostView(OnboardingCoordinator &coordinator, Services services,
                       QWidget *parent = nullptr);

    // The screen shown now; none at `done`.
    QWidget *currentScreen() const { return m_screen; }

private:
    void showStep(OnboardingStep step);
    QWidget *makeScreen(OnboardingStep step);

    OnboardingCoordinator &m_coordinator;
    Services m_services;
    QPointer<QWidget> m_screen;
};

} // namespace halvex
