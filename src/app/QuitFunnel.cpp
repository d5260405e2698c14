#include "app/QuitFunnel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace halvex {

QuitFunnel::QuitFunnel(Steps steps, QObject *parent)
    : QObject(parent)
    , m_steps(std::move(steps))
{}

QuitFunnel::~QuitFunnel() = default;

void QuitFunnel::request()
{
    if (m_state != State::running)
        return;
    m_state = State::preparing;
    if (!m_steps.prepare) {
        proceed();
        return;
    }
    QPointer<QuitFunnel> self(this);
    m_steps.prepare([self] {
        if (self)
            self->proceed();
    });
}

void QuitFunnel::proceed()
{
    if (m_state != State::preparing)
        return;
    m_state = State::finished;
    if (m_steps.finish)
        m_steps.finish();
}

void QuitFunnel::interceptQuit(QCoreApplication &application)
{
    application.installEventFilter(this);
}

bool QuitFunnel::eventFilter(QObject *watched, QEvent *event)
{
    // Once finished, the stop is ours and passes.
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance() &&
        m_state != State::finished) {
        request();
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvex
