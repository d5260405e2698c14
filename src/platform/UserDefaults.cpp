#include "platform/UserDefaults.h"

#include <QTimeZone>

namespace platform {

namespace {
// Keys are dotted ("fennimar.automationGrants"); QSettings treats "/" as a
// group separator, so a key is stored whole in the general section.
QString settingsKey(const QString &key)
{
    QString k = key;
    k.replace(u'/', u'\\');
    return k;
}
} // namespace

UserDefaults::UserDefaults()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("fennimar"), QStringLiteral("halvex")))
{
}

UserDefaults::UserDefaults(const QString &iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

UserDefaults::~UserDefaults() = default;

UserDefaults &UserDefaults::standard()
{
    static UserDefaults defaults;
    return defaults;
}

QVariant UserDefaults::raw(const QString &key) const
{
    return m_settings->value(settingsKey(key));
}

bool UserDefaults::contains(const QString &key) const
{
    return m_settings->contains(settingsKey(key));
}

std::optional<bool> UserDefaults::boolValue(const QString &key) const
{
    const QVariant v = raw(key);
    if (!v.isValid())
        return std::nullopt;
    // INI files hand values back as text.
    const QString text = v.toString().trimmed().toLower();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (text == u"true" || text == u"1")
        return true;
    if (text == u"false" || text == u"0")
        return false;
    return std::nullopt;
}

std::optional<qint64> UserDefaults::integerValue(const QString &key) const
{
    const QVariant v = raw(key);
    bool ok = false;
    const qint64 value = v.toString().toLongLong(&ok);
    return v.isValid() && ok ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<double> UserDefaults::doubleValue(const QString &key) const
{
    const QVariant v = raw(key);
    bool ok = false;
    const double value = v.toString().toDouble(&ok);
    return v.isValid() && ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<QString> UserDefaults::stringValue(const QString &key) const
{
    const QVariant v = raw(key);
    if (!v.isValid() || v.typeId() == QMetaType::QVariantMap || v.typeId() == QMetaType::QStringList)
        return std::nullopt;
    return v.toString();
}

std::optional<QStringList> UserDefaults::stringListValue(const QString &key) const
{
    const QVariant v = raw(key);
    if (!v.isValid())
        return std::nullopt;
    if (v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QVariantList)
        return v.toStringList();
    return QStringList{v.toString()};
}

std::optional<QDateTime> UserDefaults::dateValue(const QString &key) const
{
    const QVariant v = raw(key);
    if (!v.isValid())
        return std::nullopt;
    const QDateTime date = v.typeId() == QMetaType::QDateTime
                               ? v.toDateTime()
                               : QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
    return date.isValid() ? std::optional<QDateTime>(date.toUTC()) : std::nullopt;
}

std::optional<QVariantMap> UserDefaults::dictionaryValue(const QString &key) const
{
    const QVariant v = raw(key);
    if (!v.isValid() || v.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return v.toMap();
}

void UserDefaults::setValue(const QString &key, bool value)
{
    m_settings->setValue(settingsKey(key), value);
}

void UserDefaults::setValue(const QString &key, qint64 value)
{
    m_settings->setValue(settingsKey(key), value);
}

void UserDefaults::setValue(const QString &key, double value)
{
    m_settings->setValue(settingsKey(key), value);
}

void UserDefaults::setValue(const QString &key, const QString &value)
{
    m_settings->setValue(settingsKey(key), value);
}

void UserDefaults::setValue(const QString &key, const QStringList &value)
{
    m_settings->setValue(settingsKey(key), value);
}

void UserDefaults::setValue(const QString &key, const QDateTime &value)
{
    m_settings->setValue(settingsKey(key), value.toUTC().toString(Qt::ISODateWithMs));
}

void UserDefaults::setValue(const QString &key, const QVariantMap &value)
{
    m_settings->setValue(settingsKey(key), value);
}

void UserDefaults::remove(const QString &key)
{
    m_settings->remove(settingsKey(key));
}

void UserDefaults::synchronize()
{
    m_settings->sync();
}

} // namespace platform
