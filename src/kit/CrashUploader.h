#pragma once

#include <QString>

#include "kit/CrashPayload.h"

namespace fennimar {

// Owns the folder of pending crash records: the crash handlers write into
// it, and each launch posts what it holds.
class CrashUploader final {
public:
    // Creates the folder (and its parents); a failure is left for the
    // writes to meet.
    explicit CrashUploader(const QString &queueDir);
    Q_DISABLE_COPY_MOVE(CrashUploader)

    // "<Application Support>/<bundle id>/fennimar-kit/crashes", where
    // Application Support is the generic data folder, or the temporary
    // folder when there is none.
    static QString pendingFolder(const QString &bundleIdentifier);

    const QString &queueDir() const { return m_queueDir; }
    // Where a record is staged before it is renamed into the folder, so the
    // folder never holds a half-written file: its parent, on the same file
    // system.
    QString stagingDir() const;

    // Writes the record as "<occurredAt>-<UUID>.json", readable by the owner
    // only. Failures are silent: this runs while the process dies.
    void write(const CrashPayload &payload) const;

private:
    QString m_queueDir;
};

} // namespace fennimar
