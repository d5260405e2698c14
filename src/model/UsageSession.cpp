#include "model/UsageSession.h"

#include "model/RecordFields.h"
#include "model/Streak.h"

namespace halvex {

UsageSession::UsageSession()
    : Record(QUuid())
{}

UsageSession::UsageSession(const QUuid &id, const QDateTime &startedAt, const QDateTime &endedAt,
                           double durationSec, const QString &triggerSourceRaw)
    : Record(id)
    , m_startedAt(startedAt)
    , m_endedAt(endedAt)
    , m_durationSec(durationSec)
    , m_triggerSourceRaw(triggerSourceRaw)
{}

std::shared_ptr<Streak> UsageSession::streak() const
{
    return fields::resolve(m_streakId, m_streakRef, modelContext());
}

bool UsageSession::setStreak(const std::shared_ptr<Streak> &streak)
{
    if (streak && streak->isDeleted())
        return false;
    m_streakRef = streak;
    write(m_streakId, streak ? streak->id() : QUuid(), "streak");
    return true;
}

struct UsageSessionSchema {
    static EntitySchema build()
    {
        using fields::make;
        using T = FieldType;
        EntitySchema s;
        s.name = QStringLiteral("UsageSession");
        s.fields = {
            make(QStringLiteral("id"), T::uuid, &UsageSession::m_id),
            fields::reference(
                QStringLiteral("streak"), &UsageSession::m_streakId,
                +[] { return &Streak::schema(); }, true),
            make(QStringLiteral("startedAt"), T::date, &UsageSession::m_startedAt),
            make(QStringLiteral("endedAt"), T::date, &UsageSession::m_endedAt),
            make(QStringLiteral("durationSec"), T::real, &UsageSession::m_durationSec),
            make(QStringLiteral("matchedDomain"), T::text, &UsageSession::m_matchedDomain, true),
            make(QStringLiteral("matchedBundleId"), T::text, &UsageSession::m_matchedBundleId,
                 true),
            make(QStringLiteral("triggerSourceRaw"), T::text, &UsageSession::m_triggerSourceRaw),
            make(QStringLiteral("isAllowance"), T::boolean, &UsageSession::m_isAllowance),
        };
        s.make = [] { return std::shared_ptr<Record>(new UsageSession()); };
        // Today's allowance use is read by the end of each session.
        s.indexes = {
            QStringLiteral("streakAllowanceEndedAt(\"streakId\", \"isAllowance\", \"endedAt\")"),
            QStringLiteral("streakStartedAt(\"streakId\", \"startedAt\")")};
        return s;
    }
};

const EntitySchema &UsageSession::schema()
{
    static const EntitySchema s = UsageSessionSchema::build();
    return s;
}

} // namespace halvex
