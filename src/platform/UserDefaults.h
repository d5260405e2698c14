#pragma once

#include <memory>
#include <optional>

#include <QDateTime>
#include <QSettings>
#include <QStringList>
#include <QVariantMap>

namespace platform {

// Typed user defaults over QSettings. A read of a missing key, or of a value
// of another type, gives the fallback.
class UserDefaults final {
public:
    // The application's own defaults (organisation "fennimar", application "halvex").
    UserDefaults();
    // Defaults kept in an INI file of their own (tests, or another suite).
    explicit UserDefaults(const QString &iniPath);
    ~UserDefaults();
    UserDefaults(const UserDefaults &) = delete;
    UserDefaults &operator=(const UserDefaults &) = delete;

    static UserDefaults &standard();

    bool contains(const QString &key) const;
    std::optional<bool> boolValue(const QString &key) const;
    bool boolValue(const QString &key, bool fallback) const { return boolValue(key).value_or(fallback); }
    std::optional<qint64> integerValue(const QString &key) const;
    std::optional<double> doubleValue(const QString &key) const;
    std::optional<QString> stringValue(const QString &key) const;
    std::optional<QStringList> stringListValue(const QString &key) const;
    std::optional<QDateTime> dateValue(const QString &key) const;
    std::optional<QVariantMap> dictionaryValue(const QString &key) const;

    void setValue(const QString &key, bool value);
    void setValue(const QString &key, qint64 value);
    void setValue(const QString &key, int value) { setValue(key, qint64(value)); }
    void setValue(const QString &key, double value);
    void setValue(const QString &key, const QString &value);
    void setValue(const QString &key, const char *value) { setValue(key, QString::fromUtf8(value)); }
    void setValue(const QString &key, const QStringList &value);
    void setValue(const QString &key, const QDateTime &value);
    void setValue(const QString &key, const QVariantMap &value);
    void remove(const QString &key);

    void synchronize();

private:
    QVariant raw(const QString &key) const;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace platform
