#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

namespace testing {

// Pages served on the loopback interface, one request per connection, so
// that a live browser keeps every step in its history. A page is a title,
// shown as its text, and links by name to other paths (and maybe one that
// opens a popup). A page that is not
// to be kept is sent as pages behind a sign-in are: "Cache-Control:
// no-store" with a session cookie renewed by every answer, which keeps a
// browser from restoring it from memory: going back fetches it again.
class LivePages final : public QObject {
public:
    struct Page {
        QByteArray title;
        QList<std::pair<QByteArray, QByteArray>> links = {}; // name, path
        bool kept = true;
        // A path its link "popup" opens in a small window of its own, as
        // sites open their sign-in and share windows.
        QByteArray popup = {};
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
        if (!page->popup.isEmpty())
            body += "<p><a href=\"" + page->popup +
                    "\" onclick=\"window.open(this.href, 'popup', "
                    "'width=600,height=400'); return false\">popup</a></p>";
        return body + "</body></html>";
    }
    void serve(QTcpSocket *socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QList<QByteArray> request = socket->readLine().split(' ');
            const QByteArray path = request.size() > 1 ? request[1] : QByteArray();
            const QByteArray body = html(path);
            const QByteArray status = body.isEmpty() ? "404 Not Found" : "200 OK";
            QByteArray headers = "Content-Type: text/html\r\nConnection: close\r\n";
            if (!m_pages.value(path).kept)
                headers += "Cache-Control: no-store\r\nSet-Cookie: session=" +
                           QByteArray::number(++m_answers) + "; HttpOnly; Path=/\r\n";
            socket->write("HTTP/1.1 " + status + "\r\n" + headers +
                          "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

    QHash<QByteArray, Page> m_pages;
    QTcpServer m_server;
    int m_answers = 0;
};

} // namespace testing
