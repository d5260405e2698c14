#pragma once

#include <map>
#include <optional>
#include <set>

#include <QDateTime>
#include <QString>

#include "model/Record.h"

namespace platform {
class SystemAppearance;
}

namespace halvex {

class ModelContext;

enum class AppTheme { light, dark, automatic };
enum class Appearance { light, dark };

QString raw(AppTheme theme); // "light", "dark", "auto"
std::optional<AppTheme> appThemeFromRaw(const QString &raw);
// The desktop's own appearance: dark only when its interface style is exactly "Dark".
Appearance systemAppearance(const platform::SystemAppearance &source);

// The single record of application-wide settings and remembered state.
class AppSettings final : public Record {
public:
    AppSettings(); // the values of a new record, with a fresh id

    static const EntitySchema &schema();
    const EntitySchema &entity() const override { return schema(); }

    // The one way to reach the record: the first one found, or a new one,
    // inserted and saved. Store failures are swallowed; it always returns one.
    static std::shared_ptr<AppSettings> fetchOrCreate(ModelContext &context);

    bool loginItemEnabled() const { return m_loginItemEnabled; }
    void setLoginItemEnabled(bool v) { write(m_loginItemEnabled, v, "loginItemEnabled"); }
    const QString &themeRaw() const { return m_themeRaw; }
    void setThemeRaw(const QString &v) { write(m_themeRaw, v, "themeRaw"); }
    const QString &languageRaw() const { return m_languageRaw; }
    void setLanguageRaw(const QString &v) { write(m_languageRaw, v, "languageRaw"); }
    const std::optional<QUuid> &primaryStreakId() const { return m_primaryStreakId; }
    void setPrimaryStreakId(const std::optional<QUuid> &v)
    {
        write(m_primaryStreakId, v, "primaryStreakId");
    }
    const std::optional<QDateTime> &lastBackupAt() const { return m_lastBackupAt; }
    void setLastBackupAt(const std::optional<QDateTime> &v)
    {
        write(m_lastBackupAt, v, "lastBackupAt");
    }
    bool firstLaunchCompleted() const { return m_firstLaunchCompleted; }
    void setFirstLaunchCompleted(bool v)
    {
        write(m_firstLaunchCompleted, v, "firstLaunchCompleted");
    }
    bool limitedMode() const { return m_limitedMode; }
    void setLimitedMode(bool v) { write(m_limitedMode, v, "limitedMode"); }
    const std::optional<QString> &dismissedSuggestionsRaw() const
    {
        return m_dismissedSuggestionsRaw;
    }
    void setDismissedSuggestionsRaw(const std::optional<QString> &v)
    {
        write(m_dismissedSuggestionsRaw, v, "dismissedSuggestionsRaw");
    }
    const std::optional<QString> &deniedAutomationBundleIdsRaw() const
    {
        return m_deniedAutomationBundleIdsRaw;
    }
    void setDeniedAutomationBundleIdsRaw(const std::optional<QString> &v)
    {
        write(m_deniedAutomationBundleIdsRaw, v, "deniedAutomationBundleIdsRaw");
    }
    bool persistenceDegraded() const { return m_persistenceDegraded; }
    void setPersistenceDegraded(bool v) { write(m_persistenceDegraded, v, "persistenceDegraded"); }
    bool notificationSoundEnabled() const { return m_notificationSoundEnabled; }
    void setNotificationSoundEnabled(bool v)
    {
        write(m_notificationSoundEnabled, v, "notificationSoundEnabled");
    }
    bool weeklyDigestEnabled() const { return m_weeklyDigestEnabled; }
    void setWeeklyDigestEnabled(bool v) { write(m_weeklyDigestEnabled, v, "weeklyDigestEnabled"); }

    // An unknown stored theme reads as automatic.
    AppTheme theme() const { return appThemeFromRaw(m_themeRaw).value_or(AppTheme::automatic); }

    // Dismissed block suggestions: a compact JSON object from upper-case
    // streak id to seconds since 1970. Malformed text reads as none.
    static std::map<QUuid, QDateTime> decodeDismissedSuggestions(const QString &text);
    static QString encodeDismissedSuggestions(const std::map<QUuid, QDateTime> &dismissed);

    // Browsers that denied automation: sorted ids joined by "|". Loading
    // trims pieces and drops empty ones; nullopt when nothing is stored.
    static QString encodeDeniedBrowsers(const std::set<QString> &bundleIds);
    static std::optional<std::set<QString>>
    decodeDeniedBrowsers(const std::optional<QString> &text);

private:
    explicit AppSettings(const QUuid &id);
    friend struct AppSettingsSchema;

    bool m_loginItemEnabled = false;
    QString m_themeRaw = QStringLiteral("auto");
    QString m_languageRaw = QStringLiteral("system");
    std::optional<QUuid> m_primaryStreakId;
    std::optional<QDateTime> m_lastBackupAt;
    bool m_firstLaunchCompleted = false;
    bool m_limitedMode = false;
    std::optional<QString> m_dismissedSuggestionsRaw;
    std::optional<QString> m_deniedAutomationBundleIdsRaw;
    bool m_persistenceDegraded = false;
    bool m_notificationSoundEnabled = true;
    bool m_weeklyDigestEnabled = true;
};

} // namespace halvex
