#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QMetaObject>
#include <QObject>

namespace platform {
class SystemSleep;
}

namespace halvex {

// Turns the system's sleep announcements into two streams: the moment the
// computer is about to sleep, and on waking how long it slept. While
// started it holds back sleep until the will-sleep receivers have run.
// Main thread only; receivers run synchronously inside the announcement.
class SleepWakeObserver final : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    SleepWakeObserver(platform::SystemSleep &system, Clock clock, QObject *parent = nullptr);
    ~SleepWakeObserver() override;
    Q_DISABLE_COPY_MOVE(SleepWakeObserver)

    // Listens once; a second start does nothing until stop().
    void start();
    void stop();
    bool isStarted() const { return static_cast<bool>(m_connection); }

    // The last will-sleep that no wake has consumed yet.
    const std::optional<QDateTime> &lastSleepAt() const { return m_lastSleepAt; }

signals:
    void willSleep(const QDateTime &at);
    void didWake(double secondsAsleep);

private:
    void handleWillSleep();
    void handleDidWake();

    platform::SystemSleep &m_system;
    Clock m_clock;
    std::optional<QDateTime> m_lastSleepAt;
    QMetaObject::Connection m_connection;
};

} // namespace halvex
