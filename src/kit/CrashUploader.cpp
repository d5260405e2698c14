#include "kit/CrashUploader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QStandardPaths>
#include <QUuid>

#include "platform/FatalSignals.h"
#include "platform/Log.h"

namespace fennimar {

namespace {

struct DrainState {
    QFileInfoList entries;
    qsizetype next = 0;
    QPromise<void> promise;
};

} // namespace

CrashUploader::CrashUploader(const AppConfig &config, QNetworkAccessManager *session)
    : CrashUploader(config, pendingFolder(config.bundleId), session)
{}

CrashUploader::CrashUploader(const AppConfig &config, const QString &queueDir,
                             QNetworkAccessManager *session)
{
    auto shared = std::make_shared<Shared>(Shared{
        config.backendURL(QStringLiteral("/api/crashes")),
        queueDir,
        HTTPClient(session, config.userAgent()),
        std::make_unique<platform::Logger>(config.bundleId.toUtf8().constData(), "Crash"),
    });
    QDir().mkpath(queueDir);
    m_shared = std::move(shared);
}

CrashUploader::~CrashUploader() = default;

QString CrashUploader::pendingFolder(const QString &bundleIdentifier)
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + u'/' + bundleIdentifier + QStringLiteral("/fennimar-kit/crashes");
}

QString CrashUploader::stagingDir() const
{
    return QFileInfo(queueDir()).absolutePath();
}

void CrashUploader::write(const CrashPayload &payload) const
{
    const QByteArray bytes = payload.encode();
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    const QString name = QString::number(payload.occurredAt) + u'-' + uuid;
    const QByteArray staging =
        QFile::encodeName(stagingDir() + QStringLiteral("/.crash-") + name + u".partial");
    const QByteArray target = QFile::encodeName(queueDir() + u'/' + name + u".json");
    platform::FatalSignals::writeFileAtomically(staging.constData(), target.constData(),
                                                bytes.constData(), std::size_t(bytes.size()));
}

QFuture<void> CrashUploader::drain() const
{
    auto state = std::make_shared<DrainState>();
    state->entries =
        QDir(queueDir())
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Unsorted);
    QFuture<void> done = state->promise.future();
    state->promise.start();

    // Each answer sends the next file: the uploads never overlap. The step
    // holds itself only weakly; a pending answer keeps it alive.
    auto postNext = std::make_shared<std::function<void()>>();
    *postNext = [shared = m_shared, state, self = std::weak_ptr(postNext)]() {
        while (state->next < state->entries.size()) {
            const QString path = state->entries.at(state->next++).filePath();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir())
                continue;
            HTTPRequest request;
            request.url = shared->endpoint;
            request.method = "POST";
            request.setHeader("Content-Type", "application/json");
            request.body = file.readAll();
            shared->http.send(request).then(
                QtFuture::Launch::Sync,
                [shared, path, next = self.lock()](const HTTPClient::Result &result) {
                    if (!result) {
                        shared->logger->notice("crash upload deferred: %s",
                                               {result.error().description()});
                    } else if (const int status = result->statusCode;
                               (status >= 200 && status <= 299) || status == 400) {
                        QFile::remove(path);
                    }
                    (*next)();
                });
            return;
        }
        state->promise.finish();
    };
    (*postNext)();
    return done;
}

} // namespace fennimar
