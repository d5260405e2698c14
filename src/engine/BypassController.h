#pragma once

#include <memory>

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QUuid>

#include "platform/TimerScheduler.h"

namespace halvex {

class DayClock;
class PersistenceController;
class Streak;

// The ways past a trigger that keep the streak: a one-hour pause with its
// automatic end, resuming, the daily free pass and the external-link bypass,
// each written as a BypassUsage row. Main thread only.
class BypassController final {
public:
    static constexpr double pauseSeconds = 3600.0;
    static inline const QString pauseOneHourKind = QStringLiteral("pauseOneHour");
    static inline const QString dailyFreePassKind = QStringLiteral("dailyFreePass");
    static inline const QString externalLinkKind = QStringLiteral("externalLink");

    // `calendar` sets the bounds of "today"; `scheduler` runs the auto-resume.
    BypassController(PersistenceController &persistence, const DayClock &dayClock,
                     QTimeZone calendar,
                     platform::TimerScheduler &scheduler = platform::TimerScheduler::live());
    ~BypassController();
    BypassController(const BypassController &) = delete;
    BypassController &operator=(const BypassController &) = delete;

    // Each returns true when its change was saved; an unknown id is false.
    bool pauseOneHour(const QUuid &streakId);
    bool resume(const QUuid &streakId);
    bool useFreePass(const QUuid &streakId);
    bool useExternalLink(const QUuid &streakId);

    // The streak allows a free pass and has used none this calendar day.
    bool canUseFreePass(const QUuid &streakId);
    // The streak's trigger events decided "openAnyway" this calendar day.
    int openAnywayCountToday(const QUuid &streakId);

    // Ends a timed pause whose end has come. Does not save.
    void endPauseIfExpired(Streak &streak);

    // The system's zone changed: "today" has other bounds from now on.
    void setCalendar(const QTimeZone &calendar) { m_calendar = calendar; }

private:
    std::shared_ptr<Streak> lookUp(const QUuid &streakId);
    bool recordBypass(const QUuid &streakId, const QString &kind, const char *operation);
    void autoResume(const QUuid &streakId);

    PersistenceController &m_persistence;
    const DayClock &m_dayClock;
    QTimeZone m_calendar;
    platform::TimerScheduler &m_scheduler;
    // Lets an auto-resume that outlives the controller find it gone.
    std::shared_ptr<BypassController *> m_self;
};

} // namespace halvex
