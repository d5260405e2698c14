#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QUuid>

#include "model/StoreError.h"
#include "platform/Expected.h"

namespace halvex {

class AppSettings;
class BypassUsage;
class ModelContext;
class Streak;
class Tombstone;
class TriggerEvent;
class WhyAnswer;

// Plain copies of the stored records as a backup holds them. Links become
// ids; an empty optional is left out of the file, never written as null.

struct StreakBackup {
    explicit StreakBackup(const Streak &streak);

    QUuid id;
    QString name;
    QString type; // as stored
    QString mode; // as stored, even when it is none of the known modes
    QStringList domains;
    QStringList browsers;
    QStringList bundleIdentifiers;
    QDateTime startedAt;
    qint64 bestDays = 0;
    bool isPaused = false;
    std::optional<QDateTime> pausedUntil;
    bool allowDailyFreePass = false;
    bool allowExternalLinkBypass = false;
    bool activeWindowEnabled = false;
    int activeWindowStartMinutes = 0;
    int activeWindowEndMinutes = 0;
    std::optional<int> activeWeekdaysMask;
    std::optional<bool> allowanceEnabled;
    std::optional<int> allowanceMinutes;
    int sortOrder = 0;
    bool isPrimary = false;
    QDateTime createdAt;
    QDateTime updatedAt;
};

struct TombstoneBackup {
    explicit TombstoneBackup(const Tombstone &tombstone);

    QUuid id;
    std::optional<QUuid> streakId;
    qint64 days = 0;
    QDateTime startedAt;
    QDateTime brokenAt;
    std::optional<QString> lastWhyAnswer;
    QString modeAtBreak;
};

struct TriggerEventBackup {
    // The answer's id comes from the caller: looking it up per event would
    // cost one query each.
    TriggerEventBackup(const TriggerEvent &event, std::optional<QUuid> whyAnswerId);

    QUuid id;
    std::optional<QUuid> streakId;
    QDateTime firedAt;
    QString triggerSource;
    std::optional<QString> matchedDomain;
    std::optional<QString> matchedBundleId;
    QString outcome; // empty while the user has not decided
    std::optional<QUuid> whyAnswerId;
};

struct WhyAnswerBackup {
    explicit WhyAnswerBackup(const WhyAnswer &answer);

    QUuid id;
    std::optional<QUuid> triggerEventId;
    QString text;
    QDateTime createdAt;
};

struct BypassUsageBackup {
    explicit BypassUsageBackup(const BypassUsage &usage);

    QUuid id;
    std::optional<QUuid> streakId;
    QString kind;
    QDateTime usedAt;
    std::optional<QDateTime> expiresAt;
};

struct AppSettingsBackup {
    explicit AppSettingsBackup(const AppSettings &settings);

    QUuid id;
    bool loginItemEnabled = false;
    QString theme;
    std::optional<QUuid> primaryStreakId;
    std::optional<QDateTime> lastBackupAt;
    bool firstLaunchCompleted = false;
    bool limitedMode = false;
    bool weeklyDigestEnabled = false;
};

// The whole backup document. Usage sessions are not part of it.
struct BackupPayload {
    int schemaVersion = 1;
    QDateTime exportedAt;
    std::vector<StreakBackup> streaks;
    std::vector<TombstoneBackup> tombstones;
    std::vector<TriggerEventBackup> triggerEvents;
    std::vector<WhyAnswerBackup> whyAnswers;
    std::vector<BypassUsageBackup> bypassUsages;
    std::optional<AppSettingsBackup> appSettings;

    // Pretty-printed UTF-8 JSON with the keys of every object in ascending
    // character-code order, dates as whole UTC seconds ("...T12:00:00Z"),
    // upper-case UUIDs and "/" escaped. A value that cannot be written as
    // it is does not stop the rest: a lone surrogate in a text becomes
    // U+FFFD, and an invalid or out-of-range date is left out of its
    // object. Where that happened ("streaks[0].startedAt") is added to
    // `fallbacks`.
    QByteArray encoded(QStringList *fallbacks = nullptr) const;
};

// Copies every record of the store, in the order the store gives them, or
// fails with the store's own fetch error and makes no document at all.
platform::Expected<BackupPayload, StoreError> makePayload(ModelContext &context,
                                                          const std::function<QDateTime()> &clock);

} // namespace halvex
