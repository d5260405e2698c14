#pragma once

#include <chrono>
#include <optional>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

namespace testing {

// The maker's backend on the loopback interface, for tests that must not
// touch the network. An HTTP/1.1 server on 127.0.0.1 at a free port: it
// records every request, answers each (method, path) from a script, and can
// also answer late, never answer, or drop the connection.
//
//     LoopbackBackend backend;
//     backend.script("GET", "/api/config/halvex", {LoopbackBackend::Answer::with(200, json)});
//     config.backendBaseURL = backend.baseURL();
//     ... QTRY_COMPARE(backend.requests().size(), 1);
//
// Every answer closes its connection. Lives on the thread it was made on,
// which must run an event loop (QTRY_* waits do).
class LoopbackBackend final : public QObject {
    Q_OBJECT
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Request final {
        QByteArray method;
        QByteArray path;  // the target before any '?'
        QByteArray query; // after the '?', empty when there is none
        Headers headers;  // as sent, in order
        QByteArray body;

        // The first header of that name (names compare without case).
        std::optional<QByteArray> header(const QByteArray &name) const;
    };

    struct Answer final {
        enum class Mode {
            respond,
            hang, // keep the connection open and never answer
            drop, // close the connection without answering
        };

        int status = 200;
        Headers headers; // Content-Length and Connection are added
        QByteArray body;
        Mode mode = Mode::respond;
        // How long to wait before answering or dropping.
        std::chrono::milliseconds delay{0};

        static Answer with(int status, QByteArray body = {}, Headers headers = {});
        static Answer hanging();
        static Answer dropping();
    };

    explicit LoopbackBackend(QObject *parent = nullptr);
    ~LoopbackBackend() override;
    Q_DISABLE_COPY_MOVE(LoopbackBackend)

    bool isListening() const { return m_server.isListening(); }
    // "http://127.0.0.1:<port>", no path.
    QUrl baseURL() const;
    quint16 port() const { return m_server.serverPort(); }

    // Requests with this method and path take the answers in order; the last
    // one repeats. Without a script a request gets an empty 404.
    void script(const QByteArray &method, const QByteArray &path, QList<Answer> answers);

    // Every complete request so far, in order of arrival.
    QList<Request> requests() const { return m_requests; }
    // The requests with this method and path.
    QList<Request> requests(const QByteArray &method, const QByteArray &path) const;
    // Connections currently left hanging.
    int hangingCount() const;

signals:
    void requestReceived(const testing::LoopbackBackend::Request &request);

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Request &request);
    static void respond(QTcpSocket *socket, const Answer &answer);

    QTcpServer m_server;
    QHash<QByteArray, QList<Answer>> m_scripts; // "<method> <path>"
    QList<Request> m_requests;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<QPointer<QTcpSocket>> m_hanging;
};

} // namespace testing
