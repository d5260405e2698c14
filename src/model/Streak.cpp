#include "model/Streak.h"

#include "model/BypassUsage.h"
#include "model/ModelContext.h"
#include "model/RecordFields.h"
#include "model/Tombstone.h"
#include "model/TriggerEvent.h"
#include "model/UsageSession.h"

namespace halvex {

QString raw(StreakType type)
{
    return type == StreakType::app ? QStringLiteral("app") : QStringLiteral("site");
}

QString raw(StrictnessMode mode)
{
    switch (mode) {
    case StrictnessMode::gentle:
        return QStringLiteral("gentle");
    case StrictnessMode::brutal:
        return QStringLiteral("brutal");
    case StrictnessMode::firm:
        break;
    }
    return QStringLiteral("firm");
}

std::optional<StreakType> streakTypeFromRaw(const QString &raw)
{
    if (raw == u"site")
        return StreakType::site;
    if (raw == u"app")
        return StreakType::app;
    return std::nullopt;
}

std::optional<StrictnessMode> strictnessModeFromRaw(const QString &raw)
{
    if (raw == u"gentle")
        return StrictnessMode::gentle;
    if (raw == u"firm")
        return StrictnessMode::firm;
    if (raw == u"brutal")
        return StrictnessMode::brutal;
    return std::nullopt;
}

Streak::Streak()
    : Record(QUuid())
{}

Streak::Streak(const QUuid &id, const QString &name, StreakType type, StrictnessMode mode,
               const QStringList &domains, const QStringList &browsers,
               const QStringList &bundleIdentifiers, const QDateTime &startedAt)
    : Record(id)
    , m_name(name)
    , m_typeRaw(raw(type))
    , m_modeRaw(raw(mode))
    , m_domains(domains)
    , m_browsers(browsers)
    , m_bundleIdentifiers(bundleIdentifiers)
    , m_startedAt(startedAt)
{
    // Creation and last edit are one instant, read once from the system clock.
    m_createdAt = QDateTime::currentDateTimeUtc();
    m_updatedAt = m_createdAt;
}

StrictnessMode Streak::mode() const
{
    if (m_modeRaw == u"gentle")
        return StrictnessMode::gentle;
    if (m_modeRaw == u"brutal")
        return StrictnessMode::brutal;
    return StrictnessMode::firm;
}

StreakType Streak::type() const
{
    return m_typeRaw == u"app" ? StreakType::app : StreakType::site;
}

namespace {

template <class Child> std::vector<std::shared_ptr<Child>> children(const Streak &streak)
{
    ModelContext *context = streak.modelContext();
    if (!context || streak.isDeleted())
        return {};
    auto fetched = context->fetch<Child>(
        FetchDescriptor<Child>(Predicate::equal(QStringLiteral("streak"), streak.id())));
    return fetched ? std::move(fetched).value() : std::vector<std::shared_ptr<Child>>{};
}

} // namespace

std::vector<std::shared_ptr<Tombstone>> Streak::tombstones() const
{
    return children<Tombstone>(*this);
}

std::vector<std::shared_ptr<TriggerEvent>> Streak::triggerEvents() const
{
    return children<TriggerEvent>(*this);
}

std::vector<std::shared_ptr<BypassUsage>> Streak::bypassUsages() const
{
    return children<BypassUsage>(*this);
}

std::vector<std::shared_ptr<UsageSession>> Streak::usageSessions() const
{
    return children<UsageSession>(*this);
}

struct StreakSchema {
    static EntitySchema build()
    {
        using fields::make;
        using T = FieldType;
        EntitySchema s;
        s.name = QStringLiteral("Streak");
        s.fields = {
            make(QStringLiteral("id"), T::uuid, &Streak::m_id),
            make(QStringLiteral("name"), T::text, &Streak::m_name),
            make(QStringLiteral("typeRaw"), T::text, &Streak::m_typeRaw),
            make(QStringLiteral("modeRaw"), T::text, &Streak::m_modeRaw),
            make(QStringLiteral("domains"), T::textList, &Streak::m_domains),
            make(QStringLiteral("browsers"), T::textList, &Streak::m_browsers),
            make(QStringLiteral("bundleIdentifiers"), T::textList, &Streak::m_bundleIdentifiers),
            make(QStringLiteral("startedAt"), T::date, &Streak::m_startedAt),
            make(QStringLiteral("bestDays"), T::integer, &Streak::m_bestDays),
            make(QStringLiteral("isPaused"), T::boolean, &Streak::m_isPaused),
            make(QStringLiteral("pausedUntil"), T::date, &Streak::m_pausedUntil, true),
            make(QStringLiteral("allowDailyFreePass"), T::boolean, &Streak::m_allowDailyFreePass),
            make(QStringLiteral("allowExternalLinkBypass"), T::boolean,
                 &Streak::m_allowExternalLinkBypass),
            make(QStringLiteral("notificationsEnabled"), T::boolean,
                 &Streak::m_notificationsEnabled, false, true),
            make(QStringLiteral("activeWindowEnabled"), T::boolean, &Streak::m_activeWindowEnabled,
                 false, false),
            make(QStringLiteral("activeWindowStartMinutes"), T::integer,
                 &Streak::m_activeWindowStartMinutes, false, 540),
            make(QStringLiteral("activeWindowEndMinutes"), T::integer,
                 &Streak::m_activeWindowEndMinutes, false, 1080),
            make(QStringLiteral("activeWeekdaysMask"), T::integer, &Streak::m_activeWeekdaysMask,
                 false, 127),
            make(QStringLiteral("allowanceEnabled"), T::boolean, &Streak::m_allowanceEnabled, false,
                 false),
            make(QStringLiteral("allowanceMinutes"), T::integer, &Streak::m_allowanceMinutes, false,
                 15),
            make(QStringLiteral("sortOrder"), T::integer, &Streak::m_sortOrder),
            make(QStringLiteral("isPrimary"), T::boolean, &Streak::m_isPrimary),
            make(QStringLiteral("createdAt"), T::date, &Streak::m_createdAt),
            make(QStringLiteral("updatedAt"), T::date, &Streak::m_updatedAt),
        };
        s.make = [] { return std::shared_ptr<Record>(new Streak()); };
        s.indexes = {QStringLiteral("sortOrder(\"sortOrder\")")};
        return s;
    }
};

const EntitySchema &Streak::schema()
{
    static const EntitySchema s = StreakSchema::build();
    return s;
}

} // namespace halvex
