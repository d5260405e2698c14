#include "kit/PopoverFocusDismissal.h"

#include <QGuiApplication>

#include "kit/PopoverFocusDismissPolicy.h"
#include "platform/Workspace.h"

namespace fennimar {

PopoverFocusDismissal::PopoverFocusDismissal(std::shared_ptr<Popover> popover,
                                             platform::Workspace &workspace, QObject *parent)
    : QObject(parent)
    , m_popover(std::move(popover))
    , m_ownProcessIdentifier(QCoreApplication::applicationPid())
{
    if (qGuiApp) {
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive)
                        closeUnless(false);
                });
    }
    connect(&workspace, &platform::Workspace::applicationActivated, this,
            &PopoverFocusDismissal::applicationActivated);
}

PopoverFocusDismissal::~PopoverFocusDismissal() = default;

void PopoverFocusDismissal::applicationActivated(const platform::RunningApplication &application)
{
    // A process we could not tell is someone else's.
    closeUnless(application.processIdentifier != 0 &&
                application.processIdentifier == m_ownProcessIdentifier);
}

void PopoverFocusDismissal::closeUnless(bool activatedIsThisApplication)
{
    const bool hasModalWindow = qGuiApp && QGuiApplication::modalWindow();
    if (PopoverFocusDismissPolicy::shouldDismiss(
            m_popover->isShown(), activatedIsThisApplication, hasModalWindow,
            m_popover->behavior() != PopoverBehavior::transient)) {
        m_popover->performClose();
    }
}

} // namespace fennimar
