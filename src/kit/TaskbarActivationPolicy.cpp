#include "kit/TaskbarActivationPolicy.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#include "platform/X11TaskbarPresence.h"

namespace fennimar {

namespace {

// The windows whose task-bar presence is ours to decide: the application's
// own windows and dialogs. Tool windows (the friction panel and its
// overlays) are left to what the desktop does with utility windows.
bool isApplicationWindow(const QWindow *window)
{
    if (!window->isTopLevel() || !window->handle())
        return false;
    switch (window->type()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
        return true;
    default:
        return false;
    }
}

} // namespace

TaskbarActivationPolicy::TaskbarActivationPolicy(QObject *parent)
    : TaskbarActivationPolicy(std::make_shared<platform::X11TaskbarPresence>(), parent)
{}

TaskbarActivationPolicy::TaskbarActivationPolicy(
    std::shared_ptr<platform::TaskbarPresence> presence, QObject *parent)
    : QObject(parent)
    , m_presence(std::move(presence))
{
    if (!m_presence->isAvailable())
        return;
    // New windows get the current policy before they are mapped.
    qApp->installEventFilter(this);
}

TaskbarActivationPolicy::~TaskbarActivationPolicy()
{
    if (m_presence->isAvailable() && qApp)
        qApp->removeEventFilter(this);
}

void TaskbarActivationPolicy::setActivationPolicy(ActivationPolicy policy)
{
    m_policy = policy;
    if (!m_presence->isAvailable())
        return;
    const auto windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->isVisible())
            apply(window);
    }
}

bool TaskbarActivationPolicy::isSkippingTaskbar(const QWindow *window) const
{
    return m_presence->isSkippingTaskbar(window);
}

void TaskbarActivationPolicy::apply(QWindow *window) const
{
    if (isApplicationWindow(window))
        m_presence->setSkippingTaskbar(window, skips());
}

bool TaskbarActivationPolicy::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWindowType())
        return QObject::eventFilter(watched, event);
    auto *window = static_cast<QWindow *>(watched);
    if (event->type() == QEvent::Show) {
        // Sent after the window is created and before it is mapped.
        apply(window);
        m_awaitingMap.insert(window);
    } else if (event->type() == QEvent::Expose && window->isExposed() &&
               m_awaitingMap.remove(window)) {
        // Once more when it is up: a window shown again right after it was
        // hidden may find the window manager still clearing the state of its
        // withdrawal, which takes the hint with it.
        apply(window);
    } else if (event->type() == QEvent::Hide || event->type() == QEvent::Destroy) {
        m_awaitingMap.remove(window);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace fennimar
