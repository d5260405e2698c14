#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "CountingNetworkSession.h"
#include "FakeWorkspace.h"
#include "LoopbackBackend.h"
#include "kit/TipJar.h"

using fennimar::RemoteConfig;
using fennimar::Telemetry;
using fennimar::TipJar;

class tst_TipJar : public QObject {
    Q_OBJECT
private slots:
    void countsEachOpeningAndOpensThePage_data();
    void countsEachOpeningAndOpensThePage();
};

void tst_TipJar::countsEachOpeningAndOpensThePage_data()
{
    QTest::addColumn<bool>("remoteOn");
    QTest::newRow("telemetry on") << true;
    QTest::newRow("telemetry switched off") << false;
}

void tst_TipJar::countsEachOpeningAndOpensThePage()
{
    QFETCH(bool, remoteOn);

    testing::LoopbackBackend backend;
    testing::CountingNetworkSession session;
    testing::FakeWorkspace workspace;
    RemoteConfig::Payload remote;
    remote.telemetry.enabled = remoteOn;
    Telemetry telemetry([&] { return remote; });
    fennimar::AppConfig config;
    config.slug = QStringLiteral("halvex");
    config.bundleId = QStringLiteral("com.fennimar.halvex");
    config.backendBaseURL = backend.baseURL();
    telemetry.configure(config, QtFuture::makeReadyFuture(QStringLiteral("install-1")), &session);

    const TipJar jar(telemetry, workspace);
    jar.open(QStringLiteral("sidebar"));
    jar.open(QStringLiteral("about"));

    QCOMPARE(workspace.openedUrls, (QList<QUrl>{TipJar::url(), TipJar::url()}));
    QCOMPARE(session.started(), remoteOn ? 2 : 0);
    if (!remoteOn)
        return;
    QTRY_COMPARE(backend.requests().size(), 2);
    QStringList sources;
    for (const auto &request : backend.requests()) {
        const QJsonObject body = QJsonDocument::fromJson(request.body).object();
        QCOMPARE(body.value(u"event").toString(), QStringLiteral("tip.open"));
        sources << body.value(u"props").toObject().value(u"from").toString();
    }
    sources.sort(); // events may arrive in any order
    QCOMPARE(sources, (QStringList{"about", "sidebar"}));
}

QTEST_GUILESS_MAIN(tst_TipJar)
#include "tst_TipJar.moc"
