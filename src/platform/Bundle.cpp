#include "platform/Bundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace platform {

Bundle Bundle::main()
{
    const QString folder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return Bundle(readInfoFile(infoResource), folder);
}

std::optional<QJsonObject> Bundle::readInfoFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

std::optional<QString> Bundle::bundleIdentifier() const
{
    return stringValue(QStringLiteral("CFBundleIdentifier"));
}

std::optional<QString> Bundle::stringValue(const QString &key) const
{
    if (!m_info)
        return std::nullopt;
    const QJsonValue value = m_info->value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

QString Bundle::filePath(const QString &relativePath) const
{
    return QDir(m_path).filePath(relativePath);
}

} // namespace platform
