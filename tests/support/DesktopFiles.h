#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Writes a ".desktop" file under folder (subfolders allowed in relativePath).
inline bool writeDesktopFile(const QString &folder, const QString &relativePath,
                             const QByteArray &body)
{
    const QString path = folder + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("[Desktop Entry]\n" + body) > 0;
}
