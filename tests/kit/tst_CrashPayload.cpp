#include <elf.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "kit/CrashPayload.h"

using fennimar::CrashPayload;

namespace {

CrashPayload minimal()
{
    CrashPayload p;
    p.slug = QStringLiteral("halvex");
    p.version = QStringLiteral("1.4.0");
    p.build = QStringLiteral("57");
    p.osVersion = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    p.installId = QStringLiteral("INSTALL");
    p.kind = CrashPayload::Kind::signal;
    p.frames = {QStringLiteral("halvex(main+0x1c) [0x5555]")};
    p.occurredAt = 1500;
    return p;
}

CrashPayload full()
{
    CrashPayload p = minimal();
    p.kind = CrashPayload::Kind::exception;
    p.exception = QStringLiteral("std::runtime_error: boom");
    // The largest address an integer keeps exactly, and a small one.
    p.returnAddresses = QList<quint64>{0x7fffffffffffffffULL, 0x401000};
    p.binaryImages = QList<CrashPayload::BinaryImage>{
        {QStringLiteral("halvex"), QStringLiteral("0a1b2c"), 0x555555554000ULL,
         QStringLiteral("x86_64")},
        {QStringLiteral("linux-vdso.so.1"), QString(), 0x7ffff7fc1000ULL, std::nullopt}};
    p.buildUuid = QStringLiteral("0a1b2c");
    p.threadName = QStringLiteral("halvex");
    p.queueLabel = QStringLiteral("main");
    p.appUptimeMs = 12345;
    p.deviceModel = QStringLiteral("ThinkPad");
    p.osBuild = QStringLiteral("6.1.0-18-amd64");
    p.usedMemoryMB = 48.5;
    p.freeMemoryMB = 0.0;
    p.thermalState = QStringLiteral("unknown");
    p.locale = QStringLiteral("de_AT");
    return p;
}

QStringList keysOf(const QByteArray &json)
{
    QStringList keys = QJsonDocument::fromJson(json).object().keys();
    keys.sort();
    return keys;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

const QStringList requiredKeys{"slug",      "version", "build",  "osVersion",
                               "installId", "kind",    "frames", "occurredAt"};

} // namespace

class tst_CrashPayload : public QObject {
    Q_OBJECT
private slots:
    void encodesPresentFieldsOnly_data();
    void encodesPresentFieldsOnly();
    void roundTrips();
    void decodeRejects_data();
    void decodeRejects();
    void cutsFramesAndNamesArchitectures();
};

void tst_CrashPayload::encodesPresentFieldsOnly_data()
{
    QTest::addColumn<CrashPayload>("payload");
    QTest::addColumn<QStringList>("extraKeys");
    QTest::newRow("all optional fields absent") << minimal() << QStringList();
    CrashPayload signal = minimal();
    signal.signal = 11;
    QTest::newRow("signal record") << signal << QStringList{"signal"};
    CrashPayload exception = minimal();
    exception.kind = CrashPayload::Kind::exception;
    exception.exception = QStringLiteral("int: ");
    QTest::newRow("exception record") << exception << QStringList{"exception"};
    CrashPayload images = minimal();
    images.binaryImages = QList<CrashPayload::BinaryImage>{{"a.so", "", 1, std::nullopt}};
    QTest::newRow("images") << images << QStringList{"binaryImages"};
}

void tst_CrashPayload::encodesPresentFieldsOnly()
{
    QFETCH(CrashPayload, payload);
    QFETCH(QStringList, extraKeys);
    const QByteArray json = payload.encode();
    QCOMPARE(keysOf(json), sorted(requiredKeys + extraKeys));
    QVERIFY2(!json.contains("null") && !json.contains('\n'), json.constData());
    if (payload.binaryImages) {
        // An image of unknown architecture has no arch key; one without a
        // build id still has an empty uuid.
        const QJsonObject image = QJsonDocument::fromJson(json)
                                      .object()
                                      .value("binaryImages")
                                      .toArray()
                                      .first()
                                      .toObject();
        QCOMPARE(sorted(image.keys()), sorted({"name", "uuid", "loadAddress"}));
        QCOMPARE(image.value("uuid").toString(), QString());
    }
}

void tst_CrashPayload::roundTrips()
{
    QCOMPARE(CrashPayload::decode(minimal().encode()), std::optional(minimal()));
    QCOMPARE(CrashPayload::decode(full().encode()), std::optional(full()));
    QCOMPARE(QJsonDocument::fromJson(minimal().encode()).object().value("kind").toString(),
             QStringLiteral("signal"));
}

void tst_CrashPayload::decodeRejects_data()
{
    QTest::addColumn<QByteArray>("json");
    const QJsonObject valid = QJsonDocument::fromJson(minimal().encode()).object();
    for (const QString &key : requiredKeys) {
        QJsonObject missing = valid;
        missing.remove(key);
        QTest::addRow("without %s", qPrintable(key)) << QJsonDocument(missing).toJson();
    }
    QJsonObject wrongType = valid;
    wrongType.insert("occurredAt", "1500");
    QTest::newRow("occurredAt as text") << QJsonDocument(wrongType).toJson();
    QJsonObject negativeAddress = valid;
    negativeAddress.insert("returnAddresses", QJsonArray{-1});
    QTest::newRow("negative address") << QJsonDocument(negativeAddress).toJson();
    QTest::newRow("truncated") << minimal().encode().chopped(1);
}

void tst_CrashPayload::decodeRejects()
{
    QFETCH(QByteArray, json);
    QVERIFY(!CrashPayload::decode(json));
}

void tst_CrashPayload::cutsFramesAndNamesArchitectures()
{
    QStringList lines;
    for (int i = 0; i < 65; ++i)
        lines << QString::number(i);
    QCOMPARE(CrashPayload::cutFrames(lines.mid(0, 64)), lines.mid(0, 64));
    QCOMPARE(CrashPayload::cutFrames(lines), lines.mid(0, 64));
    QCOMPARE(CrashPayload::archName(EM_AARCH64), std::optional(QStringLiteral("arm64")));
    QCOMPARE(CrashPayload::archName(EM_RISCV), std::optional<QString>());
}

QTEST_GUILESS_MAIN(tst_CrashPayload)
#include "tst_CrashPayload.moc"
