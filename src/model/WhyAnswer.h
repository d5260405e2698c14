#pragma once

#include <QDateTime>
#include <QString>

#include "model/Record.h"

namespace halvex {

class TriggerEvent;

// The text typed in answer to "Why are you here?" for one trigger event.
class WhyAnswer final : public Record {
public:
    WhyAnswer(const QUuid &id, const QString &text, const QDateTime &createdAt);

    // The answer for typed text: trimmed of white space and line breaks at
    // both ends; null when nothing is left.
    static std::shared_ptr<WhyAnswer> fromTypedText(const QString &typed, const QDateTime &now);

    static const EntitySchema &schema();
    const EntitySchema &entity() const override { return schema(); }

    std::shared_ptr<TriggerEvent> triggerEvent() const;
    const QUuid &triggerEventId() const { return m_triggerEventId; }
    // Takes the event from any other answer that held it: the link is
    // one-to-one. Refused (false, nothing changes) for a deleted event.
    bool setTriggerEvent(const std::shared_ptr<TriggerEvent> &event);

    const QString &text() const { return m_text; }
    void setText(const QString &v) { write(m_text, v, "text"); }
    const QDateTime &createdAt() const { return m_createdAt; }
    void setCreatedAt(const QDateTime &v) { write(m_createdAt, v, "createdAt"); }

private:
    WhyAnswer();
    friend struct WhyAnswerSchema;

    QUuid m_triggerEventId;
    std::shared_ptr<TriggerEvent> m_triggerEventRef;
    QString m_text;
    QDateTime m_createdAt;
};

} // namespace halvex
