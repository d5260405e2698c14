#include "engine/AllowanceGate.h"

#include <algorithm>
#include <limits>

#include "engine/CollisionResolver.h"
#include "model/CalendarDay.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/UsageSession.h"

namespace halvex {

namespace {

double secondsBetween(const QDateTime &from, const QDateTime &to)
{
    return from.msecsTo(to) / 1000.0;
}

} // namespace

double usedSecondsToday(const QUuid &streakId, ModelContext &context,
                        const std::optional<OpenAllowance> &openAllowance, const QDateTime &now,
                        const QTimeZone &calendar)
{
    const QDateTime dayStart = calendar::startOfDay(now, calendar);

    const Predicate todays =
        Predicate::equal(QStringLiteral("streak"), streakId) &&
        Predicate::equal(QStringLiteral("isAllowance"), true) &&
        Predicate::compare(QStringLiteral("endedAt"), Predicate::Op::greater, dayStart);
    auto rows = context.fetch<UsageSession>(FetchDescriptor<UsageSession>(todays));

    double used = 0.0;
    if (rows) {
        for (const auto &row : *rows) {
            const QDateTime from = std::max(row->startedAt(), dayStart);
            const QDateTime to = std::min(row->endedAt(), now);
            used += std::max(0.0, secondsBetween(from, to));
        }
    }
    if (openAllowance && openAllowance->streakIds.contains(streakId))
        used += std::max(0.0, secondsBetween(std::max(openAllowance->startedAt, dayStart), now));
    return used;
}

AllowanceGate::AllowanceGate(PersistenceController &persistence,
                             UsageSessionRecorder &usageRecorder, QTimeZone calendar,
                             std::function<void()> onExpire, platform::TimerScheduler &scheduler)
    : m_persistence(persistence)
    , m_usageRecorder(usageRecorder)
    , m_calendar(std::move(calendar))
    , m_onExpire(std::move(onExpire))
    , m_scheduler(scheduler)
    , m_self(std::make_shared<AllowanceGate *>(this))
{}

AllowanceGate::~AllowanceGate()
{
    invalidateTimer();
}

std::optional<double> AllowanceGate::remainingSeconds(const Streak &streak, const QDateTime &now)
{
    const std::optional<OpenAllowance> open = m_usageRecorder.openAllowance();
    if (!streak.allowanceEnabled())
        return std::nullopt;
    const double used =
        usedSecondsToday(streak.id(), m_persistence.mainContext(), open, now, m_calendar);
    return std::max(0.0, streak.allowanceMinutes() * secondsPerMinute - used);
}

std::shared_ptr<Streak>
AllowanceGate::evaluate(const std::vector<std::shared_ptr<Streak>> &candidates,
                        const std::shared_ptr<Streak> &winner, const Target &target,
                        const QDateTime &now)
{
    if (candidates.empty() || !winner)
        return winner;

    std::vector<std::shared_ptr<Streak>> blocked;
    double minRemaining = std::numeric_limits<double>::infinity();
    for (const auto &candidate : candidates) {
        const std::optional<double> remaining = remainingSeconds(*candidate, now);
        if (!remaining || *remaining <= 0.0)
            blocked.push_back(candidate);
        else
            minRemaining = std::min(minRemaining, *remaining);
    }

    if (!blocked.empty()) {
        // Commit the allowance time used so far before the trigger fires.
        if (const auto open = m_usageRecorder.openAllowance()) {
            const bool coversCandidate =
                std::any_of(candidates.begin(), candidates.end(),
                            [&](const auto &c) { return open->streakIds.contains(c->id()); });
            if (coversCandidate)
                m_usageRecorder.closeOpen();
        }
        if (blocked.size() == candidates.size())
            return winner;
        // Only the streaks without allowance left compete.
        if (auto chosen = CollisionResolver::resolve(blocked))
            return chosen;
        return winner;
    }

    QSet<QUuid> covered{winner->id()};
    for (const auto &candidate : candidates)
        covered.insert(candidate->id());
    m_usageRecorder.begin(winner->id(), target.matchedDomain, target.matchedBundleId, target.source,
                          true, covered);
    scheduleExpiryTimer(minRemaining);
    return nullptr;
}

void AllowanceGate::scheduleExpiryTimer(double seconds)
{
    invalidateTimer();
    std::weak_ptr<AllowanceGate *> self = m_self;
    m_timer = m_scheduler.scheduleOnce(seconds + expiryMargin, [self] {
        if (auto gate = self.lock())
            (*gate)->handleExpiry();
    });
}

void AllowanceGate::handleExpiry()
{
    // It has fired: dropped, not invalidated.
    m_timer.reset();
    if (m_onExpire)
        m_onExpire();
}

void AllowanceGate::invalidateTimer()
{
    if (m_timer)
        m_timer->invalidate();
    m_timer.reset();
}

} // namespace halvex
