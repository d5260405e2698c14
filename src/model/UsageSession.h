#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

#include "model/Record.h"

namespace halvex {

class Streak;

// One stretch of time spent on a blocked target, for one streak.
class UsageSession final : public Record {
public:
    UsageSession(const QUuid &id, const QDateTime &startedAt, const QDateTime &endedAt,
                 double durationSec, const QString &triggerSourceRaw);

    static const EntitySchema &schema();
    const EntitySchema &entity() const override { return schema(); }

    std::shared_ptr<Streak> streak() const;
    const QUuid &streakId() const { return m_streakId; }
    // Refused (false, nothing changes) for a deleted streak: the link could never be saved.
    bool setStreak(const std::shared_ptr<Streak> &streak);

    const QDateTime &startedAt() const { return m_startedAt; }
    void setStartedAt(const QDateTime &v) { write(m_startedAt, v, "startedAt"); }
    const QDateTime &endedAt() const { return m_endedAt; }
    void setEndedAt(const QDateTime &v) { write(m_endedAt, v, "endedAt"); }
    double durationSec() const { return m_durationSec; }
    void setDurationSec(double v) { write(m_durationSec, v, "durationSec"); }
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
    const QString &triggerSourceRaw() const { return m_triggerSourceRaw; }
    void setTriggerSourceRaw(const QString &v) { write(m_triggerSourceRaw, v, "triggerSourceRaw"); }
    bool isAllowance() const { return m_isAllowance; }
    void setIsAllowance(bool v) { write(m_isAllowance, v, "isAllowance"); }

private:
    UsageSession();
    friend struct UsageSessionSchema;

    QUuid m_streakId;
    std::shared_ptr<Streak> m_streakRef;
    QDateTime m_startedAt{};
    QDateTime m_endedAt{};
    double m_durationSec{};
    std::optional<QString> m_matchedDomain{};
    std::optional<QString> m_matchedBundleId{};
    QString m_triggerSourceRaw{};
    bool m_isAllowance{};
};

} // namespace halvex
