#include "model/AppSettings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include "model/RecordFields.h"
#include "platform/SystemAppearance.h"

namespace halvex {

QString raw(AppTheme theme)
{
    switch (theme) {
    case AppTheme::light:
        return QStringLiteral("light");
    case AppTheme::dark:
        return QStringLiteral("dark");
    case AppTheme::automatic:
        break;
    }
    return QStringLiteral("auto");
}

std::optional<AppTheme> appThemeFromRaw(const QString &raw)
{
    if (raw == u"light")
        return AppTheme::light;
    if (raw == u"dark")
        return AppTheme::dark;
    if (raw == u"auto")
        return AppTheme::automatic;
    return std::nullopt;
}

Appearance systemAppearance(const platform::SystemAppearance &source)
{
    return source.interfaceStyle() == u"Dark" ? Appearance::dark : Appearance::light;
}

AppSettings::AppSettings()
    : Record(QUuid::createUuid())
{}

AppSettings::AppSettings(const QUuid &id)
    : Record(id)
{}

std::shared_ptr<AppSettings> AppSettings::fetchOrCreate(ModelContext &context)
{
    auto existing = context.fetch<AppSettings>();
    if (existing && !existing->empty())
        return existing->front();
    auto settings = std::make_shared<AppSettings>();
    context.insert(settings);
    (void)context.save(); // a failed save keeps the record in the context for this run
    return settings;
}

std::map<QUuid, QDateTime> AppSettings::decodeDismissedSuggestions(const QString &text)
{
    std::map<QUuid, QDateTime> result;
    if (text.isEmpty())
        return result;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return result;
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QUuid id = QUuid::fromString(it.key());
        if (id.isNull() || !it.value().isDouble())
            continue;
        const double seconds = it.value().toDouble();
        result[id] =
            QDateTime::fromMSecsSinceEpoch(qint64(std::llround(seconds * 1000.0)), Qt::UTC);
    }
    return result;
}

QString AppSettings::encodeDismissedSuggestions(const std::map<QUuid, QDateTime> &dismissed)
{
    QJsonObject object;
    for (const auto &[id, date] : dismissed)
        object.insert(storage::uuidText(id), double(date.toMSecsSinceEpoch()) / 1000.0);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString AppSettings::encodeDeniedBrowsers(const std::set<QString> &bundleIds)
{
    // std::set<QString> orders by UTF-16 code units, the ordinary text order.
    QStringList ids(bundleIds.begin(), bundleIds.end());
    return ids.join(u'|');
}

std::optional<std::set<QString>>
AppSettings::decodeDeniedBrowsers(const std::optional<QString> &text)
{
    if (!text || text->isEmpty())
        return std::nullopt;
    std::set<QString> ids;
    for (const QString &piece : text->split(u'|', Qt::SkipEmptyParts)) {
        QStringView trimmed(piece);
        while (!trimmed.isEmpty() && (trimmed.front() == u' ' || trimmed.front() == u'\t'))
            trimmed = trimmed.mid(1);
        while (!trimmed.isEmpty() && (trimmed.back() == u' ' || trimmed.back() == u'\t'))
            trimmed.chop(1);
        if (!trimmed.isEmpty())
            ids.insert(trimmed.toString());
    }
    return ids;
}

struct AppSettingsSchema {
    static EntitySchema build()
    {
        using fields::make;
        using T = FieldType;
        EntitySchema s;
        s.name = QStringLiteral("AppSettings");
        s.fields = {
            make(QStringLiteral("id"), T::uuid, &AppSettings::m_id),
            make(QStringLiteral("loginItemEnabled"), T::boolean, &AppSettings::m_loginItemEnabled),
            make(QStringLiteral("themeRaw"), T::text, &AppSettings::m_themeRaw),
            make(QStringLiteral("languageRaw"), T::text, &AppSettings::m_languageRaw, false,
                 QStringLiteral("system")),
            make(QStringLiteral("primaryStreakId"), T::uuid, &AppSettings::m_primaryStreakId, true),
            make(QStringLiteral("lastBackupAt"), T::date, &AppSettings::m_lastBackupAt, true),
            make(QStringLiteral("firstLaunchCompleted"), T::boolean,
                 &AppSettings::m_firstLaunchCompleted),
            make(QStringLiteral("limitedMode"), T::boolean, &AppSettings::m_limitedMode),
            make(QStringLiteral("dismissedSuggestionsRaw"), T::text,
                 &AppSettings::m_dismissedSuggestionsRaw, true),
            make(QStringLiteral("deniedAutomationBundleIdsRaw"), T::text,
                 &AppSettings::m_deniedAutomationBundleIdsRaw, true),
            make(QStringLiteral("persistenceDegraded"), T::boolean,
                 &AppSettings::m_persistenceDegraded, false, false),
            make(QStringLiteral("notificationSoundEnabled"), T::boolean,
                 &AppSettings::m_notificationSoundEnabled, false, true),
            make(QStringLiteral("weeklyDigestEnabled"), T::boolean,
                 &AppSettings::m_weeklyDigestEnabled, false, true),
        };
        s.make = [] { return std::shared_ptr<Record>(new AppSettings(QUuid())); };
        return s;
    }
};

const EntitySchema &AppSettings::schema()
{
    static const EntitySchema s = AppSettingsSchema::build();
    return s;
}

} // namespace halvex
