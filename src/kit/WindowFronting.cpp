#include "kit/WindowFronting.h"

#include <QApplication>
#include <QWidget>

#include "platform/Workspace.h"

namespace fennimar {

WindowFronting::WindowFronting(platform::Workspace &workspace)
    : m_workspace(workspace)
{}

void WindowFronting::activateAndMakeKey(QWidget *window) const
{
    if (!window)
        return;
    // The window manager lets a pager hand the focus to any application;
    // an application asking for itself may be refused.
    const qint32 ownPid = qint32(QCoreApplication::applicationPid());
    for (const platform::RunningApplication &application : m_workspace.runningApplications()) {
        if (application.processIdentifier == ownPid) {
            m_workspace.activate(application);
            break;
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowFronting::bringToFront(QWidget *window) const
{
    if (!window)
        return;
    if (QGuiApplication::applicationState() == Qt::ApplicationActive) {
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }
    // A window mapped now would take the focus as any new window does.
    const bool wasShowingWithoutActivating = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->raise();
    window->setAttribute(Qt::WA_ShowWithoutActivating, wasShowingWithoutActivating);
    QApplication::alert(window, attentionMs);
}

} // namespace fennimar
