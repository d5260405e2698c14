#include "friction/StayOnScreen.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace halvex {

void StayOnScreen::keep(QWidget *window)
{
    window->installEventFilter(new StayOnScreen(window));
}

StayOnScreen::StayOnScreen(QWidget *window)
    : QObject(window)
    , m_window(window)
{}

bool StayOnScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::WindowStateChange && m_window->isMinimized())
        QTimer::singleShot(0, this, &StayOnScreen::comeBack);
    return QObject::eventFilter(watched, event);
}

void StayOnScreen::comeBack()
{
    if (!m_window->isMinimized())
        return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    if (!m_window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus))
        m_window->activateWindow();
}

} // namespace halvex
