#include "model/BypassUsage.h"

#include "model/RecordFields.h"
#include "model/Streak.h"

namespace halvex {

BypassUsage::BypassUsage()
    : Record(QUuid())
{}

BypassUsage::BypassUsage(const QUuid &id, const QString &kindRaw, const QDateTime &usedAt,
                         const std::optional<QDateTime> &expiresAt)
    : Record(id)
    , m_kindRaw(kindRaw)
    , m_usedAt(usedAt)
    , m_expiresAt(expiresAt)
{}

std::shared_ptr<Streak> BypassUsage::streak() const
{
    return fields::resolve(m_streakId, m_streakRef, modelContext());
}

bool BypassUsage::setStreak(const std::shared_ptr<Streak> &streak)
{
    if (streak && streak->isDeleted())
        return false;
    m_streakRef = streak;
    write(m_streakId, streak ? streak->id() : QUuid(), "streak");
    return true;
}

struct BypassUsageSchema {
    static EntitySchema build()
    {
        using fields::make;
        using T = FieldType;
        EntitySchema s;
        s.name = QStringLiteral("BypassUsage");
        s.fields = {
            make(QStringLiteral("id"), T::uuid, &BypassUsage::m_id),
            fields::reference(
                QStringLiteral("streak"), &BypassUsage::m_streakId,
                +[] { return &Streak::schema(); }, true),
            make(QStringLiteral("kindRaw"), T::text, &BypassUsage::m_kindRaw),
            make(QStringLiteral("usedAt"), T::date, &BypassUsage::m_usedAt),
            make(QStringLiteral("expiresAt"), T::date, &BypassUsage::m_expiresAt, true),
        };
        s.make = [] { return std::shared_ptr<Record>(new BypassUsage()); };
        s.indexes = {QStringLiteral("streakKindUsedAt(\"streakId\", \"kindRaw\", \"usedAt\")")};
        return s;
    }
};

const EntitySchema &BypassUsage::schema()
{
    static const EntitySchema s = BypassUsageSchema::build();
    return s;
}

} // namespace halvex
