#pragma once

#include <optional>

#include <QJsonObject>
#include <QString>

namespace platform {

// The application as it was built and installed: its information list (the
// JSON object compiled in as ":/Info.json") and the folder it runs from.
class Bundle final {
public:
    static inline const QString infoResource = QStringLiteral(":/Info.json");

    Bundle(std::optional<QJsonObject> infoDictionary, QString bundlePath)
        : m_info(std::move(infoDictionary))
        , m_path(std::move(bundlePath))
    {}

    // The running binary's bundle. Its folder is the executable's, which needs
    // an application object; without one it is the working folder.
    static Bundle main();
    // The JSON object in a file; nothing when the file is missing, unreadable
    // or holds anything but an object.
    static std::optional<QJsonObject> readInfoFile(const QString &path);

    const std::optional<QJsonObject> &infoDictionary() const { return m_info; }
    // "CFBundleIdentifier" when the list has it as a string.
    std::optional<QString> bundleIdentifier() const;
    // A string value of the list; nothing when missing or of another type.
    std::optional<QString> stringValue(const QString &key) const;

    QString bundlePath() const { return m_path; }
    // A path inside the bundle's folder, as given (no check that it exists).
    QString filePath(const QString &relativePath) const;

private:
    std::optional<QJsonObject> m_info;
    QString m_path;
};

} // namespace platform
