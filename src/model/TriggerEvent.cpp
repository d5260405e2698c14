#include "model/TriggerEvent.h"

#include "model/RecordFields.h"
#include "model/Streak.h"
#include "model/WhyAnswer.h"

namespace halvex {

namespace {
constexpr std::array sourceRaws = {u"app", u"url", u"externalLink"};
constexpr std::array outcomeRaws = {u"stepBack", u"pause", u"bypassFreePass", u"bypassExternalLink",
                                    u"openAnyway"};
} // namespace

QString raw(TriggerSource source)
{
    return QString::fromUtf16(sourceRaws[size_t(source)]);
}

QString raw(TriggerOutcome outcome)
{
    return QString::fromUtf16(outcomeRaws[size_t(outcome)]);
}

std::optional<TriggerSource> triggerSourceFromRaw(const QString &raw)
{
    for (size_t i = 0; i < sourceRaws.size(); ++i) {
        if (raw == QStringView(sourceRaws[i]))
            return TriggerSource(i);
    }
    return std::nullopt;
}

std::optional<TriggerOutcome> triggerOutcomeFromRaw(const QString &raw)
{
    for (size_t i = 0; i < outcomeRaws.size(); ++i) {
        if (raw == QStringView(outcomeRaws[i]))
            return TriggerOutcome(i);
    }
    return std::nullopt;
}

TriggerEvent::TriggerEvent()
    : Record(QUuid())
{}

TriggerEvent::TriggerEvent(const QUuid &id, const QDateTime &firedAt, TriggerSource source,
                           const std::optional<QString> &matchedDomain,
                           const std::optional<QString> &matchedBundleId)
    : Record(id)
    , m_firedAt(firedAt)
    , m_triggerSourceRaw(raw(source))
    , m_matchedDomain(matchedDomain)
    , m_matchedBundleId(matchedBundleId)
{}

std::shared_ptr<Streak> TriggerEvent::streak() const
{
    return fields::resolve(m_streakId, m_streakRef, modelContext());
}

bool TriggerEvent::setStreak(const std::shared_ptr<Streak> &streak)
{
    if (streak && streak->isDeleted())
        return false;
    m_streakRef = streak;
    write(m_streakId, streak ? streak->id() : QUuid(), "streak");
    return true;
}

std::shared_ptr<WhyAnswer> TriggerEvent::whyAnswer() const
{
    if (isDeleted())
        return nullptr;
    if (ModelContext *context = modelContext()) {
        auto answers = context->fetch<WhyAnswer>(
            {Predicate::equal(QStringLiteral("triggerEvent"), id()), {}, 1});
        if (answers && !answers->empty())
            return answers->front();
    }
    auto answer = m_unsavedAnswer.lock();
    return answer && answer->triggerEventId() == id() && !answer->isDeleted() ? answer : nullptr;
}

bool TriggerEvent::setWhyAnswer(const std::shared_ptr<WhyAnswer> &answer)
{
    auto self = std::static_pointer_cast<TriggerEvent>(shared_from_this());
    if (answer)
        return answer->setTriggerEvent(self);
    if (auto current = whyAnswer())
        current->setTriggerEvent(nullptr);
    m_unsavedAnswer.reset();
    return true;
}

struct TriggerEventSchema {
    static EntitySchema build()
    {
        using fields::make;
        using T = FieldType;
        EntitySchema s;
        s.name = QStringLiteral("TriggerEvent");
        s.fields = {
            make(QStringLiteral("id"), T::uuid, &TriggerEvent::m_id),
            fields::reference(
                QStringLiteral("streak"), &TriggerEvent::m_streakId,
                +[] { return &Streak::schema(); }, true),
            make(QStringLiteral("firedAt"), T::date, &TriggerEvent::m_firedAt),
            make(QStringLiteral("triggerSourceRaw"), T::text, &TriggerEvent::m_triggerSourceRaw),
            make(QStringLiteral("matchedDomain"), T::text, &TriggerEvent::m_matchedDomain, true),
            make(QStringLiteral("matchedBundleId"), T::text, &TriggerEvent::m_matchedBundleId,
                 true),
            make(QStringLiteral("outcomeRaw"), T::text, &TriggerEvent::m_outcomeRaw),
        };
        s.make = [] { return std::shared_ptr<Record>(new TriggerEvent()); };
        s.indexes = {QStringLiteral("firedAt(\"firedAt\")"),
                     QStringLiteral("streakFiredAt(\"streakId\", \"firedAt\")")};
        return s;
    }
};

const EntitySchema &TriggerEvent::schema()
{
    static const EntitySchema s = TriggerEventSchema::build();
    return s;
}

} // namespace halvex
