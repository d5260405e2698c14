#include <csignal>
#include <iostream>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "BusServiceStub.h"
#include "DesktopHarness.h"
#include "kit/Fennimar.h"
#include "kit/InstallID.h"
#include "platform/SecretServiceKeychain.h"
#include "platform/UserDefaults.h"

using fennimar::InstallID;
using platform::KeychainStatus;
using testing::BusServiceStub;

namespace {

const QString bundleId = QStringLiteral("com.fennimar.test.live");
const QString secrets = QStringLiteral("org.freedesktop.secrets");
const char *const startUpOption = "--start-up";
constexpr int childTimeoutMs = 60000;

void print(const QString &line)
{
    QTextStream(stdout) << line << Qt::endl;
}

// Run as a child: the library's start-up against the desktop's keychain,
// with the defaults in <ini> and a keychain wait of <ms>. Prints "id <the
// run's identity>", then, as asked by the last argument:
// - "read-back": "read <status>" for a plain read of the item;
// - "late": tries to replace and to delete the item (a keyring that does
//   not answer must never see either), prints "waiting" and, once a line
//   comes on stdin, "final <item>" as a read after them finds it.
int startUpChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    platform::UserDefaults defaults(arguments.value(2));
    platform::SecretServiceKeychain keychain(std::chrono::milliseconds(arguments.value(3).toInt()));
    const QString then = arguments.value(4);
    QTemporaryDir crashes;

    fennimar::AppConfig config;
    config.slug = QStringLiteral("halvex");
    config.bundleId = bundleId;
    config.appName = QStringLiteral("Halvex");
    config.version = QStringLiteral("1.0.0");
    config.build = QStringLiteral("1");
    // Nothing listens there: the library's network calls fail at once.
    config.backendBaseURL = QUrl(QStringLiteral("http://127.0.0.1:9"));
    fennimar::Fennimar::Services services;
    services.keychain = &keychain;
    services.defaults = &defaults;
    services.crashFolder = crashes.path();
    fennimar::Fennimar::bootstrap(config, fennimar::Fennimar::BootstrapOptions::standard(),
                                  services);

    const QString service = InstallID::service(bundleId);
    fennimar::Fennimar::installId().then(&app, [&](const QString &id) {
        print(QStringLiteral("id ") + id);
        if (then == u"read-back") {
            keychain.read(service, InstallID::account)
                .then(&app, [](const platform::Keychain::ReadResult &read) {
                    print(QStringLiteral("read %1").arg(
                        int(read ? KeychainStatus::success : read.error())));
                    QCoreApplication::quit();
                });
        } else if (then == u"late") {
            const QFuture<KeychainStatus> write =
                keychain.write(service, InstallID::account, "late");
            keychain.remove(service, InstallID::account)
                .then(&app, [&, write](KeychainStatus removed) {
                    print(QStringLiteral("late %1 %2").arg(int(write.result())).arg(int(removed)));
                    print(QStringLiteral("waiting"));
                    std::string line;
                    std::getline(std::cin, line);
                    // Sent after whatever the keyring was still to get from us.
                    keychain.read(service, InstallID::account)
                        .then(&app, [](const platform::Keychain::ReadResult &read) {
                            print(QStringLiteral("final ") +
                                  (read ? QString::fromUtf8(read.value()) : QStringLiteral("-")));
                            QCoreApplication::quit();
                        });
                });
        } else {
            QCoreApplication::quit();
        }
    });
    return app.exec();
}

bool isFreshIdentity(const QString &id)
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    return form.match(id).hasMatch();
}

} // namespace

// The install identity against the desktop's own keychain service. Each run
// is a child process of its own (a process makes its D-Bus connection once)
// on the harness's private session bus, which activates nothing on demand.
// The cases run in order: without a Secret Service, with one that has no
// default keyring, with one whose login keyring is unlocked, and with that
// one stopped in the middle of the run.
class tst_InstallIDLive : public QObject {
    Q_OBJECT
private slots:
    void withoutASecretServiceTheDefaultsKeepIt();
    void withoutADefaultKeyringOnePromptAndNoMore();
    void survivesARestartWithASecretService();
    void aKeyringThatAnswersLateLosesNothing();

private:
    // A run of the child to its end; its output lines by their first word.
    struct Child {
        QString id;
        std::optional<int> readStatus;
    };
    Child runChild(const QString &defaults, const QString &then = {}, int waitMs = 3000);
    QProcess *startChild(const QString &defaults, const QString &then, int waitMs);
    QString defaultsFile(const QString &name) const
    {
        return m_desktop.homePath() + u'/' + name + QStringLiteral(".ini");
    }

    testing::DesktopHarness m_desktop;
    std::vector<std::unique_ptr<QProcess>> m_children;
};

QProcess *tst_InstallIDLive::startChild(const QString &defaults, const QString &then, int waitMs)
{
    auto child = std::make_unique<QProcess>();
    child->setProcessEnvironment(m_desktop.environment());
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(startUpOption), defaults, QString::number(waitMs), then});
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

tst_InstallIDLive::Child tst_InstallIDLive::runChild(const QString &defaults, const QString &then,
                                                     int waitMs)
{
    QProcess *process = startChild(defaults, then, waitMs);
    // This process's event loop runs meanwhile: the stubs here answer it.
    if (!QTest::qWaitFor([&] { return process->state() == QProcess::NotRunning; }, childTimeoutMs))
        process->kill();
    Child child;
    for (const QString &line : QString::fromUtf8(process->readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"id "))
            child.id = line.mid(3);
        else if (line.startsWith(u"read "))
            child.readStatus = line.mid(5).toInt();
    }
    return child;
}

