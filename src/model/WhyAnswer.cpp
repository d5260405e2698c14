#include "model/WhyAnswer.h"

#include "model/RecordFields.h"
#include "model/TriggerEvent.h"

namespace halvex {

WhyAnswer::WhyAnswer()
    : Record(QUuid())
{}

WhyAnswer::WhyAnswer(const QUuid &id, const QString &text, const QDateTime &createdAt)
    : Record(id)
    , m_text(text)
    , m_createdAt(createdAt)
{}

std::shared_ptr<WhyAnswer> WhyAnswer::fromTypedText(const QString &typed, const QDateTime &now)
{
    // QString::trimmed() takes spaces, tabs and line breaks from both ends.
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return nullptr;
    return std::make_shared<WhyAnswer>(QUuid::createUuid(), text, now);
}

std::shared_ptr<TriggerEvent> WhyAnswer::triggerEvent() const
{
    return fields::resolve(m_triggerEventId, m_triggerEventRef, modelContext());
}

bool WhyAnswer::setTriggerEvent(const std::shared_ptr<TriggerEvent> &event)
{
    if (event && event->isDeleted())
        return false;
    if (event) {
        ModelContext *context = modelContext() ? modelContext() : event->modelContext();
        if (context) {
            auto holders = context->fetch<WhyAnswer>(
                {Predicate::equal(QStringLiteral("triggerEvent"), event->id())});
            if (holders) {
                for (const auto &other : *holders) {
                    if (other.get() != this)
                        other->setTriggerEvent(nullptr);
                }
            }
        }
        if (auto previous = event->m_unsavedAnswer.lock();
            previous && previous.get() != this && previous->m_triggerEventId == event->id())
            previous->setTriggerEvent(nullptr);
        event->m_unsavedAnswer = std::static_pointer_cast<WhyAnswer>(shared_from_this());
    }
    m_triggerEventRef = event;
    write(m_triggerEventId, event ? event->id() : QUuid(), "triggerEvent");
    return true;
}

struct WhyAnswerSchema {
    static EntitySchema build()
    {
        using fields::make;
        using T = FieldType;
        EntitySchema s;
        s.name = QStringLiteral("WhyAnswer");
        s.fields = {
            make(QStringLiteral("id"), T::uuid, &WhyAnswer::m_id),
            fields::reference(
                QStringLiteral("triggerEvent"), &WhyAnswer::m_triggerEventId,
                +[] { return &TriggerEvent::schema(); }, true),
            make(QStringLiteral("text"), T::text, &WhyAnswer::m_text),
            make(QStringLiteral("createdAt"), T::date, &WhyAnswer::m_createdAt),
        };
        s.make = [] { return std::shared_ptr<Record>(new WhyAnswer()); };
        s.indexes = {QStringLiteral("triggerEvent(\"triggerEventId\")")};
        return s;
    }
};

const EntitySchema &WhyAnswer::schema()
{
    static const EntitySchema s = WhyAnswerSchema::build();
    return s;
}

} // namespace halvex
