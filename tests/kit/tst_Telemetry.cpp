#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPromise>
#include <QSignalSpy>
#include <QTest>

#include "CountingNetworkSession.h"
#include "LogCapture.h"
#include "LoopbackBackend.h"
#include "kit/Telemetry.h"

using fennimar::AppConfig;
using fennimar::RemoteConfig;
using fennimar::Telemetry;
using testing::LoopbackBackend;

namespace {
const QString logCategory = QStringLiteral("fennimarkit.Telemetry");
const QByteArray identity = "6f1c2a9e-0d4b-4c8e-9a57-1b2c3d4e5f60";
} // namespace

class tst_Telemetry : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void postsOneEvent_data();
    void postsOneEvent();
    void sendsNothing_data();
    void sendsNothing();
    void onlyALostRequestIsLogged();

private:
    // The identity is known at once, or only once the test settles it.
    void configure(bool identityLate = false);
    void settleIdentity();
    QJsonObject bodyOf(const LoopbackBackend::Request &request) const;

    std::unique_ptr<LoopbackBackend> m_backend;
    std::unique_ptr<testing::CountingNetworkSession> m_session;
    std::unique_ptr<QPromise<QString>> m_identity;
    RemoteConfig::Payload m_remote;
    std::unique_ptr<Telemetry> m_telemetry;
};

void tst_Telemetry::init()
{
    m_backend = std::make_unique<LoopbackBackend>();
    QVERIFY(m_backend->isListening());
    m_session = std::make_unique<testing::CountingNetworkSession>();
    m_identity = std::make_unique<QPromise<QString>>();
    m_identity->start();
    m_remote = RemoteConfig::Payload::defaults();
    m_telemetry = std::make_unique<Telemetry>([this] { return m_remote; });
}

void tst_Telemetry::cleanup()
{
    m_telemetry.reset();
    m_session.reset();
    m_backend.reset();
}

void tst_Telemetry::configure(bool identityLate)
{
    AppConfig config;
    config.slug = QStringLiteral("halvex");
    config.bundleId = QStringLiteral("com.fennimar.halvex");
    config.appName = QStringLiteral("Halvex");
    config.version = QStringLiteral("1.4");
    config.build = QStringLiteral("57");
    config.backendBaseURL = m_backend->baseURL();
    m_telemetry->configure(config, m_identity->future(), m_session.get());
    if (!identityLate)
        settleIdentity();
}

void tst_Telemetry::settleIdentity()
{
    m_identity->addResult(QString::fromLatin1(identity));
    m_identity->finish();
}

QJsonObject tst_Telemetry::bodyOf(const LoopbackBackend::Request &request) const
{
    return QJsonDocument::fromJson(request.body).object();
}

void tst_Telemetry::postsOneEvent_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<QVariantMap>("properties");
    QTest::addColumn<QJsonObject>("props");
    QTest::addColumn<bool>("identityLate");

    QTest::newRow("launch") << "app.launch" << QVariantMap{{"locale", "de_DE"}}
                            << QJsonObject{{"locale", "de_DE"}} << false;
    // The keyring is slow: the event waits for the identity, and goes.
    QTest::newRow("launch before the identity is known")
        << "app.launch" << QVariantMap{{"locale", "de_DE"}} << QJsonObject{{"locale", "de_DE"}}
        << true;
    QTest::newRow("no properties")
        << "review_prompt.presented" << QVariantMap() << QJsonObject() << false;
    QTest::newRow("only plain values kept")
        << "review_prompt.submitted"
        << QVariantMap{{"rating", 4},
                       {"written", true},
                       {"big", qint64(1) << 40},
                       {"ratio", 0.5},
                       {"when", QDateTime::fromSecsSinceEpoch(0)},
                       {"bytes", QByteArray("raw")},
                       {"list", QStringList{"a"}},
                       {"nothing", QVariant()}}
        << QJsonObject{{"rating", 4}, {"written", true}, {"big", qint64(1) << 40}, {"ratio", 0.5}}
        << false;
}

void tst_Telemetry::postsOneEvent()
{
    QFETCH(QString, event);
    QFETCH(QVariantMap, properties);
    QFETCH(QJsonObject, props);
    QFETCH(bool, identityLate);

    configure(identityLate);
    m_telemetry->track(event, properties);
    if (identityLate) {
        QCOMPARE(m_session->started(), 0);
        settleIdentity();
    }
    QCOMPARE(m_session->started(), 1);
    QTRY_COMPARE(m_backend->requests().size(), 1);

    const LoopbackBackend::Request request = m_backend->requests().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/api/telemetry"));
    QCOMPARE(request.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(request.header("User-Agent"), QByteArray("Halvex/1.4 (build 57; FennimarKit)"));
    QCOMPARE(bodyOf(request), (QJsonObject{{"slug", "halvex"},
                                           {"version", "1.4"},
                                           {"installId", QString::fromLatin1(identity)},
                                           {"event", event},
                                           {"props", props}}));
}

void tst_Telemetry::sendsNothing_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<bool>("remoteOn");
    QTest::addColumn<QVariantMap>("properties");

    QTest::newRow("switched off remotely") << true << false << QVariantMap();
    QTest::newRow("not configured") << false << true << QVariantMap();
    QTest::newRow("a value JSON cannot hold")
        << true << true << QVariantMap{{"ratio", std::numeric_limits<double>::infinity()}};
}

void tst_Telemetry::sendsNothing()
{
    QFETCH(bool, configured);
    QFETCH(bool, remoteOn);
    QFETCH(QVariantMap, properties);

    testing::LogCapture log;
    if (configured)
        configure();
    m_remote.telemetry.enabled = remoteOn;
    m_telemetry->track(QStringLiteral("app.launch"), properties);
    m_telemetry->trackAppUpdate(QStringLiteral("1.0.0"), QStringLiteral("1.1.0"));
    const int updates = remoteOn && configured ? 1 : 0; // the update event is fine
    QCOMPARE(m_session->started(), updates);
    QTRY_COMPARE(m_backend->requests().size(), updates);
    QVERIFY(log.messages(logCategory).isEmpty());
}

void tst_Telemetry::onlyALostRequestIsLogged()
{
    testing::LogCapture log;
    configure();
    using A = LoopbackBackend::Answer;
    m_backend->script("POST", "/api/telemetry", {A::with(500), A::dropping()});
    QSignalSpy finished(m_session.get(), &QNetworkAccessManager::finished);

    m_telemetry->trackAppUpdate(QStringLiteral("1.0.0"), QStringLiteral("1.1.0"));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(bodyOf(m_backend->requests().first()).value(u"props"),
             (QJsonObject{{"from", "1.0.0"}, {"to", "1.1.0"}}));
    QVERIFY(log.messages(logCategory).isEmpty());

    m_telemetry->track(QStringLiteral("tip.open"), {{"from", "sidebar"}});
    QTRY_VERIFY(!log.messages(logCategory).isEmpty());
    QCOMPARE(log.messages(logCategory), QStringList{"telemetry drop: transport"});
}

QTEST_GUILESS_MAIN(tst_Telemetry)
#include "tst_Telemetry.moc"
