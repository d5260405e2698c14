#include "model/BackupManager.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "model/AppSettings.h"
#include "model/BackupPayload.h"
#include "model/CalendarDay.h"
#include "model/ModelContext.h"
#include "platform/Log.h"

namespace halvex {

namespace {

QString describe(const ExportError &error)
{
    if (const auto *store = std::get_if<StoreError>(&error))
        return store->localizedDescription();
    switch (std::get<BackupError>(error)) {
    case BackupError::directoryCreationFailed:
        return QStringLiteral("the backups folder cannot be created");
    case BackupError::encodingFailed:
        return QStringLiteral("the document cannot be encoded");
    case BackupError::decodingFailed:
        return QStringLiteral("the document cannot be read");
    case BackupError::fileWriteFailed:
        return QStringLiteral("the file cannot be written");
    }
    return {};
}

} // namespace

BackupManager::BackupManager(PersistenceController &persistence, StoreEnvironment environment,
                             DayClock clock, std::optional<QString> overrideBackupsDirectory)
    : m_persistence(persistence)
    , m_environment(std::move(environment))
    , m_clock(std::move(clock))
    , m_overrideBackupsDirectory(std::move(overrideBackupsDirectory))
{
    // Backups written before they were kept private are made so now.
    const QString folder = backupsPath();
    if (QFileInfo(folder).isDir()) {
        PersistenceController::makePrivateFolder(folder);
        PersistenceController::makeFilesPrivate(folder);
    }
}

QString BackupManager::backupsPath() const
{
    return m_overrideBackupsDirectory ? *m_overrideBackupsDirectory
                                      : QDir(PersistenceController::storeDirectory(m_environment))
                                            .filePath(QStringLiteral("backups"));
}

std::optional<QString> BackupManager::newestBackup() const
{
    const QDir folder(backupsPath());
    // Named by their ISO dates, which sort as they follow each other.
    const QStringList names =
        folder.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString &name : names) {
        if (QDate::fromString(QFileInfo(name).completeBaseName(), Qt::ISODate).isValid())
            return folder.filePath(name);
    }
    return std::nullopt;
}

void BackupManager::runIfNeeded()
{
    auto settings = AppSettings::fetchOrCreate(m_persistence.mainContext());
    const QDateTime now = m_clock.now();
    const auto &last = settings->lastBackupAt();
    // Any other day counts, an earlier one too: a clock set back must not
    // stop backups until it catches up again.
    if (last && calendar::isSameDay(*last, now, m_clock.timeZone()))
        return;
    // A store that fell back to memory holds next to nothing: written out,
    // it would replace today's good backup.
    if (m_persistence.degraded()) {
        platform::log::persistence().notice("backup skipped: the store runs in memory");
        return;
    }
    // Nothing is shown; lastBackupAt stays, so the next check tries again.
    if (const auto exported = exportBackup(); !exported)
        platform::log::persistence().error("backup failed: %s", {describe(exported.error())});
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

    // A stored value that cannot be read does not cost the whole backup: it
    // is written as its record's fallback, and said so.
    QStringList fallbacks;
    const QByteArray bytes = payload->encoded(&fallbacks);
    for (const QString &where : std::as_const(fallbacks))
        platform::log::persistence().notice("backup wrote a fallback for the unreadable %s",
                                            {where});

    const QString path = QDir(*directory).filePath(fileName(m_clock.now()));
    // A reader never sees half a file, and a failed write leaves an earlier
    // file of the same name as it was. Unbuffered, so that a full disk shows
    // in write(): commit() here does not notice a failing final flush and
    // would put a cut-off file in place of the earlier one.
    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (opened) // an earlier file's rights would carry over otherwise
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (!opened || file.write(bytes) != bytes.size() || !file.commit()) {
        platform::log::persistence().error("backup file write failed at %s: %s",
                                           {path, file.errorString()});
        return platform::unexpected(ExportError(BackupError::fileWriteFailed));
    }

    auto settings = AppSettings::fetchOrCreate(context);
    settings->setLastBackupAt(m_clock.now());
    (void)context.save(); // the file is written; a lost bookkeeping save only means another backup
    return path;
}

platform::Expected<QString, BackupError> BackupManager::backupsDirectory() const
{
    const QString directory = backupsPath();
    // Anything at the path counts as there, a plain file too; writing into it then fails.
    if (const std::optional<QString> error = PersistenceController::makePrivateFolder(directory)) {
        platform::log::persistence().error("createDirectory failed at %s: %s", {directory, *error});
        return platform::unexpected(BackupError::directoryCreationFailed);
    }
    return directory;
}

QString BackupManager::fileName(const QDateTime &instant)
{
    return instant.toUTC().date().toString(Qt::ISODate) + QStringLiteral(".json");
}

} // namespace halvex
