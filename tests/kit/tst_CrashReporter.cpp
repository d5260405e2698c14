#include <csignal>
#include <cstdlib>
#include <stdexcept>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "kit/CrashFacts.h"
#include "kit/CrashPayload.h"
#include "kit/CrashReporter.h"
#include "platform/LoadedImages.h"

using fennimar::CrashPayload;

namespace {

const char *crashArgument = "--crash";
const QString installId = QStringLiteral("a1b2c3d4-install");

fennimar::AppConfig appConfig()
{
    fennimar::AppConfig config;
    config.slug = QStringLiteral("halvex");
    config.bundleId = QStringLiteral("com.fennimar.test");
    config.version = QStringLiteral("1.4.0");
    config.build = QStringLiteral("57");
    return config;
}

volatile bool keepRecursing = true;

__attribute__((noinline)) int recurse(int depth)
{
    volatile char frame[4096];
    frame[0] = char(depth);
    if (keepRecursing)
        return recurse(depth + 1) + frame[0];
    return frame[0];
}

struct NotAnException {};

// The child's side: install the reporter as start-up does, then die.
[[noreturn]] void crashAs(const QByteArray &mode)
{
    if (mode == "abort")
        std::abort();
    if (mode == "terminate")
        std::terminate();
    if (mode == "null") {
        volatile int *nowhere = nullptr;
        *nowhere = 1;
    }
    if (mode == "overflow")
        std::exit(recurse(0));
    if (mode == "exception")
        throw std::runtime_error("boom");
    if (mode == "reasonless")
        throw NotAnException();
    if (mode == "pipe") {
        int fds[2];
        if (pipe(fds) == 0) {
            close(fds[0]);
            const char byte = 0;
            [[maybe_unused]] const ssize_t n = write(fds[1], &byte, 1);
        }
    }
    std::exit(3);
}

int runCrashingChild(int argc, char **argv)
{
    // Keep the children's deaths from leaving core files behind.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    QCoreApplication app(argc, argv);
    auto uploader = std::make_unique<fennimar::CrashUploader>(
        appConfig(), QString::fromLocal8Bit(argv[3]), nullptr);
    fennimar::CrashReporter &reporter = fennimar::CrashReporter::makeCurrent(
        std::make_unique<fennimar::CrashReporter>(appConfig(), std::move(uploader), QString()));
    fennimar::CrashFacts::captureAtLaunch();
    fennimar::CrashReporter::installExceptionHandler();
    fennimar::CrashReporter::installSignalHandlers();
    // As at start-up: the identity comes from the keychain once the
    // handlers are in place.
    reporter.setInstallId(installId);
    crashAs(argv[2]);
}

} // namespace

class tst_CrashReporter : public QObject {
    Q_OBJECT
private slots:
    void crashLeavesOneRecordAndDiesBySignal_data();
    void crashLeavesOneRecordAndDiesBySignal();
};

void tst_CrashReporter::crashLeavesOneRecordAndDiesBySignal_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<int>("signal");
    // Empty for a signal record.
    QTest::addColumn<QString>("exception");
    QTest::newRow("abort") << QByteArray("abort") << SIGABRT << QString();
    QTest::newRow("terminate without exception") << QByteArray("terminate") << SIGABRT << QString();
    QTest::newRow("null dereference") << QByteArray("null") << SIGSEGV << QString();
    QTest::newRow("stack overflow") << QByteArray("overflow") << SIGSEGV << QString();
    QTest::newRow("write to closed pipe") << QByteArray("pipe") << SIGPIPE << QString();
    // The runtime aborts after the exception record: still one record.
    QTest::newRow("uncaught exception")
        << QByteArray("exception") << SIGABRT << QStringLiteral("std::runtime_error: boom");
    QTest::newRow("exception without reason")
        << QByteArray("reasonless") << SIGABRT
        << QStringLiteral("(anonymous namespace)::NotAnException: ");
}

void tst_CrashReporter::crashLeavesOneRecordAndDiesBySignal()
{
    QFETCH(QByteArray, mode);
    QFETCH(int, signal);
    QFETCH(QString, exception);

    QTemporaryDir root;
    const QString queue = root.filePath(QStringLiteral("fennimar-kit/crashes"));
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(crashArgument), QString::fromLatin1(mode), queue});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.exitCode(), signal);

    // Exactly one file, and nothing left in the staging folder.
    const QFileInfoList files =
        QDir(queue).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(files.size(), 1);
    QCOMPARE(QDir(root.filePath(QStringLiteral("fennimar-kit")))
                 .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    struct stat status {};
    QCOMPARE(stat(QFile::encodeName(files.first().filePath()).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0600));

    QFile file(files.first().filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<CrashPayload> record = CrashPayload::decode(file.readAll());
    QVERIFY2(record, "a well-formed record");
    static const QRegularExpression name(
        QStringLiteral("^(\\d+)-[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\.json$"));
    const QRegularExpressionMatch match = name.match(files.first().fileName());
    QVERIFY2(match.hasMatch(), qPrintable(files.first().fileName()));
    QCOMPARE(match.captured(1).toLongLong(), record->occurredAt);

    QCOMPARE(record->slug, appConfig().slug);
    QCOMPARE(record->version, appConfig().version);
    QCOMPARE(record->build, appConfig().build);
    QCOMPARE(record->installId, installId);
    QVERIFY(!record->osVersion.isEmpty());
    QVERIFY(!record->frames.isEmpty() && record->frames.size() <= CrashPayload::maxFrames);
    QVERIFY(record->returnAddresses && !record->returnAddresses->isEmpty());
    QVERIFY(!record->returnAddresses->contains(0));
    // The child is this executable: the same build id.
    QCOMPARE(record->buildUuid, std::optional(QString::fromLatin1(platform::executableBuildId())));
    QVERIFY(record->appUptimeMs && *record->appUptimeMs >= 0);
    QVERIFY(record->osBuild);

    if (exception.isEmpty()) {
        QCOMPARE(record->kind, CrashPayload::Kind::signal);
        QCOMPARE(record->signal, std::optional<qint32>(signal));
        QVERIFY(!record->exception);
        QVERIFY(!record->binaryImages && !record->threadName && !record->locale);
    } else {
        QCOMPARE(record->kind, CrashPayload::Kind::exception);
        QVERIFY(!record->signal);
        QCOMPARE(record->exception, std::optional(exception));
        QVERIFY(record->binaryImages && !record->binaryImages->isEmpty());
        const CrashPayload::BinaryImage &executable = record->binaryImages->first();
        QCOMPARE(executable.name, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        QCOMPARE(std::optional(executable.uuid), record->buildUuid);
        QVERIFY(record->threadName && record->locale && record->usedMemoryMB);
        QCOMPARE(record->thermalState, std::optional(QStringLiteral("unknown")));
    }
}

int main(int argc, char **argv)
{
    if (argc > 3 && qstrcmp(argv[1], crashArgument) == 0)
        return runCrashingChild(argc, argv);
    QCoreApplication app(argc, argv);
    tst_CrashReporter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CrashReporter.moc"
