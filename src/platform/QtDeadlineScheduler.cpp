#include "platform/QtDeadlineScheduler.h"

#include <QMetaObject>
#include <QTimer>

namespace platform {

QtDeadlineScheduler::QtDeadlineScheduler()
    : m_thread(std::make_unique<QThread>())
    , m_timers(std::make_unique<QObject>())
{
    m_thread->setObjectName(QStringLiteral("deadlines"));
    m_timers->moveToThread(m_thread.get());
    m_thread->start();
}

QtDeadlineScheduler::~QtDeadlineScheduler()
{
    m_thread->quit();
    m_thread->wait();
    // The timers' owner goes after its thread has stopped, with its pending timers.
    m_timers.reset();
}

void QtDeadlineScheduler::schedule(std::chrono::milliseconds delay, std::function<void()> fire)
{
    QObject *timers = m_timers.get();
    // Timers start on the thread that owns them, whichever thread asks.
    QMetaObject::invokeMethod(
        timers,
        [timers, delay, fire = std::move(fire)]() mutable {
            QTimer::singleShot(delay, Qt::PreciseTimer, timers, std::move(fire));
        },
        Qt::QueuedConnection);
}

} // namespace platform
