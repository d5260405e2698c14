#include "engine/StreakEngine.h"

#include <algorithm>

#include <QPointer>

#include "engine/AllowanceGate.h"
#include "engine/BypassController.h"
#include "engine/MilestonePlanning.h"
#include "model/AppSettings.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Tombstone.h"
#include "model/WhyAnswer.h"
#include "platform/Log.h"
#include "platform/SystemTimeZone.h"

namespace halvex {

namespace {

FetchDescriptor<Streak> allBySortOrder()
{
    return FetchDescriptor<Streak>(Predicate(), {{QStringLiteral("sortOrder"), true}});
}

} // namespace

StreakEngine::StreakEngine(PersistenceController &persistence, const DayClock &dayClock,
                           BypassController *bypassController, platform::TimerScheduler &scheduler,
                           QObject *parent)
    : QObject(parent)
    , m_persistence(persistence)
    , m_dayClock(dayClock)
    , m_bypassController(bypassController)
    , m_scheduler(scheduler)
    , m_openAllowanceProvider([] { return std::optional<OpenAllowance>(); })
{
    if (!m_bypassController) {
        m_ownedBypassController = std::make_unique<BypassController>(
            persistence, dayClock, dayClock.timeZone(), scheduler);
        m_bypassController = m_ownedBypassController.get();
    }
    if (const platform::SystemTimeZone *zone = m_dayClock.timeZoneSource())
        connect(zone, &platform::SystemTimeZone::changed, this, &StreakEngine::followTimeZone);
    reload();
    startTicking();
}

StreakEngine::~StreakEngine()
{
    if (m_tickTimer)
        m_tickTimer->invalidate();
}

ModelContext &StreakEngine::context() const
{
    return m_persistence.mainContext();
}

void StreakEngine::setOpenAllowanceProvider(OpenAllowanceProvider provider)
{
    if (provider)
        m_openAllowanceProvider = std::move(provider);
    else
        m_openAllowanceProvider = [] { return std::optional<OpenAllowance>(); };
}

StreakEngine::StreakList StreakEngine::fetchAllStreaks() const
{
    auto fetched = context().fetch(allBySortOrder());
    return fetched ? std::move(fetched).value() : StreakList();
}

void StreakEngine::reload()
{
    StreakList streaks = fetchAllStreaks();
    std::optional<QUuid> primary;
    const auto first =
        std::find_if(streaks.begin(), streaks.end(), [](const auto &s) { return s->isPrimary(); });
    if (first != streaks.end())
        primary = (*first)->id();

    emit objectWillChange();
    m_streaks = std::move(streaks);
    // The records may be the same objects with new values: always announce.
    emit streaksChanged();
    if (primary != m_primaryStreakId) {
        m_primaryStreakId = primary;
        emit primaryStreakIdChanged();
    }
}

qint64 StreakEngine::days(const Streak &streak) const
{
    return m_dayClock.wholeDaysSince(streak.startedAt());
}

std::optional<QDateTime> StreakEngine::pausedUntilIfActive(const Streak &streak) const
{
    const auto &until = streak.pausedUntil();
    if (until && *until > m_dayClock.now())
        return until;
    return std::nullopt;
}

std::optional<double> StreakEngine::allowanceRemainingSeconds(const Streak &streak) const
{
    const std::optional<OpenAllowance> open = m_openAllowanceProvider();
    const QDateTime now = m_dayClock.now();
    if (!streak.allowanceEnabled())
        return std::nullopt;
    const double used = usedSecondsToday(streak.id(), context(), open, now, m_dayClock.timeZone());
    return std::max(0.0, streak.allowanceMinutes() * AllowanceGate::secondsPerMinute - used);
}

void StreakEngine::recordOutcome(const std::shared_ptr<TriggerEvent> &event, TriggerOutcome outcome)
{
    if (!event)
        return;
    event->setOutcome(outcome);
    context().saveOrLog(platform::log::persistence(), "record outcome");
    emit triggerSubject(event);

    const auto streak = event->streak();
    if (!streak)
        return;
    const QUuid id = streak->id();
    // The panel offers only what the streak allows; nothing is checked again here.
    switch (outcome) {
    case TriggerOutcome::stepBack:
        break;
    case TriggerOutcome::pause:
        m_bypassController->pauseOneHour(id);
        reload();
        break;
    case TriggerOutcome::bypassFreePass:
        m_bypassController->useFreePass(id);
        break;
    case TriggerOutcome::bypassExternalLink:
        m_bypassController->useExternalLink(id);
        break;
    case TriggerOutcome::openAnyway:
        resetStreak(id);
        break;
    }
}

void StreakEngine::resetStreak(const QUuid &id)
{
    const auto streak = fetchStreak(id);
    if (!streak)
        return;
    const QDateTime now = m_dayClock.now();
    // A start ahead (a clock set back) breaks a 0-day run: the best stays.
    const qint64 days = DayClock::wholeDaysBetween(streak->startedAt(), now);

    auto tombstone = std::make_shared<Tombstone>(QUuid::createUuid(), days, streak->startedAt(),
                                                 now, latestWhyAnswer(*streak), streak->modeRaw());
    tombstone->setStreak(streak);
    context().insert(tombstone);

    streak->setBestDays(std::max(streak->bestDays(), days));
    // The pause, if any, outlives the break.
    streak->setStartedAt(now);
    streak->setUpdatedAt(now);

    context().saveOrLog(platform::log::persistence(), "resetStreak");
    emit resetSubject(streak);
    reload();
}

bool StreakEngine::deleteStreak(const QUuid &id)
{
    const auto streak = fetchStreak(id);
    if (!streak)
        return false;
    const bool wasPrimary = streak->isPrimary();

    ModelContext &ctx = context();
    ctx.remove(streak);
    if (!ctx.saveOrLog(platform::log::persistence(), "deleteStreak")) {
        // Left pending, the deletion would ride silently on the next save of
        // the context (the minute tick saves), unannounced and with no new
        // primary, while the list still shows the streak. Take it back.
        ctx.restore(streak);
        return false;
    }

    emit deleteSubject(id);
    if (wasPrimary)
        primaryFallback(id);
    reload();
    return true;
}

void StreakEngine::primaryFallback(const QUuid &excludedId)
{
    const StreakList streaks = fetchAllStreaks();
    const auto settings = AppSettings::fetchOrCreate(context());

    const auto next = std::find_if(streaks.begin(), streaks.end(),
                                   [&](const auto &s) { return s->id() != excludedId; });
    if (next != streaks.end()) {
        (*next)->setIsPrimary(true);
        settings->setPrimaryStreakId((*next)->id());
    } else {
        settings->setPrimaryStreakId(std::nullopt);
    }

    context().saveOrLog(platform::log::persistence(), "primary fallback");
}

void StreakEngine::tick()
{
    // The list as last loaded: a streak created since is picked up at the next reload.
    for (const auto &streak : m_streaks)
        m_bypassController->endPauseIfExpired(*streak);
    context().saveOrLog(platform::log::persistence(), "StreakEngine.tick");
    emit objectWillChange();
}

void StreakEngine::followTimeZone()
{
    if (m_ownedBypassController)
        m_ownedBypassController->setCalendar(m_dayClock.timeZone());
    emit timeZoneChanged();
    // Today's allowance is counted from another midnight now.
    emit objectWillChange();
}

void StreakEngine::startTicking()
{
    if (m_tickTimer)
        m_tickTimer->invalidate();
    QPointer<StreakEngine> self(this);
    // One-shot timers re-armed before each tick make the repeating minute.
    m_tickTimer = m_scheduler.scheduleOnce(tickIntervalSeconds, [self] {
        if (!self)
            return;
        self->startTicking();
        self->tick();
    });
}

std::shared_ptr<Streak> StreakEngine::fetchStreak(const QUuid &id) const
{
    auto fetched =
        context().fetch(FetchDescriptor<Streak>(Predicate::equal(QStringLiteral("id"), id)));
    if (!fetched || fetched->empty())
        return nullptr;
    return fetched->front();
}

std::optional<QString> StreakEngine::latestWhyAnswer(const Streak &streak)
{
    std::shared_ptr<WhyAnswer> newest;
    for (const auto &event : streak.triggerEvents()) {
        const auto answer = event->whyAnswer();
        if (answer && (!newest || answer->createdAt() > newest->createdAt()))
            newest = answer;
    }
    if (!newest)
        return std::nullopt;
    return newest->text();
}

void StreakEngine::planMilestonesAfterEdit(const std::shared_ptr<Streak> &streak)
{
    QMetaObject::invokeMethod(
        this,
        [this, streak] {
            if (m_milestonePlanning)
                m_milestonePlanning->schedule(streak);
        },
        Qt::QueuedConnection);
}

} // namespace halvex
