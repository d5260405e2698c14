#include "SessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

namespace testing {

namespace {

constexpr int startTimeoutMs = 10000;
SessionBus *processBus = nullptr;

// Anyone on the bus may own any name and talk to anyone: it is ours alone.
const char *configuration = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <keep_umask/>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  %2
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

QDBusMessage busCall(const char *method)
{
    return QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QString::fromLatin1(method));
}

} // namespace

SessionBus::~SessionBus()
{
    stop();
}

QString SessionBus::start(Activation activation)
{
    if (isRunning())
        return {};
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder for the bus");
    m_activation = activation;
    const QString configPath = m_dir.filePath(QStringLiteral("session.conf"));
    QFile config(configPath);
    const QString serviceDirs = activation == Activation::standard
                                    ? QStringLiteral("<standard_session_servicedirs/>")
                                    : QString();
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(QString::fromLatin1(configuration).arg(m_dir.path(), serviceDirs).toUtf8()) <
            0)
        return QStringLiteral("cannot write the bus configuration");
    config.close();

    // Run by root it complains that it may not raise its file limit; what
    // matters, start() reports.
    m_daemon.setStandardErrorFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(startTimeoutMs))
        return QStringLiteral("dbus-daemon could not be started: install dbus-daemon");
    // The address is the first line it prints; there may be no event loop yet.
    QByteArray line;
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!line.endsWith('\n') && !deadline.hasExpired() &&
           m_daemon.state() == QProcess::Running) {
        if (m_daemon.waitForReadyRead(int(deadline.remainingTime())))
            line += m_daemon.readLine();
    }
    m_address = QString::fromUtf8(line).trimmed();
    if (m_address.isEmpty()) {
        stop();
        return QStringLiteral("dbus-daemon gave no address");
    }
    m_connectionName = QStringLiteral("testing-session-bus-") + m_address;
    if (!connection().isConnected()) {
        const QString why = connection().lastError().message();
        stop();
        return QStringLiteral("cannot connect to the private bus: ") + why;
    }
    return {};
}

void SessionBus::stop()
{
    if (!m_connectionName.isEmpty()) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        m_connectionName.clear();
    }
    m_address.clear();
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }
    if (processBus == this)
        processBus = nullptr;
}

QDBusConnection SessionBus::connection() const
{
    if (m_connectionName.isEmpty())
        return QDBusConnection(QStringLiteral("testing-no-bus"));
    return QDBusConnection::connectToBus(m_address, m_connectionName);
}

QString SessionBus::id(const QDBusConnection &connection) const
{
    const QDBusReply<QString> reply = connection.call(busCall("GetId"));
    return reply.isValid() ? reply.value() : QString();
}

bool SessionBus::hasOwner(const QString &name) const
{
    QDBusMessage call = busCall("NameHasOwner");
    call << name;
    const QDBusReply<bool> reply = connection().call(call);
    return reply.isValid() && reply.value();
}

bool SessionBus::waitForOwner(const QString &name, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return hasOwner(name); }, timeoutMs);
}

std::optional<qint64> SessionBus::ownerProcessIdentifier(const QString &name) const
{
    QDBusMessage call = busCall("GetConnectionUnixProcessID");
    call << name;
    const QDBusReply<uint> reply = connection().call(call);
    return reply.isValid() ? std::optional(qint64(reply.value())) : std::nullopt;
}

SessionBus *SessionBus::ofProcess()
{
    return processBus;
}

void SessionBus::setOfProcess(SessionBus *bus)
{
    processBus = bus;
}

} // namespace testing
