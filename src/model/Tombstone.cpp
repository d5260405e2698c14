#include "model/Tombstone.h"

#include "model/RecordFields.h"
#include "model/Streak.h"

namespace halvex {

Tombstone::Tombstone()
    : Record(QUuid())
{}

Tombstone::Tombstone(const QUuid &id, qint64 days, const QDateTime &startedAt,
                     const QDateTime &brokenAt, const std::optional<QString> &lastWhyAnswer,
                     const QString &modeAtBreak)
    : Record(id)
    , m_days(days)
    , m_startedAt(startedAt)
    , m_brokenAt(brokenAt)
    , m_lastWhyAnswer(lastWhyAnswer)
    , m_modeAtBreak(modeAtBreak)
{}

std::shared_ptr<Streak> Tombstone::streak() const
{
    return fields::resolve(m_streakId, m_streakRef, modelContext());
}

bool Tombstone::setStreak(const std::shared_ptr<Streak> &streak)
{
    if (streak && streak->isDeleted())
        return false;
    m_streakRef = streak;
    write(m_streakId, streak ? streak->id() : QUuid(), "streak");
    return true;
}

struct TombstoneSchema {
    static EntitySchema build()
    {
        using fields::make;
        using T = FieldType;
        EntitySchema s;
        s.name = QStringLiteral("Tombstone");
        s.fields = {
            make(QStringLiteral("id"), T::uuid, &Tombstone::m_id),
            fields::reference(
                QStringLiteral("streak"), &Tombstone::m_streakId, +[] { return &Streak::schema(); },
                true),
            make(QStringLiteral("days"), T::integer, &Tombstone::m_days),
            make(QStringLiteral("startedAt"), T::date, &Tombstone::m_startedAt),
            make(QStringLiteral("brokenAt"), T::date, &Tombstone::m_brokenAt),
            make(QStringLiteral("lastWhyAnswer"), T::text, &Tombstone::m_lastWhyAnswer, true),
            make(QStringLiteral("modeAtBreak"), T::text, &Tombstone::m_modeAtBreak),
        };
        s.make = [] { return std::shared_ptr<Record>(new Tombstone()); };
        s.indexes = {QStringLiteral("streak(\"streakId\")")};
        return s;
    }
};

const EntitySchema &Tombstone::schema()
{
    static const EntitySchema s = TombstoneSchema::build();
    return s;
}

} // namespace halvex
