#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

#include "model/Record.h"

namespace halvex {

class Streak;

// One broken run of a streak.
class Tombstone final : public Record {
public:
    Tombstone(const QUuid &id, qint64 days, const QDateTime &startedAt, const QDateTime &brokenAt,
              const std::optional<QString> &lastWhyAnswer, const QString &modeAtBreak);

    static const EntitySchema &schema();
    const EntitySchema &entity() const override { return schema(); }

    std::shared_ptr<Streak> streak() const;
    const QUuid &streakId() const { return m_streakId; }
    // Refused (false, nothing changes) for a deleted streak: the link could never be saved.
    bool setStreak(const std::shared_ptr<Streak> &streak);

    qint64 days() const { return m_days; }
    void setDays(qint64 v) { write(m_days, v, "days"); }
    const QDateTime &startedAt() const { return m_startedAt; }
    void setStartedAt(const QDateTime &v) { write(m_startedAt, v, "startedAt"); }
    const QDateTime &brokenAt() const { return m_brokenAt; }
    void setBrokenAt(const QDateTime &v) { write(m_brokenAt, v, "brokenAt"); }
    const std::optional<QString> &lastWhyAnswer() const { return m_lastWhyAnswer; }
    void setLastWhyAnswer(const std::optional<QString> &v)
    {
        write(m_lastWhyAnswer, v, "lastWhyAnswer");
    }
    const QString &modeAtBreak() const { return m_modeAtBreak; }
    void setModeAtBreak(const QString &v) { write(m_modeAtBreak, v, "modeAtBreak"); }

private:
    Tombstone();
    friend struct TombstoneSchema;

    QUuid m_streakId;
    std::shared_ptr<Streak> m_streakRef;
    qint64 m_days{};
    QDateTime m_startedAt{};
    QDateTime m_brokenAt{};
    std::optional<QString> m_lastWhyAnswer{};
    QString m_modeAtBreak{};
};

} // namespace halvex
