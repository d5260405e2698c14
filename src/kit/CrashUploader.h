#pragma once

#include <memory>

#include <QFuture>
#include <QString>
#include <QUrl>

#include "kit/AppConfig.h"
#include "kit/CrashPayload.h"
#include "kit/HTTPClient.h"

namespace platform {
class Logger;
}

namespace fennimar {

// Owns the folder of pending crash records: the crash handlers write into
// it, and each launch posts what it holds to the backend's "/api/crashes".
class CrashUploader final {
public:
    // The folder is the configuration's pending folder; creating it may
    // fail, which the writes then meet.
    explicit CrashUploader(const AppConfig &config,
                           QNetworkAccessManager *session = HTTPClient::sharedSession());
    CrashUploader(const AppConfig &config, const QString &queueDir, QNetworkAccessManager *session);
    ~CrashUploader();
    Q_DISABLE_COPY_MOVE(CrashUploader)

    // "<Application Support>/<bundle id>/fennimar-kit/crashes", where
    // Application Support is the generic data folder, or the temporary
    // folder when there is none.
    static QString pendingFolder(const QString &bundleIdentifier);

    const QUrl &endpoint() const { return m_shared->endpoint; }
    const QString &queueDir() const { return m_shared->queueDir; }
    // Where a record is staged before it is renamed into the folder, so the
    // folder never holds a half-written file: its parent, on the same file
    // system.
    QString stagingDir() const;

    // Writes the record as "<occurredAt>-<UUID>.json", readable by the owner
    // only. Failures are silent: this runs while the process dies.
    void write(const CrashPayload &payload) const;

    // Posts every pending file as it is, one after another. A success or a
    // 400 (the backend will never take it) deletes the file; anything else
    // keeps it for the next launch. The future ends after the last answer.
    QFuture<void> drain() const;

private:
    struct Shared {
        QUrl endpoint;
        QString queueDir;
        HTTPClient http;
        std::unique_ptr<platform::Logger> logger;
    };
    std::shared_ptr<const Shared> m_shared;
};

} // namespace fennimar
