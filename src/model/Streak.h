#pragma once

#include <optional>
#include <vector>

#include <QDateTime>
#include <QStringList>

#include "model/Record.h"

namespace halvex {

class Tombstone;
class TriggerEvent;
class BypassUsage;
class UsageSession;

enum class StreakType { site, app };
enum class StrictnessMode { gentle, firm, brutal };

QString raw(StreakType type);
QString raw(StrictnessMode mode);
// Exact, case-sensitive parses; anything else is no value.
std::optional<StreakType> streakTypeFromRaw(const QString &raw);
std::optional<StrictnessMode> strictnessModeFromRaw(const QString &raw);

// One rule set the user keeps, and its current run.
class Streak final : public Record {
public:
    Streak(const QUuid &id, const QString &name, StreakType type, StrictnessMode mode,
           const QStringList &domains, const QStringList &browsers,
           const QStringList &bundleIdentifiers, const QDateTime &startedAt);

    static const EntitySchema &schema();
    const EntitySchema &entity() const override { return schema(); }

    const QString &name() const { return m_name; }
    void setName(const QString &v) { write(m_name, v, "name"); }
    const QString &typeRaw() const { return m_typeRaw; }
    void setTypeRaw(const QString &v) { write(m_typeRaw, v, "typeRaw"); }
    const QString &modeRaw() const { return m_modeRaw; }
    void setModeRaw(const QString &v) { write(m_modeRaw, v, "modeRaw"); }
    const QStringList &domains() const { return m_domains; }
    void setDomains(const QStringList &v) { write(m_domains, v, "domains"); }
    const QStringList &browsers() const { return m_browsers; }
    void setBrowsers(const QStringList &v) { write(m_browsers, v, "browsers"); }
    const QStringList &bundleIdentifiers() const { return m_bundleIdentifiers; }
    void setBundleIdentifiers(const QStringList &v)
    {
        write(m_bundleIdentifiers, v, "bundleIdentifiers");
    }
    const QDateTime &startedAt() const { return m_startedAt; }
    void setStartedAt(const QDateTime &v) { write(m_startedAt, v, "startedAt"); }
    qint64 bestDays() const { return m_bestDays; }
    void setBestDays(qint64 v) { write(m_bestDays, v, "bestDays"); }
    bool isPaused() const { return m_isPaused; }
    void setIsPaused(bool v) { write(m_isPaused, v, "isPaused"); }
    const std::optional<QDateTime> &pausedUntil() const { return m_pausedUntil; }
    void setPausedUntil(const std::optional<QDateTime> &v)
    {
        write(m_pausedUntil, v, "pausedUntil");
    }
    bool allowDailyFreePass() const { return m_allowDailyFreePass; }
    void setAllowDailyFreePass(bool v) { write(m_allowDailyFreePass, v, "allowDailyFreePass"); }
    bool allowExternalLinkBypass() const { return m_allowExternalLinkBypass; }
    void setAllowExternalLinkBypass(bool v)
    {
        write(m_allowExternalLinkBypass, v, "allowExternalLinkBypass");
    }
    bool notificationsEnabled() const { return m_notificationsEnabled; }
    void setNotificationsEnabled(bool v)
    {
        write(m_notificationsEnabled, v, "notificationsEnabled");
    }
    bool activeWindowEnabled() const { return m_activeWindowEnabled; }
    void setActiveWindowEnabled(bool v) { write(m_activeWindowEnabled, v, "activeWindowEnabled"); }
    int activeWindowStartMinutes() const { return m_activeWindowStartMinutes; }
    void setActiveWindowStartMinutes(int v)
    {
        write(m_activeWindowStartMinutes, v, "activeWindowStartMinutes");
    }
    int activeWindowEndMinutes() const { return m_activeWindowEndMinutes; }
    void setActiveWindowEndMinutes(int v)
    {
        write(m_activeWindowEndMinutes, v, "activeWindowEndMinutes");
    }
    int activeWeekdaysMask() const { return m_activeWeekdaysMask; }
    void setActiveWeekdaysMask(int v) { write(m_activeWeekdaysMask, v, "activeWeekdaysMask"); }
    bool allowanceEnabled() const { return m_allowanceEnabled; }
    void setAllowanceEnabled(bool v) { write(m_allowanceEnabled, v, "allowanceEnabled"); }
    int allowanceMinutes() const { return m_allowanceMinutes; }
    void setAllowanceMinutes(int v) { write(m_allowanceMinutes, v, "allowanceMinutes"); }
    int sortOrder() const { return m_sortOrder; }
    void setSortOrder(int v) { write(m_sortOrder, v, "sortOrder"); }
    bool isPrimary() const { return m_isPrimary; }
    void setIsPrimary(bool v) { write(m_isPrimary, v, "isPrimary"); }
    const QDateTime &createdAt() const { return m_createdAt; }
    void setCreatedAt(const QDateTime &v) { write(m_createdAt, v, "createdAt"); }
    const QDateTime &updatedAt() const { return m_updatedAt; }
    void setUpdatedAt(const QDateTime &v) { write(m_updatedAt, v, "updatedAt"); }

    // Unknown raw strings read as firm and as a site streak.
    StrictnessMode mode() const;
    StreakType type() const;

    // The cascading lists, read through the streak's context (unsaved
    // changes included); empty while the streak is in no context.
    std::vector<std::shared_ptr<Tombstone>> tombstones() const;
    std::vector<std::shared_ptr<TriggerEvent>> triggerEvents() const;
    std::vector<std::shared_ptr<BypassUsage>> bypassUsages() const;
    std::vector<std::shared_ptr<UsageSession>> usageSessions() const;

private:
    Streak(); // loading: the declared initial values, then the stored ones
    friend struct StreakSchema;

    QString m_name;
    QString m_typeRaw;
    QString m_modeRaw;
    QStringList m_domains;
    QStringList m_browsers;
    QStringList m_bundleIdentifiers;
    QDateTime m_startedAt;
    qint64 m_bestDays = 0;
    bool m_isPaused = false;
    std::optional<QDateTime> m_pausedUntil;
    bool m_allowDailyFreePass = true;
    bool m_allowExternalLinkBypass = true;
    bool m_notificationsEnabled = true;
    bool m_activeWindowEnabled = false;
    int m_activeWindowStartMinutes = 540;
    int m_activeWindowEndMinutes = 1080;
    int m_activeWeekdaysMask = 127;
    bool m_allowanceEnabled = false;
    int m_allowanceMinutes = 15;
    int m_sortOrder = 0;
    bool m_isPrimary = false;
    QDateTime m_createdAt;
    QDateTime m_updatedAt;
};

} // namespace halvex
