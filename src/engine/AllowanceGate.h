#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QUuid>

#include "platform/TimerScheduler.h"
#include "engine/UsageSessionRecorder.h"
#include "model/TriggerEvent.h"

namespace halvex {

class ModelContext;
class PersistenceController;
class Streak;

// The allowance seconds a streak has used on the calendar day of `now`:
// its committed allowance sessions clipped to the day so far, plus the open
// allowance session when it covers the streak.
double usedSecondsToday(const QUuid &streakId, ModelContext &context,
                        const std::optional<OpenAllowance> &openAllowance, const QDateTime &now,
                        const QTimeZone &calendar);

// Lets a visit run as an allowance session while every matching streak has
// allowance left today, and calls back when the smallest one runs out.
// Main thread only.
class AllowanceGate final {
public:
    // What a trigger for the visit would record.
    struct Target {
        TriggerSource source = TriggerSource::app;
        std::optional<QString> matchedDomain;
        std::optional<QString> matchedBundleId;
    };

    static constexpr double secondsPerMinute = 60.0;
    // The timer fires just after the allowance is gone, so that the
    // re-evaluation it causes finds nothing left.
    static constexpr double expiryMargin = 0.5;

    AllowanceGate(PersistenceController &persistence, UsageSessionRecorder &usageRecorder,
                  QTimeZone calendar, std::function<void()> onExpire,
                  platform::TimerScheduler &scheduler = platform::TimerScheduler::live());
    ~AllowanceGate();
    AllowanceGate(const AllowanceGate &) = delete;
    AllowanceGate &operator=(const AllowanceGate &) = delete;

    // The streak to fire for, or null when today's allowance covers the
    // visit (an allowance session is then open and the expiry timer armed).
    // `candidates` holds `winner`, which the collision resolver chose.
    std::shared_ptr<Streak> evaluate(const std::vector<std::shared_ptr<Streak>> &candidates,
                                     const std::shared_ptr<Streak> &winner, const Target &target,
                                     const QDateTime &now);

    // The timer's end: forgets it and calls onExpire.
    void handleExpiry();

    // The armed expiry timer, if any.
    const std::shared_ptr<platform::ScheduledTimer> &timer() const { return m_timer; }
    // Disarms the expiry timer (the watcher stops, or the rules changed).
    void invalidateTimer();

    // The system's zone changed: "today" has other bounds from now on.
    void setCalendar(const QTimeZone &calendar) { m_calendar = calendar; }

private:
    std::optional<double> remainingSeconds(const Streak &streak, const QDateTime &now);
    void scheduleExpiryTimer(double seconds);

    PersistenceController &m_persistence;
    UsageSessionRecorder &m_usageRecorder;
    QTimeZone m_calendar;
    std::function<void()> m_onExpire;
    platform::TimerScheduler &m_scheduler;
    std::shared_ptr<platform::ScheduledTimer> m_timer;
    // Lets a timer that outlives the gate find it gone.
    std::shared_ptr<AllowanceGate *> m_self;
};

} // namespace halvex
