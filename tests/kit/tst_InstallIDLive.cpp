#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "kit/InstallID.h"
#include "platform/SecretServiceKeychain.h"

using fennimar::InstallID;

namespace {

const QString bundleId = QStringLiteral("com.fennimar.test.live");
const QString identityOption = QStringLiteral("--identity");

// Run as a child: asks for the identity `calls` times through the desktop's
// keychain and prints "id <identity>" for each, then "read <status>" for a
// plain read of the item.
int identityChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int calls = QCoreApplication::arguments().value(2).toInt();
    platform::SecretServiceKeychain keychain;
    QTextStream out(stdout);
    for (int i = 0; i < calls; ++i)
        out << "id " << InstallID::current(bundleId, keychain) << '\n';
    const auto read = keychain.read(InstallID::service(bundleId), InstallID::account);
    out << "read " << (read ? 0 : int(read.error())) << '\n';
    return 0;
}

bool isFreshIdentity(const QString &id)
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    return form.match(id).hasMatch();
}

} // namespace

// The install identity against the desktop's real keychain service, each run
// in a child process of its own (the D-Bus connection of a process is made
// once), on a private session bus.
class tst_InstallIDLive : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void survivesARestartWithASecretService();
    void withoutASecretServiceEachCallMakesANewOne();

private:
    struct Child {
        QStringList ids;
        int readStatus = -1;
    };
    Child runChild(int calls);
    QProcessEnvironment environment() const;
    bool startBus(bool serviceDirectories, QString *why);
    bool startKeyring(QString *why);

    std::unique_ptr<QTemporaryDir> m_home;
    QProcess m_bus;
    QProcess m_keyring;
    QString m_busAddress;
};

void tst_InstallIDLive::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    QVERIFY(QDir(m_home->path()).mkpath(QStringLiteral("run")));
    QFile::setPermissions(m_home->filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_InstallIDLive::cleanup()
{
    for (QProcess *p : {&m_keyring, &m_bus}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(3000);
        }
    }
    m_busAddress.clear();
    m_home.reset();
}

QProcessEnvironment tst_InstallIDLive::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home->path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home->filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    // Keeps QtKeychain on the Secret Service rather than a desktop's wallet.
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    return env;
}

bool tst_InstallIDLive::startBus(bool serviceDirectories, QString *why)
{
    // A bus that activates nothing on demand unless it is given the standard
    // service folders.
    const QString config = m_home->filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = QStringLiteral("cannot write the bus configuration");
        return false;
    }
    file.write(
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig>\n  <type>session</type>\n"
        "  <listen>unix:tmpdir=" +
        m_home->path().toUtf8() +
        "</listen>\n"
        "  <auth>EXTERNAL</auth>\n"
        "  <policy context=\"default\">\n"
        "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
        "    <allow eavesdrop=\"true\"/>\n    <allow own=\"*\"/>\n  </policy>\n");
    if (serviceDirectories)
        file.write("  <standard_session_servicedirs/>\n");
    file.write("</busconfig>\n");
    file.close();

    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
    if (!m_bus.waitForStarted(5000)) {
        *why = QStringLiteral("dbus-daemon did not start");
        return false;
    }
    QByteArray line;
    QDeadlineTimer deadline(10000);
    while (!line.contains('\n') && !deadline.hasExpired() && m_bus.waitForReadyRead(500))
        line += m_bus.readAllStandardOutput();
    m_busAddress = QString::fromUtf8(line).trimmed();
    if (m_busAddress.isEmpty()) {
        *why = QStringLiteral("dbus-daemon gave no address: ") +
               QString::fromUtf8(m_bus.readAllStandardError());
        return false;
    }
    return true;
}

bool tst_InstallIDLive::startKeyring(QString *why)
{
    m_keyring.setProcessEnvironment(environment());
    m_keyring.start(QStringLiteral("gnome-keyring-daemon"),
                    {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                     QStringLiteral("--components=secrets")});
    if (!m_keyring.waitForStarted(5000)) {
        *why = QStringLiteral("gnome-keyring-daemon did not start");
        return false;
    }
    // An empty password does not make the login keyring; any other does.
    m_keyring.write("test");
    m_keyring.closeWriteChannel();

    const QString name = QStringLiteral("keyring-probe");
    bool registered = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(m_busAddress, name);
        QDeadlineTimer deadline(10000);
        while (
            !(registered = bus.isConnected() && bus.interface()->isServiceRegistered(
                                                    QStringLiteral("org.freedesktop.secrets"))) &&
            !deadline.hasExpired())
            QTest::qWait(50);
    }
    QDBusConnection::disconnectFromBus(name);
    if (!registered)
        *why = QStringLiteral("the keyring never took its bus name: ") +
               QString::fromUtf8(m_keyring.readAllStandardError());
    return registered;
}

tst_InstallIDLive::Child tst_InstallIDLive::runChild(int calls)
{
    Child child;
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QCoreApplication::applicationFilePath(),
                  {identityOption, QString::number(calls)});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return child;
    }
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(u"id "))
            child.ids << line.mid(3);
        else if (line.startsWith(u"read "))
            child.readStatus = line.mid(5).toInt();
    }
    return child;
}

void tst_InstallIDLive::survivesARestartWithASecretService()
{
    QString why;
    QVERIFY2(startBus(true, &why), qPrintable(why));
    QVERIFY2(startKeyring(&why), qPrintable(why));

    const Child first = runChild(2);
    QCOMPARE(first.ids.size(), 2);
    QVERIFY2(isFreshIdentity(first.ids.at(0)), qPrintable(first.ids.at(0)));
    QCOMPARE(first.ids.at(1), first.ids.at(0));
    QCOMPARE(first.readStatus, int(platform::KeychainStatus::success));

    const Child second = runChild(1);
    QCOMPARE(second.ids, QStringList{first.ids.at(0)});
}

void tst_InstallIDLive::withoutASecretServiceEachCallMakesANewOne()
{
    QString why;
    QVERIFY2(startBus(false, &why), qPrintable(why));

    const Child child = runChild(2);
    QCOMPARE(child.ids.size(), 2);
    QVERIFY(isFreshIdentity(child.ids.at(0)));
    QVERIFY(isFreshIdentity(child.ids.at(1)));
    QVERIFY(child.ids.at(0) != child.ids.at(1));
    // Refused at once, not given up on after the keychain's wait.
    QVERIFY(child.readStatus != int(platform::KeychainStatus::success));
    QVERIFY(child.readStatus != int(platform::KeychainStatus::timedOut));
}

int main(int argc, char **argv)
{
    if (argc > 2 && QString::fromLocal8Bit(argv[1]) == identityOption)
        return identityChild(argc, argv);
    QCoreApplication app(argc, argv);
    tst_InstallIDLive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_InstallIDLive.moc"
