#include "engine/BypassController.h"

#include "model/BypassUsage.h"
#include "model/CalendarDay.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "platform/Log.h"

namespace halvex {

namespace {

// The calendar day holding `now`, as long as the zone makes it (23 or 25
// hours across a daylight-saving change).
struct Day {
    QDateTime start;
    QDateTime end;
};

Day today(const QDateTime &now, const QTimeZone &calendar)
{
    Day day{calendar::startOfDay(now, calendar), calendar::startOfNextDay(now, calendar)};
    if (!day.end.isValid())
        day.end = day.start.addSecs(86400);
    return day;
}

Predicate within(const QString &field, const Day &day)
{
    return Predicate::compare(field, Predicate::Op::greaterOrEqual, day.start) &&
           Predicate::compare(field, Predicate::Op::less, day.end);
}

} // namespace

BypassController::BypassController(PersistenceController &persistence, const DayClock &dayClock,
                                   QTimeZone calendar, platform::TimerScheduler &scheduler)
    : m_persistence(persistence)
    , m_dayClock(dayClock)
    , m_calendar(std::move(calendar))
    , m_scheduler(scheduler)
    , m_self(std::make_shared<BypassController *>(this))
{}

BypassController::~BypassController() = default;

std::shared_ptr<Streak> BypassController::lookUp(const QUuid &streakId)
{
    auto fetched = m_persistence.mainContext().fetch<Streak>(
        FetchDescriptor<Streak>(Predicate::equal(QStringLiteral("id"), streakId)));
    if (!fetched || fetched->empty())
        return nullptr;
    return fetched->front();
}

bool BypassController::pauseOneHour(const QUuid &streakId)
{
    auto streak = lookUp(streakId);
    if (!streak)
        return false;
    const QDateTime now = m_dayClock.now();
    const QDateTime until = now.addSecs(static_cast<qint64>(pauseSeconds));

    streak->setIsPaused(true);
    streak->setPausedUntil(until);
    streak->setUpdatedAt(now);

    auto usage = std::make_shared<BypassUsage>(QUuid::createUuid(), pauseOneHourKind, now, until);
    usage->setStreak(streak);
    ModelContext &context = m_persistence.mainContext();
    context.insert(usage);

    if (!context.saveOrLog(platform::log::persistence(), "pauseOneHour"))
        return false;

    // Never cancelled: a resumed or re-paused streak is simply found not
    // (yet) expired when this runs.
    std::weak_ptr<BypassController *> self = m_self;
    m_scheduler.scheduleOnce(pauseSeconds, [self, streakId] {
        if (auto controller = self.lock())
            (*controller)->autoResume(streakId);
    });
    return true;
}

void BypassController::autoResume(const QUuid &streakId)
{
    auto streak = lookUp(streakId);
    if (!streak)
        return;
    endPauseIfExpired(*streak);
    m_persistence.mainContext().saveOrLog(platform::log::persistence(), "pause auto-resume");
}

void BypassController::endPauseIfExpired(Streak &streak)
{
    if (!streak.isPaused())
        return;
    if (!streak.pausedUntil())
        return; // paused until resumed
    if (*streak.pausedUntil() <= m_dayClock.now()) {
        streak.setIsPaused(false);
        streak.setPausedUntil(std::nullopt);
    }
}

bool BypassController::resume(const QUuid &streakId)
{
    auto streak = lookUp(streakId);
    if (!streak)
        return false;
    streak->setIsPaused(false);
    streak->setPausedUntil(std::nullopt);
    streak->setUpdatedAt(m_dayClock.now());
    return m_persistence.mainContext().saveOrLog(platform::log::persistence(), "resume");
}

bool BypassController::useFreePass(const QUuid &streakId)
{
    return recordBypass(streakId, dailyFreePassKind, "useFreePass");
}

bool BypassController::useExternalLink(const QUuid &streakId)
{
    return recordBypass(streakId, externalLinkKind, "useExternalLink");
}

bool BypassController::recordBypass(const QUuid &streakId, const QString &kind,
                                    const char *operation)
{
    auto streak = lookUp(streakId);
    if (!streak)
        return false;
    const QDateTime now = m_dayClock.now();
    auto usage = std::make_shared<BypassUsage>(QUuid::createUuid(), kind, now, std::nullopt);
    usage->setStreak(streak);
    ModelContext &context = m_persistence.mainContext();
    context.insert(usage);
    return context.saveOrLog(platform::log::persistence(), operation);
}

bool BypassController::canUseFreePass(const QUuid &streakId)
{
    auto streak = lookUp(streakId);
    if (!streak || !streak->allowDailyFreePass())
        return false;
    const Day day = today(m_dayClock.now(), m_calendar);
    const Predicate usedToday = Predicate::equal(QStringLiteral("streak"), streakId) &&
                                Predicate::equal(QStringLiteral("kindRaw"), dailyFreePassKind) &&
                                within(QStringLiteral("usedAt"), day);
    auto count = m_persistence.mainContext().fetchCount(FetchDescriptor<BypassUsage>(usedToday));
    // A failed read counts as no use: the pass stays available.
    return !count || *count == 0;
}

int BypassController::openAnywayCountToday(const QUuid &streakId)
{
    const Day day = today(m_dayClock.now(), m_calendar);
    const Predicate openedToday =
        within(QStringLiteral("firedAt"), day) &&
        Predicate::equal(QStringLiteral("streak"), streakId) &&
        Predicate::equal(QStringLiteral("outcomeRaw"), raw(TriggerOutcome::openAnyway));
    auto count = m_persistence.mainContext().fetchCount(FetchDescriptor<TriggerEvent>(openedToday));
    return count ? static_cast<int>(*count) : 0;
}

} // namespace halvex
