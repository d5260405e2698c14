#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

#include "model/Record.h"

namespace halvex {

class Streak;
class WhyAnswer;

enum class TriggerSource { app, url, externalLink };
enum class TriggerOutcome {
    stepBack = 0,
    pause = 1,
    bypassFreePass = 2,
    bypassExternalLink = 3,
    openAnyway = 4
};

QString raw(TriggerSource source);
QString raw(TriggerOutcome outcome);
// Exact, case-sensitive, untrimmed parses; anything else is no value.
std::optional<TriggerSource> triggerSourceFromRaw(const QString &raw);
std::optional<TriggerOutcome> triggerOutcomeFromRaw(const QString &raw);

// One time a blocked target came up, and what the user decided.
class TriggerEvent final : public Record {
public:
    TriggerEvent(const QUuid &id, const QDateTime &firedAt, TriggerSource source,
                 const std::optional<QString> &matchedDomain,
                 const std::optional<QString> &matchedBundleId);

    static const EntitySchema &schema();
    const EntitySchema &entity() const override { return schema(); }

    std::shared_ptr<Streak> streak() const;
    const QUuid &streakId() const { return m_streakId; }
    // Refused (false, nothing changes) for a deleted streak: the link could never be saved.
    bool setStreak(const std::shared_ptr<Streak> &streak);

    const QDateTime &firedAt() const { return m_firedAt; }
    void setFiredAt(const QDateTime &v) { write(m_firedAt, v, "firedAt"); }
    const QString &triggerSourceRaw() const { return m_triggerSourceRaw; }
    void setTriggerSourceRaw(const QString &v) { write(m_triggerSourceRaw, v, "triggerSourceRaw"); }
    const std::optional<QString> &matchedDomain() const { return m_matchedDomain; }
    void setMatchedDomain(const std::optional<QString> &v)
    {
        write(m_matchedDomain, v, "matchedDomain");
    }
    const std::optional<QString> &matchedBundleId() const { return m_matchedBundleId; }
    void setMatchedBundleId(const std::optional<QString> &v)
    {
        write(m_matchedBundleId, v, "matchedBundleId");
    }
    const QString &outcomeRaw() const { return m_outcomeRaw; }
    void setOutcomeRaw(const QString &v) { write(m_outcomeRaw, v, "outcomeRaw"); }

    std::optional<TriggerOutcome> outcome() const { return triggerOutcomeFromRaw(m_outcomeRaw); }
    void setOutcome(TriggerOutcome outcome) { setOutcomeRaw(raw(outcome)); }
    std::optional<TriggerSource> source() const { return triggerSourceFromRaw(m_triggerSourceRaw); }

    // One end of the one-to-one link with WhyAnswer; setting it sets the
    // other end. Refused (false) while this event is deleted.
    std::shared_ptr<WhyAnswer> whyAnswer() const;
    bool setWhyAnswer(const std::shared_ptr<WhyAnswer> &answer);

private:
    TriggerEvent();
    friend struct TriggerEventSchema;
    friend class WhyAnswer;

    QUuid m_streakId;
    std::shared_ptr<Streak> m_streakRef;
    QDateTime m_firedAt;
    QString m_triggerSourceRaw;
    std::optional<QString> m_matchedDomain;
    std::optional<QString> m_matchedBundleId;
    QString m_outcomeRaw;
    std::weak_ptr<WhyAnswer> m_unsavedAnswer; // the answer while neither end is in a context
};

} // namespace halvex
