#include <cstring>

#include <elf.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include "kit/CrashFacts.h"
#include "platform/LoadedImages.h"
#include "platform/SystemFacts.h"

using fennimar::CrashPayload;
namespace CrashFacts = fennimar::CrashFacts;

class tst_CrashFacts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void uptimeCountsFromCapture_data();
    void uptimeCountsFromCapture();
    void listsLoadedImages();
    void enrichesExceptionRecords();
    void backtraceKeepsFilledEntries();
};

void tst_CrashFacts::initTestCase()
{
    CrashFacts::captureAtLaunch();
}

void tst_CrashFacts::uptimeCountsFromCapture_data()
{
    QTest::addColumn<double>("secondsLater");
    QTest::addColumn<qint64>("expectedMs");
    QTest::newRow("truncated toward zero") << 1.2349 << qint64(1234);
    QTest::newRow("at capture") << 0.0 << qint64(0);
    QTest::newRow("clock behind the capture") << -5.0 << qint64(0);
}

void tst_CrashFacts::uptimeCountsFromCapture()
{
    QFETCH(double, secondsLater);
    QFETCH(qint64, expectedMs);
    const CrashFacts::LaunchFacts &facts = CrashFacts::launchFacts();
    CrashPayload payload;
    CrashFacts::applyLaunchFacts(payload, facts.uptimeAtCapture + secondsLater);
    QCOMPARE(payload.appUptimeMs, std::optional(expectedMs));
    QCOMPARE(payload.buildUuid, facts.executableBuildId);
    QCOMPARE(payload.osBuild, facts.osBuild);
    QCOMPARE(payload.deviceModel, facts.deviceModel);
}

void tst_CrashFacts::listsLoadedImages()
{
    const QList<CrashPayload::BinaryImage> images = CrashFacts::binaryImages(256);
    QVERIFY(images.size() > 2);
    const CrashPayload::BinaryImage &executable = images.first();
    QCOMPARE(executable.name, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    // A GNU build id: 20 bytes of lower-case hex.
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9a-f]{40}$")).match(executable.uuid).hasMatch(),
             qPrintable(executable.uuid));
    QCOMPARE(CrashFacts::launchFacts().executableBuildId, std::optional(executable.uuid));
    QCOMPARE(executable.arch, CrashPayload::archName(EM_X86_64));
    // The load address is where the executable's ELF header is mapped.
    QCOMPARE(std::memcmp(reinterpret_cast<const void *>(quintptr(executable.loadAddress)),
                         "\x7f"
                         "ELF",
                         4),
             0);
    bool hasCLibrary = false;
    for (const CrashPayload::BinaryImage &image : images)
        hasCLibrary = hasCLibrary || image.name.startsWith(u"libc.so");
    QVERIFY(hasCLibrary);
    QCOMPARE(CrashFacts::binaryImages(2).size(), 2);
    QVERIFY(CrashFacts::binaryImages(0).isEmpty());
}

void tst_CrashFacts::enrichesExceptionRecords()
{
    CrashPayload payload;
    CrashFacts::enrich(payload);
    QVERIFY(payload.binaryImages && !payload.binaryImages->isEmpty());
    QVERIFY(payload.usedMemoryMB && *payload.usedMemoryMB > 0.0);
    QVERIFY(payload.freeMemoryMB && *payload.freeMemoryMB >= 0.0);
    QCOMPARE(payload.thermalState, std::optional(QStringLiteral("unknown")));
    QCOMPARE(payload.locale, std::optional(QLocale().name()));
    // The main thread is named after the process.
    QVERIFY(payload.threadName && !payload.threadName->isEmpty());
    QVERIFY(!payload.queueLabel);
}

void tst_CrashFacts::backtraceKeepsFilledEntries()
{
    const QList<quint64> addresses = CrashFacts::backtrace(128);
    QVERIFY(!addresses.isEmpty() && addresses.size() <= 128);
    QVERIFY(!addresses.contains(0));
    QCOMPARE(CrashFacts::backtrace(2).size(), 2);
}

QTEST_GUILESS_MAIN(tst_CrashFacts)
#include "tst_CrashFacts.moc"
