#include "kit/Telemetry.h"

#include <cmath>
#include <limits>

#include <QJsonDocument>

#include "platform/Log.h"

namespace fennimar {

namespace {

const platform::Logger &logger()
{
    return platform::log::kit("Telemetry");
}

std::optional<QJsonValue> sanitized(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return QJsonValue(value.toString());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return QJsonValue(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        // Above the signed range it is no integer the backend reads.
        const qulonglong v = value.toULongLong();
        if (v > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return QJsonValue(qint64(v));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return QJsonValue(value.toDouble());
    case QMetaType::Bool:
        return QJsonValue(value.toBool());
    default:
        return std::nullopt;
    }
}

} // namespace

Telemetry::Telemetry(RemoteSwitches remote)
    : m_remote(std::move(remote))
{}

Telemetry &Telemetry::shared()
{
    static Telemetry instance([] { return RemoteConfig::shared().snapshot(); });
    return instance;
}

void Telemetry::configure(const AppConfig &config, const QFuture<QString> &installId,
                          QNetworkAccessManager *session)
{
    m_state = State{
        config,
        HTTPClient(session, config.userAgent()),
        config.backendURL(QStringLiteral("/api/telemetry")),
        SharedFuture<QString>(installId),
    };
}

void Telemetry::track(const QString &event, const QVariantMap &properties) const
{
    if (!m_remote().telemetry.enabled)
        return;
    if (!m_state)
        return;
    const QJsonObject props = sanitizeProps(properties);
    // JSON has no infinities and no NaN: such an event cannot be written.
    for (const QJsonValue &value : props) {
        if (value.isDouble() && !std::isfinite(value.toDouble()))
            return;
    }
    // Sent at once when the identity is known, else as soon as it is.
    m_state->installId.future().then([slug = m_state->config.slug,
                                      version = m_state->config.version,
                                      endpoint = m_state->endpoint, http = m_state->http, event,
                                      props](const QString &installId) {
        const QJsonObject body{
            {QStringLiteral("slug"), slug},           {QStringLiteral("version"), version},
            {QStringLiteral("installId"), installId}, {QStringLiteral("event"), event},
            {QStringLiteral("props"), props},
        };
        HTTPRequest request;
        request.url = endpoint;
        request.method = "POST";
        request.setHeader("Content-Type", "application/json");
        request.body = QJsonDocument(body).toJson(QJsonDocument::Compact);
        http.send(request).then([](const HTTPClient::Result &result) {
            // A status of any kind is the backend's business; only a lost
            // request leaves a trace.
            if (!result)
                logger().debug("telemetry drop: %s", {result.error().description()});
        });
    });
}

void Telemetry::trackAppUpdate(const QString &from, const QString &to) const
{
    track(QStringLiteral("app.update"),
          {{QStringLiteral("from"), from}, {QStringLiteral("to"), to}});
}

QJsonObject Telemetry::sanitizeProps(const QVariantMap &properties)
{
    QJsonObject out;
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        if (const auto value = sanitized(it.value()))
            out.insert(it.key(), *value);
    }
    return out;
}

} // namespace fennimar
