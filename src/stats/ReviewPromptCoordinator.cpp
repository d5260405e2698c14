#include "stats/ReviewPromptCoordinator.h"

#include <QPointer>

#include "kit/ReviewPrompt.h"
#include "model/AppSettings.h"
#include "model/ModelContainer.h"
#include "stats/ReviewPromptWindowController.h"

namespace halvex {

ReviewPromptCoordinator::ReviewPromptCoordinator(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{}

ReviewPromptCoordinator::~ReviewPromptCoordinator()
{
    cancelPendingCheck();
}

void ReviewPromptCoordinator::popoverOpenStateChanged(bool isOpen)
{
    if (!isOpen) {
        scheduleCheck(checkDelaySeconds);
        return;
    }
    cancelPendingCheck();
    m_pending.reset();
    if (fennimar::ReviewPrompt *prompt = reviewPrompt())
        prompt->recordUse();
}

void ReviewPromptCoordinator::scheduleCheck(double delay)
{
    cancelPendingCheck();
    const QPointer<ReviewPromptCoordinator> self(this);
    m_pending = m_services.scheduler.scheduleOnce(delay, [self] {
        if (self)
            self->presentIfEligible();
    });
}

void ReviewPromptCoordinator::cancelPendingCheck()
{
    if (m_pending)
        m_pending->invalidate();
}

fennimar::ReviewPrompt *ReviewPromptCoordinator::reviewPrompt() const
{
    return m_services.reviewPrompt ? m_services.reviewPrompt() : nullptr;
}

void ReviewPromptCoordinator::presentIfEligible()
{
    m_pending.reset();
    if (m_services.isPopoverShown && m_services.isPopoverShown())
        return;
    if (m_services.isFrictionPanelUp && m_services.isFrictionPanelUp())
        return;
    if (fennimar::ReviewPrompt::isRegularWindowVisible())
        return;
    if (!AppSettings::fetchOrCreate(m_services.container.mainContext())->firstLaunchCompleted())
        return;
    fennimar::ReviewPrompt *prompt = reviewPrompt();
    if (!prompt || !prompt->shouldPresent())
        return;
    // Counted before the window is asked to show.
    prompt->markPresented();
    m_services.window.show(m_services.container);
}

} // namespace halvex
