#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

#include "friction/HalvexLocalizedRoot.h"
#include "model/DayClock.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingHostView.h"

namespace fennimar {
class ActivationPolicyCoordinator;
}

namespace halvex {

// The first-launch window: 640 × 480, not resizable, the onboarding screens
// in the stored language and theme (changing either on the preferences step
// redraws it at once). While it is open the application holds one claim on
// the regular activation policy. Its close button quits the application.
//
// It owns the wizard's coordinator. The wizard ends when the coordinator
// reaches `done` or calls its finish handler, whichever comes first; the
// finish sequence then runs once: completed(), then the popover is revealed
// from the status item and the window goes when that is done (at once when
// there is no status item), giving back its claim and dropping the
// coordinator. Main thread only.
class OnboardingWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnboardingWindow)
public:
    static constexpr int width = 640;
    static constexpr int height = 480;

    // What the application shell does around the wizard.
    struct Hooks {
        // Announces the completed onboarding and starts the services that
        // run from then on (watching, notification plans).
        std::function<void()> completed;
        // Reveals the popover from the status item, then runs the
        // completion; false, without the completion, when there is no
        // status item to reveal from.
        std::function<bool(std::function<void()> completion)> revealPopover;
        // Ends the application.
        std::function<void()> quit;
    };

    // Everything in `services` and `policy` must outlive the window.
    OnboardingWindow(OnboardingHostView::Services services, Hooks hooks,
                     fennimar::ActivationPolicyCoordinator &policy,
                     DayClock::Clock clock = DayClock::systemClock(), QWidget *parent = nullptr);
    ~OnboardingWindow() override;

    // Centres the window on the screen in use, takes the activation claim
    // and brings the window to the front.
    void present();

    // The finish sequence; does nothing once it has begun or the window is gone.
    void finishOnboarding();
    // Takes the window away, drops the coordinator, gives back the claim.
    void closeOnboardingWindow();

    // None once the window is gone.
    OnboardingCoordinator *coordinator() const { return m_coordinator; }
    OnboardingHostView *host() const { return m_host; }
    bool isGone() const { return m_gone; }

signals:
    // The finish sequence took the window away; the owner may drop it now.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void releasePolicy();

    Hooks m_hooks;
    fennimar::ActivationPolicyCoordinator &m_policy;
    QPointer<OnboardingCoordinator> m_coordinator;
    QPointer<HalvexLocalizedRoot> m_root;
    QPointer<OnboardingHostView> m_host;
    bool m_holdsPolicy = false;
    bool m_dismissing = false;
    bool m_gone = false;
};

} // namespace halvex
