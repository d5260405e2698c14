#include "engine/UsageSessionRecorder.h"

#include <algorithm>

#include "engine/NotificationHub.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/UsageSession.h"
#include "platform/Log.h"

namespace halvex {

UsageSessionRecorder::UsageSessionRecorder(PersistenceController &persistence, Clock clock)
    : m_persistence(persistence)
    , m_clock(std::move(clock))
{}

void UsageSessionRecorder::begin(const QUuid &streakId, const std::optional<QString> &matchedDomain,
                                 const std::optional<QString> &matchedBundleId,
                                 TriggerSource source, bool isAllowance,
                                 const QSet<QUuid> &coveredStreakIds)
{
    if (m_open) {
        const OpenSession &current = *m_open;
        const bool same = current.streakId == streakId && current.matchedDomain == matchedDomain &&
                          current.matchedBundleId == matchedBundleId &&
                          current.isAllowance == isAllowance &&
                          current.coveredStreakIds == coveredStreakIds;
        if (same) {
            flushIfStale(m_clock());
            return;
        }
        closeOpen();
    }

    OpenSession session;
    session.streakId = streakId;
    session.matchedDomain = matchedDomain;
    session.matchedBundleId = matchedBundleId;
    session.source = source;
    session.isAllowance = isAllowance;
    session.coveredStreakIds = coveredStreakIds;
    session.startedAt = m_clock();
    m_open = std::move(session);
}

void UsageSessionRecorder::flushIfStale(const QDateTime &now)
{
    if (!m_open)
        return;
    if (m_open->startedAt.msecsTo(now) / 1000.0 < staleAfterSeconds)
        return;
    // Cleared before the commit: a failed commit still leaves the recorder idle.
    const OpenSession session = std::move(*m_open);
    m_open.reset();
    commit(session, now);
}

void UsageSessionRecorder::closeOpen()
{
    if (!m_open)
        return;
    const OpenSession session = std::move(*m_open);
    m_open.reset();
    commit(session, m_clock());
}

std::optional<OpenAllowance> UsageSessionRecorder::openAllowance() const
{
    if (!m_open || !m_open->isAllowance)
        return std::nullopt;
    return OpenAllowance{m_open->coveredStreakIds, m_open->startedAt};
}

void UsageSessionRecorder::commit(const OpenSession &session, const QDateTime &endedAt)
{
    // A clock set back while the session ran must not leave a row that ends
    // before it starts; such a session counts as no time at all.
    const QDateTime end = std::max(endedAt, session.startedAt);
    const double duration = session.startedAt.msecsTo(end) / 1000.0;
    if (!session.isAllowance && duration < minimumTriggerSeconds)
        return;

    // The chosen streak first, then the others in a fixed order.
    QList<QUuid> others;
    for (const QUuid &id : session.coveredStreakIds) {
        if (id != session.streakId)
            others << id;
    }
    std::sort(others.begin(), others.end(), [](const QUuid &a, const QUuid &b) {
        return a.toString(QUuid::WithoutBraces).toUpper() <
               b.toString(QUuid::WithoutBraces).toUpper();
    });
    QList<QUuid> ids{session.streakId};
    ids << others;

    ModelContext &context = m_persistence.mainContext();
    int written = 0;
    for (const QUuid &id : ids) {
        auto fetched = context.fetch<Streak>(
            FetchDescriptor<Streak>(Predicate::equal(QStringLiteral("id"), id)));
        if (!fetched || fetched->empty())
            continue;
        auto row = std::make_shared<UsageSession>(QUuid::createUuid(), session.startedAt, end,
                                                  duration, raw(session.source));
        row->setMatchedDomain(session.matchedDomain);
        row->setMatchedBundleId(session.matchedBundleId);
        row->setIsAllowance(session.isAllowance);
        row->setStreak(fetched->front());
        context.insert(row);
        ++written;
    }

    if (written == 0) {
        platform::log::usage().error("usage session commit: streak not found");
        return;
    }
    if (!context.saveOrLog(platform::log::usage(), "usage session"))
        return;
    emit NotificationHub::shared().didCommitSession();
}

} // namespace halvex
