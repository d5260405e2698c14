#include <QNetworkAccessManager>
#include <QTest>
#include <QThread>

#include "LoopbackBackend.h"
#include "kit/HTTPClient.h"

using fennimar::HTTPClient;
using fennimar::HTTPError;
using fennimar::HTTPRequest;
using testing::LoopbackBackend;
using namespace std::chrono_literals;

namespace {
const QString agent = QStringLiteral("Halvex/1.4.0 (build 57; FennimarKit)");
} // namespace

class tst_HTTPClient : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void prepareStampsAgentAndShortensOnlyTheDefaultWait_data();
    void prepareStampsAgentAndShortensOnlyTheDefaultWait();
    void sendsTheRequestAsBuilt();
    void everyStatusIsAnAnswer_data();
    void everyStatusIsAnAnswer();
    void failuresWithoutAnAnswer_data();
    void failuresWithoutAnAnswer();
    void sessionGoneEndsInTransport();
    void sendsFromAnotherThread();

private:
    HTTPClient::Result sendAndWait(const HTTPClient &client, const HTTPRequest &request);
    HTTPRequest request(const QByteArray &path) const;

    std::unique_ptr<LoopbackBackend> m_backend;
    std::unique_ptr<QNetworkAccessManager> m_session;
};

void tst_HTTPClient::init()
{
    m_backend = std::make_unique<LoopbackBackend>();
    QVERIFY(m_backend->isListening());
    m_session = std::make_unique<QNetworkAccessManager>();
}

void tst_HTTPClient::cleanup()
{
    m_session.reset();
    m_backend.reset();
}

HTTPRequest tst_HTTPClient::request(const QByteArray &path) const
{
    HTTPRequest r;
    r.url = m_backend->baseURL();
    r.url.setPath(QString::fromLatin1(path));
    return r;
}

HTTPClient::Result tst_HTTPClient::sendAndWait(const HTTPClient &client, const HTTPRequest &request)
{
    QFuture<HTTPClient::Result> future = client.send(request);
    [&] { QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 10000); }();
    if (!future.isFinished() || future.resultCount() != 1)
        return platform::unexpected(HTTPError::status(-1)); // never a real outcome
    return future.result();
}

void tst_HTTPClient::prepareStampsAgentAndShortensOnlyTheDefaultWait_data()
{
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<QByteArray>("callersAgent"); // empty: none set
    QTest::addColumn<int>("expectedMs");

    QTest::newRow("fresh request") << -1 << QByteArray() << 15000;
    QTest::newRow("explicit 60 s") << 60000 << QByteArray() << 15000;
    QTest::newRow("30 s kept") << 30000 << QByteArray() << 30000;
    QTest::newRow("short wait kept, agent replaced") << 200 << QByteArray("curl/8") << 200;
}

void tst_HTTPClient::prepareStampsAgentAndShortensOnlyTheDefaultWait()
{
    QFETCH(int, timeoutMs);
    QFETCH(QByteArray, callersAgent);
    QFETCH(int, expectedMs);

    HTTPRequest r = request("/");
    if (timeoutMs >= 0)
        r.timeout = std::chrono::milliseconds(timeoutMs);
    if (!callersAgent.isEmpty())
        r.headers.append({"user-agent", callersAgent});

    const HTTPRequest prepared = HTTPClient(m_session.get(), agent).prepare(r);
    QCOMPARE(prepared.timeout.count(), expectedMs);
    QCOMPARE(prepared.header("User-Agent"), agent.toUtf8());
    int agents = 0;
    for (const auto &field : prepared.headers)
        agents += field.first.compare("user-agent", Qt::CaseInsensitive) == 0;
    QCOMPARE(agents, 1);
}

