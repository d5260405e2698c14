#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "kit/NotificationAuthorizationCenter.h"
#include "kit/SystemNotificationAuthorizationProbe.h"
#include "platform/DBusUserNotificationCenter.h"

using fennimar::NotificationAuthorizationCenter;
using platform::DBusUserNotificationCenter;
using Status = platform::NotificationAuthorizationStatus;

namespace {

// A session bus of the test's own, without service directories: nothing on
// it is started on demand, so a server is there only when the test starts
// one.
class PrivateSessionBus final {
public:
    ~PrivateSessionBus()
    {
        for (QProcess *process : {&m_server, &m_daemon}) {
            if (process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(5000))
                    process->kill();
                process->waitForFinished(5000);
            }
        }
        if (m_connection)
            QDBusConnection::disconnectFromBus(m_connection->name());
    }

    // Empty when the bus runs; otherwise why not.
    QString start()
    {
        const QString config = m_dir.filePath(QStringLiteral("session.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return file.errorString();
        // No <servicedir>: the bus starts nothing on demand.
        file.write("<busconfig>\n"
                   "  <type>session</type>\n"
                   "  <listen>unix:dir=" +
                   m_dir.path().toUtf8() +
                   "</listen>\n"
                   "  <auth>EXTERNAL</auth>\n"
                   "  <policy context=\"default\">\n"
                   "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                   "    <allow eavesdrop=\"true\"/>\n"
                   "    <allow own=\"*\"/>\n"
                   "  </policy>\n"
                   "</busconfig>\n");
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(5000))
            return QStringLiteral("dbus-daemon: ") + m_daemon.errorString();
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(10000))
                return QStringLiteral("dbus-daemon printed no address");
        }
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        m_connection = QDBusConnection::connectToBus(m_address, QStringLiteral("private-session"));
        return m_connection->isConnected() ? QString() : m_connection->lastError().message();
    }

    // Starts the desktop's notification server (dunst) on this bus.
    void startNotificationServer()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        // The server's stock settings, not whatever the user has.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_dir.filePath(QStringLiteral("config")));
        m_server.setProcessEnvironment(environment);
        m_server.start(QStringLiteral("dunst"), {});
    }

    bool serverRegistered() const
    {
        return m_connection->interface()->isServiceRegistered(
            QString::fromLatin1(DBusUserNotificationCenter::service));
    }

    const QDBusConnection &connection() const { return *m_connection; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_server;
    QString m_address;
    std::optional<QDBusConnection> m_connection;
};

template <class T> T answerOf(const QFuture<T> &future)
{
    [&] { QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 10000); }();
    return future.isFinished() && future.resultCount() > 0 ? future.result() : T{};
}

} // namespace

class tst_DBusUserNotificationCenter : public QObject {
    Q_OBJECT
private slots:
    void authorizedExactlyWhenAServerAnswers();
    void unreachableBusIsDenied();
    void pendingRequestsAnswerLater();
};

void tst_DBusUserNotificationCenter::authorizedExactlyWhenAServerAnswers()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("the notification server needs a display: run under xvfb-run");
    PrivateSessionBus bus;
    const QString why = bus.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    DBusUserNotificationCenter center(bus.connection());
    // The support library's centre over it, as the application builds it.
    NotificationAuthorizationCenter::Configuration configuration;
    configuration.probe = std::make_shared<fennimar::SystemNotificationAuthorizationProbe>(center);
    configuration.refreshOnForeground = false;
    NotificationAuthorizationCenter authorization(std::move(configuration));

    QCOMPARE(answerOf(center.authorizationStatus()), Status::denied);
    QCOMPARE(answerOf(center.requestAuthorization({})), false);
    QTRY_COMPARE(authorization.status(), Status::denied);

    bus.startNotificationServer();
    QTRY_VERIFY_WITH_TIMEOUT(bus.serverRegistered(), 10000);
    QCOMPARE(answerOf(center.authorizationStatus()), Status::authorized);
    QCOMPARE(
        answerOf(center.requestAuthorization(platform::NotificationAuthorizationOption::alert)),
        true);
    QCOMPARE(
        answerOf(authorization.request(NotificationAuthorizationCenter::standardOptions(),
                                       NotificationAuthorizationCenter::standardRequestTimeout)),
        Status::authorized);
    QCOMPARE(authorization.status(), Status::authorized);
}

void tst_DBusUserNotificationCenter::unreachableBusIsDenied()
{
    DBusUserNotificationCenter center(QDBusConnection(QStringLiteral("never-connected")));
    QCOMPARE(answerOf(center.authorizationStatus()), Status::denied);
}

void tst_DBusUserNotificationCenter::pendingRequestsAnswerLater()
{
    DBusUserNotificationCenter center(QDBusConnection(QStringLiteral("never-connected")));
    int answers = 0;
    center.removeAllPendingNotificationRequests();
    center.getPendingNotificationRequests([&](const QList<platform::NotificationRequest> &pending) {
        ++answers;
        QVERIFY(pending.isEmpty());
    });
    QCOMPARE(answers, 0);
    QTRY_COMPARE(answers, 1);
}

QTEST_GUILESS_MAIN(tst_DBusUserNotificationCenter)
#include "tst_DBusUserNotificationCenter.moc"
