#include "kit/HTTPClient.h"

#include <memory>

#include <QCoreApplication>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPromise>
#include <QThread>

namespace fennimar {

namespace {

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QByteArray> findHeader(const HTTPHeaders &headers, const QByteArray &name)
{
    for (const auto &[field, value] : headers) {
        if (sameName(field, name))
            return value;
    }
    return std::nullopt;
}

// The request's promise, kept until it is fulfilled. Whatever drops it
// unfulfilled (a session gone, a reply deleted before it finished) leaves a
// transport failure, so every caller's continuation runs.
struct Pending final {
    QPromise<HTTPClient::Result> promise;
    bool done = false;

    Pending() { promise.start(); }
    ~Pending() { fulfil(platform::unexpected(HTTPError::transport())); }
    Pending(const Pending &) = delete;
    Pending &operator=(const Pending &) = delete;

    void fulfil(HTTPClient::Result result)
    {
        if (done)
            return;
        done = true;
        promise.addResult(std::move(result));
        promise.finish();
    }
};

// Errors that mean no complete answer came: the connection, a proxy, the
// time-out, cancellation, a broken exchange. Others only restate the status.
bool isTransportError(QNetworkReply::NetworkError error)
{
    return (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) ||
           error == QNetworkReply::ProtocolUnknownError || error == QNetworkReply::ProtocolFailure;
}

HTTPClient::Result resultOf(QNetworkReply *reply)
{
    if (isTransportError(reply->error()))
        return platform::unexpected(HTTPError::transport());
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        if (reply->error() != QNetworkReply::NoError)
            return platform::unexpected(HTTPError::transport());
        return platform::unexpected(HTTPError::invalidResponse());
    }
    HTTPResponse response;
    response.statusCode = status.toInt();
    response.headers = reply->rawHeaderPairs();
    response.body = reply->readAll();
    return response;
}

QNetworkReply *perform(QNetworkAccessManager &session, const HTTPRequest &request)
{
    QNetworkRequest r(request.url);
    for (const auto &[name, value] : request.headers)
        r.setRawHeader(name, value);
    r.setTransferTimeout(int(std::max<qint64>(1, request.timeout.count())));
    if (request.method == "GET" && request.body.isEmpty())
        return session.get(r);
    if (request.method == "POST")
        return session.post(r, request.body);
    if (request.body.isEmpty())
        return session.sendCustomRequest(r, request.method);
    return session.sendCustomRequest(r, request.method, request.body);
}

} // namespace

void HTTPRequest::setHeader(const QByteArray &name, const QByteArray &value)
{
    headers.removeIf([&](const auto &field) { return sameName(field.first, name); });
    headers.append({name, value});
}

std::optional<QByteArray> HTTPRequest::header(const QByteArray &name) const
{
    return findHeader(headers, name);
}

std::optional<QByteArray> HTTPResponse::header(const QByteArray &name) const
{
    return findHeader(headers, name);
}

QString HTTPError::description() const
{
    switch (m_kind) {
    case Kind::status:
        return QStringLiteral("status(%1)").arg(m_code);
    case Kind::transport:
        return QStringLiteral("transport");
    case Kind::invalidResponse:
        return QStringLiteral("invalidResponse");
    }
    return QString();
}

HTTPClient::HTTPClient(QNetworkAccessManager *session, QString userAgent)
    : m_session(session)
    , m_userAgent(std::move(userAgent))
{}

QNetworkAccessManager *HTTPClient::sharedSession()
{
    static QMutex mutex;
    static QPointer<QNetworkAccessManager> shared;
    const QMutexLocker lock(&mutex);
    if (!shared) {
        QCoreApplication *application = QCoreApplication::instance();
        if (!application)
            return nullptr;
        auto *session = new QNetworkAccessManager;
        session->moveToThread(application->thread());
        session->setParent(application);
        shared = session;
    }
    return shared;
}

HTTPRequest HTTPClient::prepare(HTTPRequest request) const
{
    request.setHeader("User-Agent", m_userAgent.toUtf8());
    // The library's backend answers quickly or not at all.
    if (request.timeout == HTTPRequest::defaultTimeout)
        request.timeout = shortenedTimeout;
    return request;
}

QFuture<HTTPClient::Result> HTTPClient::send(HTTPRequest request) const
{
    auto pending = std::make_shared<Pending>();
    QFuture<Result> future = pending->promise.future();
    request = prepare(std::move(request));

    QPointer<QNetworkAccessManager> session = m_session;
    if (!session)
        return future; // dropping `pending` fails it
    auto start = [session, request = std::move(request), pending]() {
        if (!session)
            return;
        QNetworkReply *reply = perform(*session, request);
        QObject::connect(reply, &QNetworkReply::finished, reply, [reply, pending] {
            pending->fulfil(resultOf(reply));
            reply->deleteLater();
        });
    };
    if (QThread::currentThread() == session->thread())
        start();
    else
        QMetaObject::invokeMethod(session, std::move(start), Qt::QueuedConnection);
    return future;
}

} // namespace fennimar
