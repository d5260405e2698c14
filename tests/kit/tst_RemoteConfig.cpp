#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

#include "LoopbackBackend.h"
#include "kit/RemoteConfig.h"

using fennimar::AppConfig;
using fennimar::RemoteConfig;
using testing::LoopbackBackend;
using Payload = RemoteConfig::Payload;
using ReviewPrompt = RemoteConfig::ReviewPrompt;

namespace {

const QString bundleId = QStringLiteral("com.fennimar.test.remoteconfig");
const QByteArray configPath = "/api/config/halvex";

// The server's document, pretty-printed with a key we do not know, so that a
// re-encoded copy would differ from it.
const QByteArray serverDocument = R"({
  "features": {"streakShare": true},
  "telemetry": {"enabled": false},
  "reviewPrompt": {"enabled": true, "afterDays": 20, "minUseDays": 6,
                   "repeatAfterDays": 40, "maxPrompts": 2},
  "comment": "unknown keys are ignored"
}
)";
const QByteArray otherDocument = R"({"features": {}, "telemetry": {"enabled": true}})";

Payload serverPayload()
{
    Payload p;
    p.features.insert(QStringLiteral("streakShare"), true);
    p.telemetry.enabled = false;
    p.reviewPrompt = ReviewPrompt{true, 20, 6, 40, 2};
    return p;
}

} // namespace

class tst_RemoteConfig : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void decode_data();
    void decode();
    void cacheLocation();
    void cacheAtStart_data();
    void cacheAtStart();
    void answeredFetchesCacheTheBytesAndNotifyOnChange();
    void firstAnswers_data();
    void firstAnswers();

private:
    AppConfig config(const QUrl &base) const;
    QByteArray cacheBytes() const;
    void writeCacheFile(const QByteArray &bytes) const;
    static void waitFor(QFuture<void> future);

    QString m_cachePath;
    std::unique_ptr<LoopbackBackend> m_backend;
    std::unique_ptr<RemoteConfig> m_remote;
    std::unique_ptr<QSignalSpy> m_changes;
};

void tst_RemoteConfig::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_cachePath = RemoteConfig::cacheFilePath(bundleId);
}

void tst_RemoteConfig::init()
{
    QDir(QFileInfo(m_cachePath).absolutePath()).removeRecursively();
    m_backend = std::make_unique<LoopbackBackend>();
    QVERIFY(m_backend->isListening());
    m_remote = std::make_unique<RemoteConfig>();
    m_changes = std::make_unique<QSignalSpy>(m_remote.get(), &RemoteConfig::didChange);
}

void tst_RemoteConfig::cleanup()
{
    m_changes.reset();
    m_remote.reset();
    m_backend.reset();
    QDir(QFileInfo(m_cachePath).absolutePath()).removeRecursively();
}

AppConfig tst_RemoteConfig::config(const QUrl &base) const
{
    AppConfig c;
    c.slug = QStringLiteral("halvex");
    c.bundleId = bundleId;
    c.appName = QStringLiteral("Halvex");
    c.version = QStringLiteral("1.4.0");
    c.build = QStringLiteral("57");
    c.backendBaseURL = base;
    return c;
}

