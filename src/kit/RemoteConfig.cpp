#include "kit/RemoteConfig.h"

#include <cmath>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPromise>
#include <QSaveFile>
#include <QStandardPaths>

namespace fennimar {

namespace {

std::optional<bool> boolean(const QJsonValue &value)
{
    if (!value.isBool())
        return std::nullopt;
    return value.toBool();
}

// A JSON number without a fractional part that fits 64 bits.
std::optional<qint64> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || d < -9.2233720368547758e18 ||
        d >= 9.2233720368547758e18)
        return std::nullopt;
    return value.toInteger();
}

std::optional<RemoteConfig::ReviewPrompt> decodeReviewPrompt(const QJsonObject &object)
{
    const auto enabled = boolean(object.value(u"enabled"));
    const auto afterDays = wholeNumber(object.value(u"afterDays"));
    const auto minUseDays = wholeNumber(object.value(u"minUseDays"));
    const auto repeatAfterDays = wholeNumber(object.value(u"repeatAfterDays"));
    const auto maxPrompts = wholeNumber(object.value(u"maxPrompts"));
    if (!enabled || !afterDays || !minUseDays || !repeatAfterDays || !maxPrompts)
        return std::nullopt;
    return RemoteConfig::ReviewPrompt{*enabled, *afterDays, *minUseDays, *repeatAfterDays,
                                      *maxPrompts};
}

} // namespace

std::optional<RemoteConfig::Payload> RemoteConfig::Payload::decode(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();

    Payload payload;
    const QJsonValue features = root.value(u"features");
    if (!features.isObject())
        return std::nullopt;
    const QJsonObject featureObject = features.toObject();
    for (auto it = featureObject.begin(); it != featureObject.end(); ++it) {
        const auto on = boolean(it.value());
        if (!on)
            return std::nullopt;
        payload.features.insert(it.key(), *on);
    }

    const QJsonValue telemetry = root.value(u"telemetry");
    if (!telemetry.isObject())
        return std::nullopt;
    const auto enabled = boolean(telemetry.toObject().value(u"enabled"));
    if (!enabled)
        return std::nullopt;
    payload.telemetry.enabled = *enabled;

    const QJsonValue reviewPrompt = root.value(u"reviewPrompt");
    if (reviewPrompt.isObject()) {
        payload.reviewPrompt = decodeReviewPrompt(reviewPrompt.toObject());
        if (!payload.reviewPrompt)
            return std::nullopt;
    } else if (!reviewPrompt.isUndefined() && !reviewPrompt.isNull()) {
        return std::nullopt;
    }
    return payload;
}

QByteArray RemoteConfig::Payload::encode() const
{
    QJsonObject featureObject;
    for (auto it = features.begin(); it != features.end(); ++it)
        featureObject.insert(it.key(), it.value());
    QJsonObject root{
        {QStringLiteral("features"), featureObject},
        {QStringLiteral("telemetry"), QJsonObject{{QStringLiteral("enabled"), telemetry.enabled}}},
    };
    if (reviewPrompt) {
        root.insert(QStringLiteral("reviewPrompt"),
                    QJsonObject{
                        {QStringLiteral("enabled"), reviewPrompt->enabled},
                        {QStringLiteral("afterDays"), reviewPrompt->afterDays},
                        {QStringLiteral("minUseDays"), reviewPrompt->minUseDays},
                        {QStringLiteral("repeatAfterDays"), reviewPrompt->repeatAfterDays},
                        {QStringLiteral("maxPrompts"), reviewPrompt->maxPrompts},
                    });
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

RemoteConfig::RemoteConfig(QObject *parent)
    : QObject(parent)
{}

RemoteConfig::~RemoteConfig() = default;

RemoteConfig &RemoteConfig::shared()
{
    static RemoteConfig *instance = new RemoteConfig;
    return *instance;
}

QString RemoteConfig::cacheFilePath(const QString &bundleId)
{
    return cacheFilePath(bundleId,
                         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString RemoteConfig::cacheFilePath(const QString &bundleId, const QString &applicationSupport)
{
    const QString root = applicationSupport.isEmpty() ? QDir::tempPath() : applicationSupport;
    return QDir(root).filePath(bundleId + u"/fennimar-kit/config.json");
}

QFuture<void> RemoteConfig::configure(const AppConfig &config)
{
    m_endpoint = config.backendURL(u"/api/config/" + config.slug);
    m_http = HTTPClient(HTTPClient::sharedSession(), config.userAgent());
    m_cachePath = cacheFilePath(config.bundleId);

    QFile file(*m_cachePath);
    if (file.open(QIODevice::ReadOnly) && file.size() <= maximumCacheSize) {
        if (const auto cached = Payload::decode(file.read(maximumCacheSize))) {
            setCurrent(*cached);
            postDidChange(true);
        }
    }
    return refresh();
}

QFuture<void> RemoteConfig::refresh()
{
    auto done = std::make_shared<QPromise<void>>();
    QFuture<void> future = done->future();
    done->start();
    if (!m_endpoint || !m_http) {
        done->finish();
        return future;
    }

    HTTPRequest request;
    request.url = *m_endpoint;
    request.timeout = HTTPRequest::defaultTimeout;
    if (m_etag)
        request.setHeader("If-None-Match", *m_etag);
    m_http->send(request).then(this, [this, done](const HTTPClient::Result &result) {
        take(result);
        done->finish();
    });
    return future;
}

void RemoteConfig::take(const HTTPClient::Result &result)
{
    if (!result)
        return;
    bool fetchedBefore = false;
    {
        const QMutexLocker lock(&m_flagMutex);
        fetchedBefore = m_hasFetched;
    }
    const HTTPResponse &response = *result;
    if (response.statusCode == 304) {
        {
            const QMutexLocker lock(&m_flagMutex);
            m_hasFetched = true;
        }
        if (!fetchedBefore)
            postDidChange(true);
        return;
    }
    if (response.statusCode != 200)
        return;
    const auto payload = Payload::decode(response.body);
    if (!payload)
        return;
    const bool unchanged = *payload == m_current;
    setCurrent(*payload);
    m_etag = response.header("ETag");
    // The bytes as they came, so the next start reads exactly the server's document.
    writeCache(response.body);
    {
        const QMutexLocker lock(&m_flagMutex);
        m_hasFetched = true;
    }
    if (!(unchanged && fetchedBefore))
        postDidChange(true);
}

void RemoteConfig::writeCache(const QByteArray &bytes)
{
    if (!m_cachePath)
        return;
    QDir().mkpath(QFileInfo(*m_cachePath).absolutePath());
    QSaveFile file(*m_cachePath);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(bytes);
    file.commit();
}

RemoteConfig::Payload RemoteConfig::snapshot() const
{
    const QMutexLocker lock(&m_mirrorMutex);
    return m_mirror;
}

bool RemoteConfig::hasFetched() const
{
    const QMutexLocker lock(&m_flagMutex);
    return m_hasFetched;
}

void RemoteConfig::setCurrent(const Payload &payload)
{
    m_current = payload;
    const QMutexLocker lock(&m_mirrorMutex);
    m_mirror = payload;
}

void RemoteConfig::postDidChange(bool changed)
{
    bool postedBefore = false;
    {
        const QMutexLocker lock(&m_flagMutex);
        postedBefore = m_hasPostedChange;
        m_hasPostedChange = true;
    }
    if (changed || !postedBefore)
        QMetaObject::invokeMethod(this, &RemoteConfig::didChange, Qt::QueuedConnection);
}

} // namespace fennimar
