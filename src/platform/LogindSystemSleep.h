#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

#include "platform/SystemSleep.h"

namespace platform {

// logind on the system bus: its PrepareForSleep signal, and a "delay"
// inhibitor lock, held as the file descriptor logind hands out; closing
// the descriptor releases the lock.
class LogindSystemSleep final : public SystemSleep {
    Q_OBJECT
public:
    static inline const QString service = QStringLiteral("org.freedesktop.login1");
    static inline const QString path = QStringLiteral("/org/freedesktop/login1");
    static inline const QString interface = QStringLiteral("org.freedesktop.login1.Manager");

    explicit LogindSystemSleep(QDBusConnection bus = QDBusConnection::systemBus(),
                               QObject *parent = nullptr);
    ~LogindSystemSleep() override;

    bool subscribe() override;
    void unsubscribe() override;
    void takeSleepDelay() override;
    void releaseSleepDelay() override;

    bool holdsSleepDelay() const { return m_delay.isValid(); }

private slots:
    void onPrepareForSleep(bool sleeping);

private:
    QDBusConnection m_bus;
    bool m_subscribed = false;
    bool m_delayRequested = false;
    // Tells a late Inhibit reply whether it is still wanted.
    quint64 m_delayGeneration = 0;
    QDBusUnixFileDescriptor m_delay;
};

} // namespace platform
