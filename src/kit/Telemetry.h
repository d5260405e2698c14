#pragma once

#include <functional>
#include <optional>

#include <QFuture>
#include <QJsonObject>
#include <QString>
#include <QVariantMap>

#include "kit/AppConfig.h"
#include "kit/HTTPClient.h"
#include "kit/RemoteConfig.h"
#include "kit/SharedFuture.h"

namespace fennimar {

// One small JSON event per noteworthy moment, posted to the backend's
// "/api/telemetry" and forgotten: no queue, no retry, nothing reaches the
// caller. Silent until configured, and while the remote configuration has
// telemetry switched off.
class Telemetry final {
public:
    // The remote configuration in force, read on every event.
    using RemoteSwitches = std::function<RemoteConfig::Payload()>;

    explicit Telemetry(RemoteSwitches remote);
    Q_DISABLE_COPY_MOVE(Telemetry)

    // The application's instance, reading RemoteConfig::shared().
    static Telemetry &shared();

    // Once, at start-up: the backend, the User-Agent and the install
    // identity, which may still be on its way: events wait for it.
    void configure(const AppConfig &config, const QFuture<QString> &installId,
                   QNetworkAccessManager *session = HTTPClient::sharedSession());
    bool isConfigured() const { return m_state.has_value(); }

    // Returns at once; may be called from any thread once configure() is done.
    void track(const QString &event, const QVariantMap &properties = {}) const;
    void trackAppUpdate(const QString &from, const QString &to) const;

    // Keeps strings, integers, doubles and booleans; drops every other value
    // with its key.
    static QJsonObject sanitizeProps(const QVariantMap &properties);

private:
    struct State {
        AppConfig config;
        HTTPClient http;
        QUrl endpoint;
        SharedFuture<QString> installId;
    };

    RemoteSwitches m_remote;
    std::optional<State> m_state;
};

} // namespace fennimar
