#include "model/BackupManager.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "model/AppSettings.h"
#include "model/BackupPayload.h"
#include "model/CalendarDay.h"
#include "model/ModelContext.h"

namespace halvex {

BackupManager::BackupManager(PersistenceController &persistence, StoreEnvironment environment,
                             DayClock clock, std::optional<QString> overrideBackupsDirectory)
    : m_persistence(persistence)
    , m_environment(std::move(environment))
    , m_clock(std::move(clock))
    , m_overrideBackupsDirectory(std::move(overrideBackupsDirectory))
{}

void BackupManager::runIfNeeded()
{
    auto settings = AppSettings::fetchOrCreate(m_persistence.mainContext());
    const QDateTime now = m_clock.now();
    const auto &last = settings->lastBackupAt();
    // Any other day counts, an earlier one too: a clock set back must not
    // stop backups until it catches up again.
    if (last && calendar::isSameDay(*last, now, m_clock.timeZone()))
        return;
    (void)exportBackup();
}

platform::Expected<QString, ExportError> BackupManager::exportBackup()
{
    auto directory = backupsDirectory();
    if (!directory)
        return platform::unexpected(ExportError(directory.error()));

    ModelContext &context = m_persistence.mainContext();
    auto payload = makePayload(context, m_clock.clock());
    if (!payload)
        return platform::unexpected(ExportError(payload.error()));

    const std::optional<QByteArray> bytes = payload->encoded();
    if (!bytes)
        return platform::unexpected(ExportError(BackupError::encodingFailed));

    const QString path = QDir(*directory).filePath(fileName(m_clock.now()));
    // A reader never sees half a file, and a failed write leaves an earlier
    // file of the same name as it was. Unbuffered, so that a full disk shows
    // in write(): commit() here does not notice a failing final flush and
    // would put a cut-off file in place of the earlier one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(*bytes) != bytes->size() || !file.commit())
        return platform::unexpected(ExportError(BackupError::fileWriteFailed));

    auto settings = AppSettings::fetchOrCreate(context);
    settings->setLastBackupAt(m_clock.now());
    (void)context.save(); // the file is written; a lost bookkeeping save only means another backup
    return path;
}

platform::Expected<QString, BackupError> BackupManager::backupsDirectory() const
{
    const QString directory = m_overrideBackupsDirectory
                                  ? *m_overrideBackupsDirectory
                                  : QDir(PersistenceController::storeDirectory(m_environment))
                                        .filePath(QStringLiteral("backups"));
    // Anything at the path counts as there, a plain file too; writing into it then fails.
    if (!QFileInfo::exists(directory) && !QDir().mkpath(directory))
        return platform::unexpected(BackupError::directoryCreationFailed);
    return directory;
}

QString BackupManager::fileName(const QDateTime &instant)
{
    return instant.toUTC().date().toString(Qt::ISODate) + QStringLiteral(".json");
}

} // namespace halvex
