#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include "platform/Log.h"

namespace halvex {

namespace {

// How long a second launch tries to reach the first, which may hold the
// lock a moment before it listens.
constexpr int reachTimeoutMs = 2000;
constexpr int retryPauseMs = 50;

} // namespace

SingleInstance::SingleInstance(QString folder, QString name, QObject *parent)
    : QObject(parent)
    , m_folder(std::move(folder))
    , m_name(std::move(name))
{}

SingleInstance::~SingleInstance()
{
    // The socket goes before the lock: a process that finds the lock free
    // must not meet a socket nobody answers.
    delete m_server;
    m_server = nullptr;
}

QString SingleInstance::runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString SingleInstance::lockPath() const
{
    return QDir(m_folder).filePath(m_name + QStringLiteral(".lock"));
}

QString SingleInstance::socketPath() const
{
    return QDir(m_folder).filePath(m_name + QStringLiteral(".socket"));
}

SingleInstance::Role SingleInstance::claim()
{
    if (m_role)
        return *m_role;
    m_role = decide();
    return *m_role;
}

SingleInstance::Role SingleInstance::decide()
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Held for the whole run: only a holder that no longer runs makes a lock stale.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError) {
            askFirstToReveal();
            return Role::second;
        }
        platform::log::app().error("single instance: cannot lock %s; running unguarded",
                                   {lockPath()});
        return Role::first;
    }
    listen();
    return Role::first;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a process that died would refuse the listen.
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath())) {
        platform::log::app().error("single instance: cannot listen on %s: %s",
                                   {socketPath(), m_server->errorString()});
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        const auto readRequests = [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine();
                if (line == revealRequest)
                    emit revealRequested();
                else if (line.startsWith(windowRequestPrefix) && line.endsWith('\n'))
                    emit windowRequested(QString::fromUtf8(
                        line.sliced(qstrlen(windowRequestPrefix)).chopped(1).trimmed()));
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequests);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequests();
    }
}

void SingleInstance::askFirstToReveal() const
{
    QLocalSocket socket;
    const QDeadlineTimer deadline(reachTimeoutMs);
    for (;;) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(reachTimeoutMs))
            break;
        if (deadline.hasExpired()) {
            platform::log::app().error("single instance: the running Halvex did not answer: %s",
                                       {socket.errorString()});
            return;
        }
        QThread::msleep(retryPauseMs);
    }
    socket.write(revealRequest);
    socket.waitForBytesWritten(reachTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(reachTimeoutMs);
}

} // namespace halvex
