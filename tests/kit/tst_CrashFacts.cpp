#include <elf.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include "kit/CrashFacts.h"

using fennimar::CrashPayload;
namespace CrashFacts = fennimar::CrashFacts;

class tst_CrashFacts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void uptimeCountsFromCapture_data();
    void uptimeCountsFromCapture();
    void listsLoadedImages();
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
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(quintptr(executable.loadAddress)), 4),
             QByteArray::fromHex("7f454c46"));
    bool hasCLibrary = false;
    for (const CrashPayload::BinaryImage &image : images)
        hasCLibrary = hasCLibrary || image.name.startsWith(u"libc.so");
    QVERIFY(hasCLibrary);
    QCOMPARE(CrashFacts::binaryImages(2).size(), 2);
    QVERIFY(CrashFacts::binaryImages(0).isEmpty());
}

QTEST_GUILESS_MAIN(tst_CrashFacts)
#include "tst_CrashFacts.moc"
