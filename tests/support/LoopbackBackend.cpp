#include "LoopbackBackend.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace testing {

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QByteArray scriptKey(const QByteArray &method, const QByteArray &path)
{
    return method + ' ' + path;
}

} // namespace

std::optional<QByteArray> LoopbackBackend::Request::header(const QByteArray &name) const
{
    for (const auto &[field, value] : headers) {
        if (field.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

LoopbackBackend::Answer LoopbackBackend::Answer::with(int status, QByteArray body, Headers headers)
{
    Answer a;
    a.status = status;
    a.body = std::move(body);
    a.headers = std::move(headers);
    return a;
}

LoopbackBackend::Answer LoopbackBackend::Answer::hanging()
{
    Answer a;
    a.mode = Mode::hang;
    return a;
}

LoopbackBackend::Answer LoopbackBackend::Answer::dropping()
{
    Answer a;
    a.mode = Mode::drop;
    return a;
}

LoopbackBackend::LoopbackBackend(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackBackend::accept);
    m_server.listen(QHostAddress::LocalHost, 0);
}

LoopbackBackend::~LoopbackBackend()
{
    // The sockets are the server's and die with it, after the members their
    // handlers use: a connection still open must not call back into them.
    for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>()) {
        socket->disconnect(this);
        socket->abort();
    }
}

QUrl LoopbackBackend::baseURL() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port()));
}

void LoopbackBackend::script(const QByteArray &method, const QByteArray &path,
                             QList<Answer> answers)
{
    m_scripts.insert(scriptKey(method, path), std::move(answers));
}

QList<LoopbackBackend::Request> LoopbackBackend::requests(const QByteArray &method,
                                                          const QByteArray &path) const
{
    QList<Request> out;
    for (const Request &r : m_requests) {
        if (r.method == method && r.path == path)
            out << r;
    }
    return out;
}

int LoopbackBackend::hangingCount() const
{
    int count = 0;
    for (const QPointer<QTcpSocket> &socket : m_hanging) {
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            ++count;
    }
    return count;
}

void LoopbackBackend::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        m_buffers.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackBackend::readFrom(QTcpSocket *socket)
{
    if (!m_buffers.contains(socket))
        return; // already answered; the client has nothing more to say
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();

    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    if (requestLine.size() < 2) {
        socket->abort();
        return;
    }
    Request request;
    request.method = requestLine.at(0);
    const QByteArray target = requestLine.at(1);
    const qsizetype mark = target.indexOf('?');
    request.path = mark < 0 ? target : target.left(mark);
    request.query = mark < 0 ? QByteArray() : target.mid(mark + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    const qsizetype length = request.header("Content-Length").value_or("0").toLongLong();
    const qsizetype bodyStart = headerEnd + 4;
    if (buffer.size() - bodyStart < length)
        return; // the rest of the body is still on its way
    request.body = buffer.mid(bodyStart, length);
    m_buffers.remove(socket);

    m_requests.append(request);
    emit requestReceived(request);
    answer(socket, request);
}

void LoopbackBackend::answer(QTcpSocket *socket, const Request &request)
{
    Answer answer = Answer::with(404);
    const auto it = m_scripts.find(scriptKey(request.method, request.path));
    if (it != m_scripts.end() && !it->isEmpty())
        answer = it->size() > 1 ? it->takeFirst() : it->first();

    if (answer.mode == Answer::Mode::hang) {
        m_hanging.append(socket);
        return;
    }
    auto act = [socket, answer] {
        if (answer.mode == Answer::Mode::drop)
            socket->close();
        else
            respond(socket, answer);
    };
    if (answer.delay.count() > 0)
        QTimer::singleShot(answer.delay, socket, act);
    else
        act();
}

void LoopbackBackend::respond(QTcpSocket *socket, const Answer &answer)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' +
                     reasonPhrase(answer.status) + "\r\n";
    for (const auto &[name, value] : answer.headers)
        out += name + ": " + value + "\r\n";
    out += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += answer.body;
    socket->write(out);
    socket->disconnectFromHost();
}

} // namespace testing
