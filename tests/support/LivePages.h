#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

namespace testing {

// Pages served on the loopback interface, one request per connection, so
// that a live browser keeps every step in its history. A page is a title,
// shown as its text, and links by name to other paths.
class LivePages final : public QObject {
public:
    struct Page {
        QByteArray title;
        QList<std::pair<QByteArray, QByteArray>> links = {}; // name, path
    };

    explicit LivePages(QHash<QByteArray, Page> pages)
        : m_pages(std::move(pages))
    {}

    bool listen()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
        return m_server.listen(QHostAddress::LocalHost);
    }
    QString url(const QByteArray &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2")
            .arg(m_server.serverPort())
            .arg(QString::fromLatin1(path));
    }

private:
    QByteArray html(const QByteArray &path) const
    {
        const auto page = m_pages.constFind(path);
        if (page == m_pages.cend())
            return {};
        QByteArray body = "<!doctype html><html><head><title>" + page->title +
                          "</title></head><body><p>" + page->title + "</p>";
        for (const auto &[name, target] : page->links)
            body += "<p><a href=\"" + target + "\">" + name + "</a></p>";
        return body + "</body></html>";
    }
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QList<QByteArray> request = socket->readLine().split(' ');
            const QByteArray body = request.size() > 1 ? html(request[1]) : QByteArray();
            const QByteArray status = body.isEmpty() ? "404 Not Found" : "200 OK";
            socket->write("HTTP/1.1 " + status +
                          "\r\nContent-Type: text/html\r\nConnection: close\r\n"
                          "Content-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

    QHash<QByteArray, Page> m_pages;
    QTcpServer m_server;
};

} // namespace testing