QByteArray tst_RemoteConfig::cacheBytes() const
{
    QFile file(m_cachePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void tst_RemoteConfig::writeCacheFile(const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(m_cachePath).absolutePath());
    QFile file(m_cachePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void tst_RemoteConfig::waitFor(QFuture<void> future)
{
    QTRY_VERIFY(future.isFinished());
    // Change notifications come from the event loop after the call that asked.
    QCoreApplication::processEvents();
}

void tst_RemoteConfig::decode_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<Payload>("expected");

    const Payload defaults = Payload::defaults();
    Payload noPrompt = serverPayload();
    noPrompt.reviewPrompt.reset();

    QTest::newRow("server document") << serverDocument << true << serverPayload();
    QTest::newRow("review prompt null")
        << QByteArray(R"({"features":{"streakShare":true},"telemetry":{"enabled":false},)"
                      R"("reviewPrompt":null})")
        << true << noPrompt;
    QTest::newRow("bare minimum") << QByteArray(R"({"features":{},"telemetry":{"enabled":true}})")
                                  << true << defaults;
    QTest::newRow("telemetry missing") << QByteArray(R"({"features":{}})") << false << defaults;
    QTest::newRow("telemetry flag a string")
        << QByteArray(R"({"features":{},"telemetry":{"enabled":"yes"}})") << false << defaults;
    QTest::newRow("feature a number")
        << QByteArray(R"({"features":{"a":1},"telemetry":{"enabled":true}})") << false << defaults;
    QTest::newRow("review prompt without maxPrompts")
        << QByteArray(R"({"features":{},"telemetry":{"enabled":true},"reviewPrompt":)"
                      R"({"enabled":true,"afterDays":1,"minUseDays":1,"repeatAfterDays":1}})")
        << false << defaults;
    QTest::newRow("review prompt with a fraction")
        << QByteArray(R"({"features":{},"telemetry":{"enabled":true},"reviewPrompt":)"
                      R"({"enabled":true,"afterDays":1.5,"minUseDays":1,"repeatAfterDays":1,)"
                      R"("maxPrompts":1}})")
        << false << defaults;
}

void tst_RemoteConfig::decode()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, accepted);
    QFETCH(Payload, expected);

    const auto decoded = Payload::decode(json);
    QCOMPARE(decoded.has_value(), accepted);
    if (!decoded)
        return;
    QCOMPARE(*decoded, expected);
    // What we encode reads back the same, and leaves out an absent prompt.
    QCOMPARE(Payload::decode(decoded->encode()), decoded);
    QCOMPARE(decoded->encode().contains("reviewPrompt"), expected.reviewPrompt.has_value());
}

void tst_RemoteConfig::cacheLocation()
{
    const QString inside =
        QStringLiteral("/com.fennimar.test.remoteconfig/fennimar-kit/config.json");
    QCOMPARE(RemoteConfig::cacheFilePath(bundleId, QStringLiteral("/data")),
             QString(u"/data" + inside));
    // Without a data folder, the temporary folder holds the same path.
    QCOMPARE(RemoteConfig::cacheFilePath(bundleId, QString()), QString(QDir::tempPath() + inside));
    QCOMPARE(
        m_cachePath,
        QString(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + inside));
}

void tst_RemoteConfig::cacheAtStart_data()
{
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("network");
    QTest::addColumn<bool>("loaded");

    QTest::newRow("first run, no network") << false << QByteArray() << false << false;
    QTest::newRow("valid cache, no network") << true << serverDocument << false << true;
    QTest::newRow("valid cache, server without a document")
        << true << serverDocument << true << true;
    QTest::newRow("truncated") << true << serverDocument.left(60) << true << false;
    QTest::newRow("empty") << true << QByteArray() << true << false;
    QTest::newRow("huge, not JSON") << true << QByteArray(3 * 1024 * 1024, '\x7f') << true << false;
    QTest::newRow("wrong type in one key")
        << true << QByteArray(R"({"features":{"a":"on"},"telemetry":{"enabled":false}})") << true
        << false;
}

void tst_RemoteConfig::cacheAtStart()
{
    QFETCH(bool, hasFile);
    QFETCH(QByteArray, file);
    QFETCH(bool, network);
    QFETCH(bool, loaded);

    if (hasFile)
        writeCacheFile(file);
    QUrl base = m_backend->baseURL();
    if (!network)
        m_backend.reset(); // nothing listens there any more

    waitFor(m_remote->configure(config(base)));

    QCOMPARE(m_remote->snapshot(), loaded ? serverPayload() : Payload::defaults());
    QCOMPARE(m_changes->size(), loaded ? 1 : 0);
    QVERIFY(!m_remote->hasFetched());
    QCOMPARE(cacheBytes(), hasFile ? file : QByteArray("<none>"));
    const ReviewPrompt prompt = m_remote->snapshot().effectiveReviewPrompt();
    const ReviewPrompt expected =
        loaded ? ReviewPrompt{true, 20, 6, 40, 2} : ReviewPrompt{true, 15, 5, 30, 3};
    QCOMPARE(prompt, expected);
}

