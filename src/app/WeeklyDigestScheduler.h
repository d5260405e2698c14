#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QTimeZone>

#include "app/WeeklyDigestContent.h"
#include "platform/UserNotificationCenter.h"

namespace halvex {

class NotificationScheduling;
class PersistenceController;
class StreakEngine;

// Keeps at most one weekly digest pending, for the next Sunday at 18:00. Its
// text is fixed when the request is built, so the request is built again
// whenever it may have changed. Main thread only.
//
// The composition root builds one over the shared NotificationManager, calls
// bind() with the engine, reschedule() at launch and when the interface is
// installed, and rescheduleIfStale() from the hourly housekeeping and on wake.
class WeeklyDigestScheduler final : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    using Flag = std::function<bool()>;

    static inline const QString digestIdentifier = QStringLiteral("halvex.weeklyDigest");
    static constexpr double staleAfterSeconds = 21600.0;
    static constexpr qint64 secondsPerWeek = 604800;

    // `engine` gives the streaks, `persistence` their trigger events;
    // `timeZone` places Sunday 18:00 and the digest's week. The flags are
    // read at each use. Every reference must outlive the scheduler.
    WeeklyDigestScheduler(NotificationScheduling &notificationManager,
                          PersistenceController &persistence, StreakEngine &engine, Clock clock,
                          QTimeZone timeZone, Flag soundEnabled, Flag digestEnabled,
                          QObject *parent = nullptr);
    ~WeeklyDigestScheduler() override;
    Q_DISABLE_COPY_MOVE(WeeklyDigestScheduler)

    // Builds the digest again after every reset and deletion of a streak,
    // for as long as both live. Call once.
    void bind(StreakEngine &engine);

    // Removes the pending digest and, when the digest is on, notifications
    // are authorized and there is something to say, adds a fresh one. When
    // reschedules overlap, the latest one decides.
    QFuture<void> reschedule();
    // reschedule() unless the last one of this run is under six hours old.
    QFuture<void> rescheduleIfStale();
    // The system's zone changed: Sunday 18:00 and the digest's week move
    // with it, so a digest that was pending is built again.
    void setTimeZone(const QTimeZone &timeZone);
    // When reschedule() last started (whatever it then found); none before
    // the first in this run.
    const std::optional<QDateTime> &lastScheduledAt() const { return m_lastScheduledAt; }

    // The next Sunday 18:00:00 in `timeZone` strictly after `after`.
    static QDateTime nextDigestFireDate(const QDateTime &after, const QTimeZone &timeZone);
    platform::NotificationRequest makeDigestRequest(const WeeklyDigestContent::Result &result,
                                                    const QDateTime &fireDate) const;
    // One line per top streak, then one for the most resisted streak when it
    // was resisted at least once.
    static QString digestBody(const WeeklyDigestContent::Result &result);
    static QString digestTitle();

private:
    NotificationScheduling &m_notificationManager;
    PersistenceController &m_persistence;
    StreakEngine &m_engine;
    Clock m_clock;
    QTimeZone m_timeZone;
    Flag m_soundEnabled;
    Flag m_digestEnabled;
    std::optional<QDateTime> m_lastScheduledAt;
    // Tells a reschedule that waited whether a later one has begun since.
    quint64 m_generation = 0;
};

} // namespace halvex
