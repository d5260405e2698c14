#include "onboarding/OnboardingWindow.h"

#include <QCloseEvent>

#include "friction/HalvexLocalizedRoot.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/WindowPlacement.h"
#include "model/PersistenceController.h"
#include "onboarding/OnboardingCoordinator.h"

namespace halvex {

OnboardingWindow::OnboardingWindow(OnboardingHostView::Services services, Hooks hooks,
                                   fennimar::ActivationPolicyCoordinator &policy,
                                   DayClock::Clock clock, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_hooks(std::move(hooks))
    , m_policy(policy)
    , m_coordinator(new OnboardingCoordinator(&services.loginItem, &services.persistence,
                                              std::move(clock), this))
{
    setObjectName(QStringLiteral("onboarding.window"));
    // The product's name, never translated.
    setWindowTitle(QStringLiteral("Halvex"));
    setFixedSize(width, height);

    m_root = new HalvexLocalizedRoot(services.persistence.mainContext(), services.theme,
                                     services.translations, this);
    m_host = new OnboardingHostView(*m_coordinator, services);
    m_root->setContent(m_host);
    m_root->setGeometry(0, 0, width, height);

    const QPointer<OnboardingWindow> self(this);
    m_coordinator->setOnFinish([self] {
        if (self)
            self->finishOnboarding();
    });
    // From the event loop, as a subscription on the main queue would: the
    // finish handler, called right after, comes first.
    connect(
        m_coordinator, &OnboardingCoordinator::stepChanged, this,
        [this](OnboardingStep step) {
            if (step == OnboardingStep::done)
                finishOnboarding();
        },
        Qt::QueuedConnection);
}

OnboardingWindow::~OnboardingWindow()
{
    releasePolicy();
}

void OnboardingWindow::present()
{
    fennimar::WindowPlacement::centerOnActiveScreen(this);
    if (!m_holdsPolicy) {
        m_policy.acquire();
        m_holdsPolicy = true;
    }
    show();
    raise();
    activateWindow();
}

void OnboardingWindow::finishOnboarding()
{
    if (m_gone || m_dismissing)
        return;
    m_dismissing = true;
    if (m_hooks.completed)
        m_hooks.completed();
    const QPointer<OnboardingWindow> self(this);
    const auto close = [self] {
        if (self)
            self->closeOnboardingWindow();
    };
    if (!m_hooks.revealPopover || !m_hooks.revealPopover(close))
        closeOnboardingWindow();
}

void OnboardingWindow::closeOnboardingWindow()
{
    if (m_gone)
        return;
    m_gone = true;
    hide();
    // Later: the finish button that led here may still be on the stack.
    if (m_root)
        m_root->deleteLater();
    if (m_coordinator)
        m_coordinator->deleteLater();
    m_dismissing = false;
    releasePolicy();
    emit closed();
}

void OnboardingWindow::releasePolicy()
{
    if (!m_holdsPolicy)
        return;
    m_holdsPolicy = false;
    m_policy.release();
}

void OnboardingWindow::closeEvent(QCloseEvent *event)
{
    if (m_gone) {
        event->accept();
        return;
    }
    // The user's close: leaving the wizard unfinished leaves the application.
    event->ignore();
    if (m_hooks.quit)
        m_hooks.quit();
}

} // namespace halvex
