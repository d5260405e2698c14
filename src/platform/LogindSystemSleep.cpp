#include "platform/LogindSystemSleep.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "platform/Log.h"

namespace platform {

namespace {
// logind answers at once; a bus that does not must not hold the lock request forever.
constexpr int inhibitTimeoutMs = 5000;
} // namespace

LogindSystemSleep::LogindSystemSleep(QDBusConnection bus, QObject *parent)
    : SystemSleep(parent)
    , m_bus(std::move(bus))
{}

LogindSystemSleep::~LogindSystemSleep()
{
    unsubscribe();
    releaseSleepDelay();
}

bool LogindSystemSleep::subscribe()
{
    if (m_subscribed)
        return true;
    if (!m_bus.isConnected())
        return false;
    // D-Bus signals can only be bound by signature, hence the string form.
    m_subscribed = m_bus.connect(service, path, interface, QStringLiteral("PrepareForSleep"), this,
                                 SLOT(onPrepareForSleep(bool)));
    return m_subscribed;
}

void LogindSystemSleep::unsubscribe()
{
    if (!m_subscribed)
        return;
    m_bus.disconnect(service, path, interface, QStringLiteral("PrepareForSleep"), this,
                     SLOT(onPrepareForSleep(bool)));
    m_subscribed = false;
}

void LogindSystemSleep::takeSleepDelay()
{
    if (m_delay.isValid() || m_delayRequested || !m_bus.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Halvex")
         << QStringLiteral("Closing the open usage session") << QStringLiteral("delay");
    m_delayRequested = true;
    const quint64 generation = ++m_delayGeneration;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, inhibitTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                // Released while the request ran: the lock just granted closes with the reply.
                if (generation != m_delayGeneration)
                    return;
                m_delayRequested = false;
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
                if (reply.isError()) {
                    // No logind (a container, a minimal system): sleep simply is not delayed.
                    log::app().debug("sleep delay unavailable: %s", {reply.error().message()});
                    return;
                }
                m_delay = reply.value();
            });
}

void LogindSystemSleep::releaseSleepDelay()
{
    ++m_delayGeneration;
    m_delayRequested = false;
    // Dropping our copy of the descriptor closes it, which ends the lock.
    m_delay = QDBusUnixFileDescriptor();
}

void LogindSystemSleep::onPrepareForSleep(bool sleeping)
{
    emit prepareForSleep(sleeping);
}

} // namespace platform