void tst_HTTPClient::sendsTheRequestAsBuilt()
{
    m_backend->script("PUT", "/api/things", {LoopbackBackend::Answer::with(201, "made")});
    HTTPRequest r = request("/api/things");
    r.url.setQuery(QStringLiteral("a=1"));
    r.method = "PUT";
    r.setHeader("Content-Type", "application/json");
    r.setHeader("User-Agent", "someone/else");
    r.setHeader("X-Extra", "kept");
    r.body = R"({"k":"v"})";

    const auto result = sendAndWait(HTTPClient(m_session.get(), agent), r);
    QVERIFY(result.hasValue());
    QCOMPARE(result->statusCode, 201);
    QCOMPARE(result->body, QByteArray("made"));

    QCOMPARE(m_backend->requests().size(), 1);
    const LoopbackBackend::Request seen = m_backend->requests().first();
    QCOMPARE(seen.method, QByteArray("PUT"));
    QCOMPARE(seen.path, QByteArray("/api/things"));
    QCOMPARE(seen.query, QByteArray("a=1"));
    QCOMPARE(seen.header("User-Agent"), agent.toUtf8());
    QCOMPARE(seen.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(seen.header("X-Extra"), QByteArray("kept"));
    QCOMPARE(seen.body, QByteArray(R"({"k":"v"})"));
}

void tst_HTTPClient::everyStatusIsAnAnswer_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("200") << 200 << QByteArray("{}");
    QTest::newRow("304") << 304 << QByteArray();
    QTest::newRow("400") << 400 << QByteArray("bad");
    QTest::newRow("404") << 404 << QByteArray("missing");
    QTest::newRow("500") << 500 << QByteArray("broken");
    QTest::newRow("503") << 503 << QByteArray("later");
}

void tst_HTTPClient::everyStatusIsAnAnswer()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    m_backend->script("GET", "/s",
                      {LoopbackBackend::Answer::with(status, body, {{"ETag", "\"e1\""}})});
    const auto result = sendAndWait(HTTPClient(m_session.get(), agent), request("/s"));
    QVERIFY2(result.hasValue(), qPrintable(result ? QString() : result.error().description()));
    QCOMPARE(result->statusCode, status);
    QCOMPARE(result->body, body);
    QCOMPARE(result->header("etag"), QByteArray("\"e1\""));
}

void tst_HTTPClient::failuresWithoutAnAnswer_data()
{
    QTest::addColumn<int>("mode"); // LoopbackBackend::Answer::Mode, or -1: not an HTTP address
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<int>("expected"); // HTTPError::Kind

    using M = LoopbackBackend::Answer::Mode;
    QTest::newRow("server hangs past the caller's wait")
        << int(M::hang) << 150 << int(HTTPError::Kind::transport);
    QTest::newRow("connection dropped") << int(M::drop) << 60000 << int(HTTPError::Kind::transport);
    QTest::newRow("not an HTTP answer") << -1 << 60000 << int(HTTPError::Kind::invalidResponse);
}

void tst_HTTPClient::failuresWithoutAnAnswer()
{
    QFETCH(int, mode);
    QFETCH(int, timeoutMs);
    QFETCH(int, expected);

    HTTPRequest r = request("/f");
    if (mode < 0) {
        r.url = QUrl(QStringLiteral("data:,hello"));
    } else {
        LoopbackBackend::Answer answer;
        answer.mode = LoopbackBackend::Answer::Mode(mode);
        m_backend->script("GET", "/f", {answer});
    }
    r.timeout = std::chrono::milliseconds(timeoutMs);

    const auto result = sendAndWait(HTTPClient(m_session.get(), agent), r);
    QVERIFY(!result.hasValue());
    QCOMPARE(int(result.error().kind()), expected);
    if (mode == int(LoopbackBackend::Answer::Mode::hang))
        QCOMPARE(m_backend->requests().size(), 1);
}

void tst_HTTPClient::sessionGoneEndsInTransport()
{
    m_backend->script("GET", "/h", {LoopbackBackend::Answer::hanging()});
    const HTTPClient client(m_session.get(), agent);
    QFuture<HTTPClient::Result> inFlight = client.send(request("/h"));
    QTRY_COMPARE(m_backend->hangingCount(), 1);
    m_session.reset();

    QTRY_VERIFY(inFlight.isFinished());
    QCOMPARE(inFlight.result().error(), HTTPError::transport());
    // A client whose session is gone fails at once rather than never.
    QFuture<HTTPClient::Result> late = client.send(request("/h"));
    QTRY_VERIFY(late.isFinished());
    QCOMPARE(late.result().error(), HTTPError::transport());
}

void tst_HTTPClient::sendsFromAnotherThread()
{
    m_backend->script("GET", "/t", {LoopbackBackend::Answer::with(200, "ok")});
    const HTTPClient client(m_session.get(), agent);
    QFuture<HTTPClient::Result> future;
    std::unique_ptr<QThread> worker(QThread::create([&] { future = client.send(request("/t")); }));
    worker->start();
    QVERIFY(worker->wait(5000));
    QTRY_VERIFY(future.isFinished());
    QCOMPARE(future.result()->body, QByteArray("ok"));
}

QTEST_GUILESS_MAIN(tst_HTTPClient)
#include "tst_HTTPClient.moc"
