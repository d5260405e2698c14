#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

#include "model/Record.h"

namespace halvex {

class Streak;

// One use of a pause or bypass; `kindRaw` is "pauseOneHour", "dailyFreePass" or "externalLink".
class BypassUsage final : public Record {
public:
    BypassUsage(const QUuid &id, const QString &kindRaw, const QDateTime &usedAt,
                const std::optional<QDateTime> &expiresAt);

    static const EntitySchema &schema();
    const EntitySchema &entity() const override { return schema(); }

    std::shared_ptr<Streak> streak() const;
    const QUuid &streakId() const { return m_streakId; }
    // Refused (false, nothing changes) for a deleted streak: the link could never be saved.
    bool setStreak(const std::shared_ptr<Streak> &streak);

    const QString &kindRaw() const { return m_kindRaw; }
    void setKindRaw(const QString &v) { write(m_kindRaw, v, "kindRaw"); }
    const QDateTime &usedAt() const { return m_usedAt; }
    void setUsedAt(const QDateTime &v) { write(m_usedAt, v, "usedAt"); }
    const std::optional<QDateTime> &expiresAt() const { return m_expiresAt; }
    void setExpiresAt(const std::optional<QDateTime> &v) { write(m_expiresAt, v, "expiresAt"); }

private:
    BypassUsage();
    friend struct BypassUsageSchema;

    QUuid m_streakId;
    std::shared_ptr<Streak> m_streakRef;
    QString m_kindRaw{};
    QDateTime m_usedAt{};
    std::optional<QDateTime> m_expiresAt{};
};

} // namespace halvex
