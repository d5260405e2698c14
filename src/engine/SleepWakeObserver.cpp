#include "engine/SleepWakeObserver.h"

#include <QPointer>

#include "platform/SystemSleep.h"

namespace halvex {

SleepWakeObserver::SleepWakeObserver(platform::SystemSleep &system, Clock clock, QObject *parent)
    : QObject(parent)
    , m_system(system)
    , m_clock(std::move(clock))
{}

SleepWakeObserver::~SleepWakeObserver()
{
    stop();
}

void SleepWakeObserver::start()
{
    if (m_connection)
        return;
    m_connection =
        connect(&m_system, &platform::SystemSleep::prepareForSleep, this, [this](bool sleeping) {
            if (sleeping)
                handleWillSleep();
            else
                handleDidWake();
        });
    // Without a system service nothing will be announced; that is not an error.
    m_system.subscribe();
    m_system.takeSleepDelay();
}

void SleepWakeObserver::stop()
{
    if (!m_connection)
        return;
    disconnect(m_connection);
    m_connection = {};
    m_system.unsubscribe();
    m_system.releaseSleepDelay();
}

void SleepWakeObserver::handleWillSleep()
{
    const QDateTime now = m_clock();
    m_lastSleepAt = now;
    QPointer<SleepWakeObserver> self(this);
    emit willSleep(now);
    // Only now may the machine go to sleep: the receivers' work is done. A
    // receiver that stopped or destroyed us has let go of the delay already.
    if (self && m_connection)
        m_system.releaseSleepDelay();
}

void SleepWakeObserver::handleDidWake()
{
    // Hold back the next sleep as early as possible.
    m_system.takeSleepDelay();
    if (!m_lastSleepAt)
        return;
    const QDateTime now = m_clock();
    const double seconds = double(m_lastSleepAt->msecsTo(now)) / 1000.0;
    m_lastSleepAt.reset();
    emit didWake(seconds);
}

} // namespace halvex
