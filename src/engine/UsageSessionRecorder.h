#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QUuid>

#include "model/TriggerEvent.h"

namespace halvex {

class PersistenceController;

// The open allowance session as the engine and the allowance gate see it.
struct OpenAllowance {
    QSet<QUuid> streakIds;
    QDateTime startedAt;
};

// Measures time spent on a blocked target and writes it as UsageSession
// rows, one per covered streak. At most one session is open, in memory only.
// Main thread only.
class UsageSessionRecorder final {
public:
    using Clock = std::function<QDateTime()>;

    struct OpenSession {
        QUuid streakId;
        std::optional<QString> matchedDomain;
        std::optional<QString> matchedBundleId;
        QDateTime startedAt;
        TriggerSource source = TriggerSource::app;
        bool isAllowance = false;
        QSet<QUuid> coveredStreakIds;
    };

    // A session open this long is written when it is next met.
    static constexpr double staleAfterSeconds = 28800.0;
    // Shorter trigger sessions are glances, not usage.
    static constexpr double minimumTriggerSeconds = 3.0;

    UsageSessionRecorder(PersistenceController &persistence, Clock clock);
    UsageSessionRecorder(const UsageSessionRecorder &) = delete;
    UsageSessionRecorder &operator=(const UsageSessionRecorder &) = delete;

    // Opens a session, or keeps the open one when it is the same (the source
    // does not take part); a different open session is committed first.
    void begin(const QUuid &streakId, const std::optional<QString> &matchedDomain,
               const std::optional<QString> &matchedBundleId, TriggerSource source,
               bool isAllowance, const QSet<QUuid> &coveredStreakIds);
    // Commits the open session, up to `now`, once it has run 8 hours or more.
    void flushIfStale(const QDateTime &now);
    // Commits the open session, if any, at the clock's time.
    void closeOpen();

    // The open session when it is an allowance session.
    std::optional<OpenAllowance> openAllowance() const;
    const std::optional<OpenSession> &open() const { return m_open; }

private:
    void commit(const OpenSession &session, const QDateTime &endedAt);

    PersistenceController &m_persistence;
    Clock m_clock;
    std::optional<OpenSession> m_open;
};

} // namespace halvex
