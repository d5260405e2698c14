#pragma once

#include <optional>

#include <QByteArray>
#include <QFuture>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>

#include "kit/AppConfig.h"
#include "kit/HTTPClient.h"

namespace fennimar {

// The switches the maker's backend keeps for this application: fetched once
// per run, the last good copy cached on disk for the next start. Runs on the
// thread it lives on (the main thread); snapshot() may be read from any.
// Every failure is silent and leaves the value in force.
class RemoteConfig final : public QObject {
    Q_OBJECT
public:
    struct ReviewPrompt final {
        bool enabled = true;
        qint64 afterDays = 15;
        qint64 minUseDays = 5;
        qint64 repeatAfterDays = 30;
        qint64 maxPrompts = 3;

        static ReviewPrompt defaults() { return {}; }
        bool operator==(const ReviewPrompt &) const = default;
    };

    struct Payload final {
        struct Telemetry final {
            bool enabled = true;
            bool operator==(const Telemetry &) const = default;
        };

        QMap<QString, bool> features;
        Telemetry telemetry;
        std::optional<ReviewPrompt> reviewPrompt;

        static Payload defaults() { return {}; }
        ReviewPrompt effectiveReviewPrompt() const
        {
            return reviewPrompt.value_or(ReviewPrompt::defaults());
        }

        // The whole document or nothing: a missing required key or a value of
        // the wrong type anywhere rejects it. Unknown keys are ignored.
        static std::optional<Payload> decode(const QByteArray &json);
        // Compact JSON with the same keys; no "reviewPrompt" when there is none.
        QByteArray encode() const;

        bool operator==(const Payload &) const = default;
    };

    // A cache file larger than this is not one we wrote; it is left unread.
    static constexpr qint64 maximumCacheSize = 1024 * 1024;

    explicit RemoteConfig(QObject *parent = nullptr);
    ~RemoteConfig() override;
    Q_DISABLE_COPY_MOVE(RemoteConfig)

    // The application's instance, made on first use on the calling thread.
    static RemoteConfig &shared();

    // <Application Support>/<bundle id>/fennimar-kit/config.json, where
    // Application Support is the user's data folder, or the temporary folder
    // when there is none.
    static QString cacheFilePath(const QString &bundleId);
    static QString cacheFilePath(const QString &bundleId, const QString &applicationSupport);

    // Loads the cached payload and starts the refresh without waiting for it;
    // the returned future ends with that refresh.
    QFuture<void> configure(const AppConfig &config);
    // Fetches the backend's document once; the future ends when its answer
    // (or failure) has been taken in. Does nothing before configure().
    QFuture<void> refresh();
    // Writes the bytes as the new cache file, atomically; errors are ignored.
    void writeCache(const QByteArray &bytes);

    // Any thread, without waiting for a fetch.
    Payload snapshot() const;
    // The entity tag of this run's last accepted answer (memory only).
    std::optional<QByteArray> etag() const { return m_etag; }
    // True once a fetch of this run was answered 304, or 200 with a document
    // we could read.
    bool hasFetched() const;

signals:
    // The value in force may have changed: after a cache load, after the
    // run's first answered fetch, and after any later answer that differs.
    // Always delivered later from the event loop, never from inside a call.
    void didChange();

private:
    void take(const HTTPClient::Result &result);
    void setCurrent(const Payload &payload);
    void postDidChange(bool changed);

    Payload m_current;
    std::optional<QByteArray> m_etag;
    std::optional<HTTPClient> m_http;
    std::optional<QUrl> m_endpoint;
    std::optional<QString> m_cachePath;

    mutable QMutex m_mirrorMutex;
    Payload m_mirror;
    mutable QMutex m_flagMutex;
    bool m_hasFetched = false;
    bool m_hasPostedChange = false;
};

} // namespace fennimar
