#include <csignal>
#include <exception>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "CountingNetworkSession.h"
#include "FakeKeychain.h"
#include "LoopbackBackend.h"
#include "kit/CrashReporter.h"
#include "kit/Fennimar.h"
#include "kit/ReviewPrompt.h"
#include "kit/SparkleFacade.h"
#include "platform/UserDefaults.h"

using fennimar::Fennimar;
using testing::LoopbackBackend;

namespace {

const QByteArray identity = "6f1c2a9e-0d4b-4c8e-9a57-1b2c3d4e5f60";

void (*signalHandler(int signal))(int)
{
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action.sa_handler;
}

} // namespace

// Start-up in one process, as the application does it, against the
// loopback backend. The library's shared services live on from one test to
// the next, so the tests run in this order.
class tst_Fennimar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void beforeBootstrapNothingIsThere();
    void withEveryOptionOffOnlyTheReviewPromptIsBuilt();
    void standardStartsEverythingWithoutWaitingForTheKeychain();

private:
    Fennimar::Services services();

    QTemporaryDir m_dir;
    LoopbackBackend m_backend;
    testing::CountingNetworkSession m_session;
    testing::FakeKeychain m_keychain;
    std::unique_ptr<platform::UserDefaults> m_defaults;
    fennimar::AppConfig m_config;
};

void tst_Fennimar::initTestCase()
{
    m_keychain.items.insert(
        {QStringLiteral("com.fennimar.halvex.identity"), QStringLiteral("installId")}, identity);
    m_defaults = std::make_unique<platform::UserDefaults>(m_dir.filePath("defaults.ini"));
    m_config.slug = QStringLiteral("halvex");
    m_config.bundleId = QStringLiteral("com.fennimar.halvex");
    m_config.appName = QStringLiteral("Halvex");
    m_config.version = QStringLiteral("1.4.0");
    m_config.build = QStringLiteral("57");
    m_config.backendBaseURL = m_backend.baseURL();
    // The network refresh of the remote configuration never answers.
    m_backend.script("GET", "/api/config/halvex", {LoopbackBackend::Answer::hanging()});
    m_backend.script("POST", "/api/crashes", {LoopbackBackend::Answer::with(200)});
    m_backend.script("POST", "/api/telemetry", {LoopbackBackend::Answer::with(200)});
}

Fennimar::Services tst_Fennimar::services()
{
    Fennimar::Services services;
    services.keychain = &m_keychain;
    services.defaults = m_defaults.get();
    services.session = &m_session;
    services.crashFolder = m_dir.filePath(QStringLiteral("fennimar-kit/crashes"));
    return services;
}

void tst_Fennimar::beforeBootstrapNothingIsThere()
{
    QCOMPARE(Fennimar::config(), std::optional<fennimar::AppConfig>());
    QCOMPARE(Fennimar::reviewPrompt(), nullptr);
    QCOMPARE(Fennimar::installId().result(), QStringLiteral("(uninitialised)"));
}

void tst_Fennimar::withEveryOptionOffOnlyTheReviewPromptIsBuilt()
{
    const std::terminate_handler terminateBefore = std::get_terminate();
    // The test library has handlers of its own.
    const auto segvBefore = signalHandler(SIGSEGV);
    Fennimar::bootstrap(m_config, {false, false, false}, services());

    QVERIFY(Fennimar::reviewPrompt());
    QCOMPARE(Fennimar::crashReporter(), nullptr);
    QCOMPARE(fennimar::CrashReporter::current(), nullptr);
    QVERIFY(signalHandler(SIGSEGV) == segvBefore);
    QVERIFY(segvBefore != &fennimar::CrashReporter::handleSignal);
    QVERIFY(std::get_terminate() == terminateBefore);
    QVERIFY(!fennimar::SparkleFacade::shared().isStarted());

    // The remote configuration is still configured; any launch event would
    // have been started through our session by then.
    QTRY_COMPARE(m_backend.requests("GET", "/api/config/halvex").size(), 1);
    QCOMPARE(m_session.started(), 0);
}

void tst_Fennimar::standardStartsEverythingWithoutWaitingForTheKeychain()
{
    const QString pending = services().crashFolder.value() + QStringLiteral("/1-A.json");
    QVERIFY(QDir().mkpath(services().crashFolder.value()));
    QFile file(pending);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"kind\":\"signal\"}");
    file.close();

    // A keyring that is locked or prompting: no answer until the test gives it.
    m_keychain.holdAnswers = true;
    m_keychain.calls.clear();
    Fennimar::bootstrap(m_config, Fennimar::BootstrapOptions::standard(), services());

    QVERIFY(Fennimar::crashReporter());
    QCOMPARE(Fennimar::crashReporter(), fennimar::CrashReporter::current());
    QVERIFY(signalHandler(SIGSEGV) == &fennimar::CrashReporter::handleSignal);
    QVERIFY(signalHandler(SIGBUS) == &fennimar::CrashReporter::handleSignal);
    QVERIFY(fennimar::SparkleFacade::shared().isStarted());
    QCOMPARE(Fennimar::config(), std::optional(m_config));
    QVERIFY(Fennimar::reviewPrompt());
    QVERIFY(!Fennimar::installId().isFinished());
    QCOMPARE(Fennimar::crashReporter()->installId(), QString());

    // The pending crash record goes out at launch.
    QTRY_VERIFY(!QFile::exists(pending));
    QCOMPARE(m_backend.requests("POST", "/api/crashes").first().body,
             QByteArray("{\"kind\":\"signal\"}"));

    // The launch event is made once the cached configuration is in place,
    // and waits for the identity: it goes out the moment the keychain
    // answers, while the configuration fetch still hangs.
    QTRY_COMPARE(m_backend.requests("GET", "/api/config/halvex").size(), 2);
    const int sent = m_session.started();
    QCOMPARE(m_keychain.answerHeld(), 1);
    QCOMPARE(m_session.started(), sent + 1);
    QCOMPARE(Fennimar::installId().result(), QString::fromLatin1(identity));
    QCOMPARE(Fennimar::crashReporter()->installId(), QString::fromLatin1(identity));
    // One question to the keychain for the whole run.
    QCOMPARE(m_keychain.calls, QStringList{u"read com.fennimar.halvex.identity installId"_qs});
    QTRY_COMPARE(m_backend.requests("POST", "/api/telemetry").size(), 1);
    QCOMPARE(m_backend.requests("GET", "/api/config/halvex").size(), 2);
    const LoopbackBackend::Request launch = m_backend.requests("POST", "/api/telemetry").first();
    QCOMPARE(launch.header("User-Agent"),
             std::optional<QByteArray>("Halvex/1.4.0 (build 57; FennimarKit)"));
    const QJsonObject event = QJsonDocument::fromJson(launch.body).object();
    QCOMPARE(event.value("event").toString(), QStringLiteral("app.launch"));
    QCOMPARE(event.value("installId").toString(), QString::fromLatin1(identity));
    QCOMPARE(event.value("props").toObject(), (QJsonObject{{"locale", QLocale().name()}}));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    tst_Fennimar test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Fennimar.moc"