void tst_RemoteConfig::answeredFetchesCacheTheBytesAndNotifyOnChange()
{
    // The cache holds what the server will say, in other bytes.
    writeCacheFile(serverPayload().encode());
    using A = LoopbackBackend::Answer;
    m_backend->script("GET", configPath,
                      {A::with(200, serverDocument, {{"ETag", "\"v1\""}}), A::with(304),
                       A::with(200, serverDocument), A::with(200, otherDocument)});

    // Loaded from the cache, and then the run's first answer: notified both times.
    waitFor(m_remote->configure(config(m_backend->baseURL())));
    QCOMPARE(m_changes->size(), 2);
    QCOMPARE(m_remote->snapshot(), serverPayload());
    QCOMPARE(cacheBytes(), serverDocument);
    QCOMPARE(m_remote->etag(), QByteArray("\"v1\""));
    QVERIFY(m_remote->hasFetched());

    // Not modified: the value, tag and file stay, and a repeat is not news.
    waitFor(m_remote->refresh());
    QCOMPARE(m_changes->size(), 2);
    QCOMPARE(m_remote->snapshot(), serverPayload());
    QCOMPARE(m_remote->etag(), QByteArray("\"v1\""));

    // The same document without a tag clears the tag, quietly.
    waitFor(m_remote->refresh());
    QCOMPARE(m_changes->size(), 2);
    QCOMPARE(m_remote->etag(), std::nullopt);

    waitFor(m_remote->refresh());
    QCOMPARE(m_changes->size(), 3);
    QCOMPARE(m_remote->snapshot(), Payload::decode(otherDocument));
    QCOMPARE(cacheBytes(), otherDocument);

    const QList<LoopbackBackend::Request> requests = m_backend->requests();
    QCOMPARE(requests.size(), 4);
    for (const LoopbackBackend::Request &r : requests) {
        QCOMPARE(r.method, QByteArray("GET"));
        QCOMPARE(r.path, configPath);
        QCOMPARE(r.body, QByteArray());
        QCOMPARE(r.header("User-Agent"), QByteArray("Halvex/1.4.0 (build 57; FennimarKit)"));
    }
    QCOMPARE(requests.at(0).header("If-None-Match"), std::nullopt);
    QCOMPARE(requests.at(1).header("If-None-Match"), QByteArray("\"v1\""));
    QCOMPARE(requests.at(2).header("If-None-Match"), QByteArray("\"v1\""));
    QCOMPARE(requests.at(3).header("If-None-Match"), std::nullopt);
}

void tst_RemoteConfig::firstAnswers_data()
{
    QTest::addColumn<LoopbackBackend::Answer>("answer");
    QTest::addColumn<bool>("fetched");

    using A = LoopbackBackend::Answer;
    QTest::newRow("not modified") << A::with(304) << true;
    QTest::newRow("server error") << A::with(500, otherDocument) << false;
    QTest::newRow("malformed body") << A::with(200, "{\"features\": {") << false;
    QTest::newRow("wrong type in one key")
        << A::with(200, R"({"features":{},"telemetry":{"enabled":1}})") << false;
    QTest::newRow("connection dropped") << A::dropping() << false;
}

void tst_RemoteConfig::firstAnswers()
{
    QFETCH(LoopbackBackend::Answer, answer);
    QFETCH(bool, fetched);

    writeCacheFile(serverDocument);
    m_backend->script("GET", configPath, {answer});
    waitFor(m_remote->configure(config(m_backend->baseURL())));

    // A connection closed before any answer is tried once more by the HTTP stack.
    QVERIFY(!m_backend->requests().isEmpty());
    QCOMPARE(m_remote->snapshot(), serverPayload());
    QCOMPARE(cacheBytes(), serverDocument);
    QCOMPARE(m_remote->etag(), std::nullopt);
    QCOMPARE(m_remote->hasFetched(), fetched);
    // The cache load, and for a first 304 the answered fetch.
    QCOMPARE(m_changes->size(), fetched ? 2 : 1);
}

QTEST_GUILESS_MAIN(tst_RemoteConfig)
#include "tst_RemoteConfig.moc"
