#include "kit/CrashUploader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include "platform/FatalSignals.h"

namespace fennimar {

CrashUploader::CrashUploader(const QString &queueDir)
    : m_queueDir(queueDir)
{
    QDir().mkpath(m_queueDir);
}

QString CrashUploader::pendingFolder(const QString &bundleIdentifier)
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + u'/' + bundleIdentifier + QStringLiteral("/fennimar-kit/crashes");
}

QString CrashUploader::stagingDir() const
{
    return QFileInfo(m_queueDir).absolutePath();
}

void CrashUploader::write(const CrashPayload &payload) const
{
    const QByteArray bytes = payload.encode();
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    const QString name = QString::number(payload.occurredAt) + u'-' + uuid;
    const QByteArray staging =
        QFile::encodeName(stagingDir() + QStringLiteral("/.crash-") + name + u".partial");
    const QByteArray target = QFile::encodeName(m_queueDir + u'/' + name + u".json");
    platform::FatalSignals::writeFileAtomically(staging.constData(), target.constData(),
                                                bytes.constData(), std::size_t(bytes.size()));
}

} // namespace fennimar
