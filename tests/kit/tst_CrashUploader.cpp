#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "LogCapture.h"
#include "LoopbackBackend.h"
#include "kit/CrashUploader.h"

using fennimar::CrashUploader;
using testing::LoopbackBackend;

namespace {

const QString logCategory = QStringLiteral("com.fennimar.test.Crash");

struct Fixture {
    Fixture()
    {
        config.slug = QStringLiteral("halvex");
        config.bundleId = QStringLiteral("com.fennimar.test");
        config.appName = QStringLiteral("Halvex");
        config.version = QStringLiteral("1.4.0");
        config.build = QStringLiteral("57");
        config.backendBaseURL = backend.baseURL();
        uploader = std::make_unique<CrashUploader>(config, queue(), &session);
    }

    QString queue() const { return root.filePath(QStringLiteral("fennimar-kit/crashes")); }
    QString pending(const QString &name, const QByteArray &bytes) const
    {
        const QString path = queue() + u'/' + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    QStringList files() const
    {
        return QDir(queue()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    bool drain()
    {
        QFuture<void> done = uploader->drain();
        return QTest::qWaitFor([&] { return done.isFinished(); }, 10000);
    }

    QTemporaryDir root;
    LoopbackBackend backend;
    QNetworkAccessManager session;
    fennimar::AppConfig config;
    std::unique_ptr<CrashUploader> uploader;
};

} // namespace

class tst_CrashUploader : public QObject {
    Q_OBJECT
private slots:
    void pendingFolderIsTheBundlesOwn();
    void drainPostsTheFileAndJudgesByStatus_data();
    void drainPostsTheFileAndJudgesByStatus();
    void uploadsOneAfterAnother();
    void lostRequestIsLoggedAndTheNextIsTried();
    void nothingToSendSendsNothing_data();
    void nothingToSendSendsNothing();
};

void tst_CrashUploader::pendingFolderIsTheBundlesOwn()
{
    QCOMPARE(CrashUploader::pendingFolder(QStringLiteral("com.fennimar.test")),
             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/com.fennimar.test/fennimar-kit/crashes"));
}

void tst_CrashUploader::drainPostsTheFileAndJudgesByStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("kept");
    QTest::newRow("200") << 200 << false;
    QTest::newRow("204") << 204 << false;
    QTest::newRow("400") << 400 << false;
    QTest::newRow("401") << 401 << true;
    QTest::newRow("404") << 404 << true;
    QTest::newRow("429") << 429 << true;
    QTest::newRow("500") << 500 << true;
    QTest::newRow("503") << 503 << true;
}

void tst_CrashUploader::drainPostsTheFileAndJudgesByStatus()
{
    QFETCH(int, status);
    QFETCH(bool, kept);
    Fixture f;
    // Not even JSON: posted as it is, and the backend decides.
    const QByteArray bytes("{\"slug\":\"halvex\", trailing garbage");
    const QString path = f.pending(QStringLiteral("1700000000000-A.json"), bytes);
    f.backend.script("POST", "/api/crashes", {LoopbackBackend::Answer::with(status)});
    testing::LogCapture log;

    QVERIFY(f.drain());
    const QList<LoopbackBackend::Request> requests = f.backend.requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().method, QByteArray("POST"));
    QCOMPARE(requests.first().path, QByteArray("/api/crashes"));
    QCOMPARE(requests.first().header("Content-Type"),
             std::optional<QByteArray>("application/json"));
    QCOMPARE(requests.first().header("User-Agent"),
             std::optional<QByteArray>("Halvex/1.4.0 (build 57; FennimarKit)"));
    QCOMPARE(requests.first().body, bytes);
    QCOMPARE(QFile::exists(path), kept);
    QVERIFY(log.messages(logCategory).isEmpty());
}

void tst_CrashUploader::uploadsOneAfterAnother()
{
    Fixture f;
    for (const char *name : {"1-A.json", "2-B.json", "3-C.json"})
        f.pending(QString::fromLatin1(name), name);
    f.backend.script("POST", "/api/crashes", {LoopbackBackend::Answer::with(201)});
    // When a request arrives, every earlier one has been answered and its
    // file deleted.
    QList<int> filesLeftOnArrival;
    connect(&f.backend, &LoopbackBackend::requestReceived, this,
            [&] { filesLeftOnArrival << int(f.files().size()); });

    QVERIFY(f.drain());
    QCOMPARE(filesLeftOnArrival, (QList<int>{3, 2, 1}));
    QVERIFY(f.files().isEmpty());
}

void tst_CrashUploader::lostRequestIsLoggedAndTheNextIsTried()
{
    Fixture f;
    f.pending(QStringLiteral("1-A.json"), "a");
    f.pending(QStringLiteral("2-B.json"), "b");
    f.backend.script("POST", "/api/crashes", {LoopbackBackend::Answer::dropping()});
    testing::LogCapture log;

    QVERIFY(f.drain());
    // Both were tried (the network stack may itself try a dropped one twice),
    // and both stay for the next launch.
    QSet<QByteArray> bodies;
    for (const auto &request : f.backend.requests())
        bodies << request.body;
    QCOMPARE(bodies, (QSet<QByteArray>{"a", "b"}));
    QCOMPARE(f.files(), (QStringList{"1-A.json", "2-B.json"}));
    QCOMPARE(log.messages(logCategory),
             QStringList(2, QStringLiteral("crash upload deferred: transport")));
}

void tst_CrashUploader::nothingToSendSendsNothing_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("empty folder") << true;
    QTest::newRow("missing folder") << false;
}

void tst_CrashUploader::nothingToSendSendsNothing()
{
    QFETCH(bool, folderExists);
    Fixture f;
    // A folder among the entries cannot be read as a file: it is skipped.
    QVERIFY(QDir().mkpath(f.queue() + QStringLiteral("/not-a-file")));
    if (!folderExists)
        QVERIFY(QDir(f.queue()).removeRecursively());
    testing::LogCapture log;
    QVERIFY(f.drain());
    QVERIFY(f.backend.requests().isEmpty());
    QVERIFY(log.messages(logCategory).isEmpty());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    tst_CrashUploader test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CrashUploader.moc"