void tst_InstallIDLive::withoutASecretServiceTheDefaultsKeepIt()
{
    QVERIFY(m_desktop.bus());
    QVERIFY(!m_desktop.bus()->hasOwner(secrets));

    const QString defaults = defaultsFile(QStringLiteral("no-service"));
    const Child first = runChild(defaults, QStringLiteral("read-back"));
    QVERIFY2(isFreshIdentity(first.id), qPrintable(first.id));
    // Refused at once, not given up on after the keychain's wait.
    QCOMPARE(first.readStatus.value_or(-1), int(KeychainStatus::unavailable));
    QCOMPARE(runChild(defaults).id, first.id);
}

// The desktop's "choose a password for the new keyring" prompt comes once,
// and, cancelled, not again on the next launch.
void tst_InstallIDLive::withoutADefaultKeyringOnePromptAndNoMore()
{
    // A keyring daemon that has never made a login keyring.
    QTemporaryDir empty;
    QVERIFY(QDir().mkpath(empty.filePath(QStringLiteral("runtime"))));
    QProcessEnvironment home;
    home.insert(QStringLiteral("HOME"), empty.path());
    home.insert(QStringLiteral("XDG_DATA_HOME"), empty.filePath(QStringLiteral("data")));
    home.insert(QStringLiteral("XDG_CONFIG_HOME"), empty.filePath(QStringLiteral("config")));
    home.insert(QStringLiteral("XDG_RUNTIME_DIR"), empty.filePath(QStringLiteral("runtime")));
    QProcess *daemon = m_desktop.launch(
        QStringLiteral("gnome-keyring-daemon"),
        {QStringLiteral("--foreground"), QStringLiteral("--components=secrets")}, home);
    QVERIFY2(daemon, "gnome-keyring is installed by scripts/setup --test");
    const auto stopDaemon = [daemon] {
        daemon->terminate();
        daemon->waitForFinished(10000);
    };
    // The next case starts a keyring daemon of its own.
    auto stopOnFailure = qScopeGuard(stopDaemon);
    QVERIFY(m_desktop.bus()->waitForOwner(secrets));
    BusServiceStub prompter(m_desktop.bus()->address(),
                            QStringLiteral("org.gnome.keyring.SystemPrompter"),
                            BusServiceStub::Answer::refuse);
    QVERIFY(prompter.isRegistered());
    const QString begin = QStringLiteral("BeginPrompting");

    const QString defaults = defaultsFile(QStringLiteral("no-default-keyring"));
    const Child first = runChild(defaults);
    QVERIFY2(isFreshIdentity(first.id), qPrintable(first.id));
    QCOMPARE(prompter.calls(begin), 1);

    // Next launch, the prompt would stay open: it is not asked for.
    prompter.setAnswer(BusServiceStub::Answer::never);
    QCOMPARE(runChild(defaults).id, first.id);
    QCOMPARE(prompter.calls(begin), 1);

    stopOnFailure.dismiss();
    stopDaemon();
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.bus()->hasOwner(secrets), 15000);
}

void tst_InstallIDLive::survivesARestartWithASecretService()
{
    const QString why = m_desktop.startSecretService();
    QVERIFY2(why.isEmpty(), qPrintable(why));

    const Child first =
        runChild(defaultsFile(QStringLiteral("first")), QStringLiteral("read-back"));
    QVERIFY2(isFreshIdentity(first.id), qPrintable(first.id));
    QCOMPARE(first.readStatus.value_or(-1), int(KeychainStatus::success));
    // Kept by the keyring: defaults of its own do not matter.
    QCOMPARE(runChild(defaultsFile(QStringLiteral("second"))).id, first.id);
}

// A keyring that stops answering (locked, prompting, hung) while a run asks
// it: the run goes on with an identity of its own, and nothing it asked for
// lands when the keyring comes back.
void tst_InstallIDLive::aKeyringThatAnswersLateLosesNothing()
{
    const QString why = m_desktop.startSecretService();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    const QString stored = runChild(defaultsFile(QStringLiteral("before"))).id;
    QVERIFY2(isFreshIdentity(stored), qPrintable(stored));

    const std::optional<qint64> daemon = m_desktop.bus()->ownerProcessIdentifier(secrets);
    QVERIFY(daemon);
    QCOMPARE(::kill(pid_t(*daemon), SIGSTOP), 0);
    auto resume = qScopeGuard([&] { ::kill(pid_t(*daemon), SIGCONT); });

    // The wait also bounds the last read, made once the keyring is back.
    QProcess *child =
        startChild(defaultsFile(QStringLiteral("late")), QStringLiteral("late"), 5000);
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += child->readAllStandardOutput()).contains("waiting\n"),
                             childTimeoutMs);
    const QString ownId = QString::fromUtf8(output).section(u'\n', 0, 0).mid(3);
    QVERIFY2(isFreshIdentity(ownId) && ownId != stored, qPrintable(ownId));
    // The replacement and the delete were given up on, unsent.
    const int timedOut = int(KeychainStatus::timedOut);
    QVERIFY2(output.contains(QStringLiteral("late %1 %1\n").arg(timedOut).toUtf8()),
             output.constData());

    resume.dismiss();
    QCOMPARE(::kill(pid_t(*daemon), SIGCONT), 0);
    child->write("go\n");
    QTRY_VERIFY_WITH_TIMEOUT(child->state() == QProcess::NotRunning, childTimeoutMs);
    output += child->readAllStandardOutput();
    QVERIFY2(output.contains(QByteArray("final " + stored.toUtf8() + "\n")), output.constData());
}

int main(int argc, char **argv)
{
    if (argc > 4 && qstrcmp(argv[1], startUpOption) == 0)
        return startUpChild(argc, argv);
    return testing::DesktopHarness::run<tst_InstallIDLive>(argc, argv);
}

#include "tst_InstallIDLive.moc"
