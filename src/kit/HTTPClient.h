#pragma once

#include <chrono>
#include <optional>

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QUrl>

#include "platform/Expected.h"

namespace fennimar {

using HTTPHeaders = QList<QPair<QByteArray, QByteArray>>;

// One request to the backend. A new request waits 60 s for the next sign of
// life, as a fresh request of most HTTP stacks does; HTTPClient shortens that.
struct HTTPRequest final {
    static constexpr std::chrono::milliseconds defaultTimeout{60000};

    QUrl url;
    QByteArray method = "GET";
    HTTPHeaders headers;
    QByteArray body;
    // How long the transfer may go without progress before it fails.
    std::chrono::milliseconds timeout = defaultTimeout;

    // Replaces every field of that name (names compare without case).
    void setHeader(const QByteArray &name, const QByteArray &value);
    std::optional<QByteArray> header(const QByteArray &name) const;
};

// The server's answer, whatever its status.
struct HTTPResponse final {
    int statusCode = 0;
    HTTPHeaders headers;
    QByteArray body;

    // The first field of that name (names compare without case).
    std::optional<QByteArray> header(const QByteArray &name) const;
};

// Why a request brought back no answer, or (`status`) an answer that its
// caller counts as a failure.
class HTTPError final {
public:
    enum class Kind { status, transport, invalidResponse };

    static HTTPError status(int code) { return HTTPError(Kind::status, code); }
    static HTTPError transport() { return HTTPError(Kind::transport, 0); }
    static HTTPError invalidResponse() { return HTTPError(Kind::invalidResponse, 0); }

    Kind kind() const { return m_kind; }
    // The status code of a `status` error; 0 for the others.
    int statusCode() const { return m_code; }
    // "status(500)", "transport", "invalidResponse".
    QString description() const;

    bool operator==(const HTTPError &) const = default;

private:
    HTTPError(Kind kind, int code)
        : m_kind(kind)
        , m_code(code)
    {}
    Kind m_kind;
    int m_code;
};

// The library's one way to the backend: stamps its User-Agent, shortens the
// default wait and reduces every failure to an HTTPError. Knows no endpoints;
// callers judge the status codes. A cheap value: copies share the session.
class HTTPClient final {
public:
    using Result = platform::Expected<HTTPResponse, HTTPError>;

    static constexpr std::chrono::milliseconds shortenedTimeout{15000};

    // The session must outlive the requests sent through it; a session gone
    // before its answer came ends the request as a transport failure.
    HTTPClient(QNetworkAccessManager *session, QString userAgent);

    // One session for the whole library, on the main thread, made on first use
    // (an application object must exist) and gone with the application object.
    static QNetworkAccessManager *sharedSession();

    QNetworkAccessManager *session() const { return m_session; }
    const QString &userAgent() const { return m_userAgent; }

    // The request as send() puts it on the wire: our User-Agent in place of
    // any other, and the default wait shortened; any other wait is kept.
    HTTPRequest prepare(HTTPRequest request) const;

    // Returns at once; the future is fulfilled on the session's thread. May be
    // called from any thread. Every answer with a status code, 4xx and 5xx
    // included, is a response; only a request that got none is an error.
    QFuture<Result> send(HTTPRequest request) const;

private:
    QPointer<QNetworkAccessManager> m_session;
    QString m_userAgent;
};

} // namespace fennimar
