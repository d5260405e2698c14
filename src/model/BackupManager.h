#pragma once

#include <optional>
#include <variant>

#include <QString>

#include "model/DayClock.h"
#include "model/PersistenceController.h"
#include "model/StoreError.h"
#include "platform/Expected.h"

namespace halvex {

enum class BackupError {
    directoryCreationFailed,
    encodingFailed,
    decodingFailed, // kept for reading a backup back; nothing raises it yet
    fileWriteFailed,
};

// Why an export failed: its own failure, or the store's fetch error as it came.
using ExportError = std::variant<BackupError, StoreError>;

// Writes one JSON backup of the whole store per calendar day into a
// "backups" folder beside the store, named by the UTC date.
class BackupManager final {
public:
    // `environment` locates the store folder the backups go beside; `clock`
    // gives the time and the zone in which calendar days are told apart.
    BackupManager(PersistenceController &persistence, StoreEnvironment environment, DayClock clock,
                  std::optional<QString> overrideBackupsDirectory = std::nullopt);

    // Backs up unless a backup was already made on today's calendar day, or
    // the store fell back to memory. Failures are logged with their reason;
    // lastBackupAt then stays, so the next call retries.
    void runIfNeeded();

    // Backs up now; returns the written file's path.
    platform::Expected<QString, ExportError> exportBackup();

    // The backups folder, created with its parents when nothing is there,
    // for its owner only; files in it are too.
    platform::Expected<QString, BackupError> backupsDirectory() const;

    // Where the backups go; the folder itself is not created.
    QString backupsPath() const;
    // The path of the newest backup there (the latest date in its name), if any.
    std::optional<QString> newestBackup() const;

    // "yyyy-MM-dd.json" of the UTC date of `instant`.
    static QString fileName(const QDateTime &instant);

private:
    PersistenceController &m_persistence;
    StoreEnvironment m_environment;
    DayClock m_clock;
    std::optional<QString> m_overrideBackupsDirectory;
};

} // namespace halvex
