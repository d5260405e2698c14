#include <limits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "kit/CrashJsonWriter.h"

using fennimar::CrashJsonWriter;

class tst_CrashJsonWriter : public QObject {
    Q_OBJECT
private slots:
    void writesStringsAsValidJson_data();
    void writesStringsAsValidJson();
    void writesNestedValues();
    void failsWhenFull();
};

void tst_CrashJsonWriter::writesStringsAsValidJson_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quotes and backslashes") << QByteArray("a\"b\\c") << QStringLiteral("a\"b\\c");
    QTest::newRow("control characters")
        << QByteArray("a\nb\tc\x01\x1f", 7) << QStringLiteral("a\nb\tc\x01\x1f");
    QTest::newRow("multi-byte UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                                    "e \xe6\x97\xa5 \xf0\x9f\x94\xa5")
                                      << QString::fromUtf8("Grüße 日 🔥");
    QTest::newRow("stray byte") << QByteArray("a\xff"
                                              "b")
                                << QString::fromUtf8("a\uFFFDb");
    QTest::newRow("cut sequence") << QByteArray("a\xe6\x97") << QString::fromUtf8("a\uFFFD\uFFFD");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80")
                               << QString::fromUtf8("\uFFFD\uFFFD\uFFFD");
    QTest::newRow("NUL inside") << QByteArray("a\0b", 3) << QStringView(u"a\0b", 3).toString();
}

void tst_CrashJsonWriter::writesStringsAsValidJson()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    char buffer[256];
    CrashJsonWriter json(buffer, sizeof buffer);
    json.beginArray();
    json.string(bytes.constData(), std::size_t(bytes.size()));
    json.endArray();
    QVERIFY(json.ok());
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), qsizetype(json.size())), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.array().first().toString(), expected);
}

void tst_CrashJsonWriter::writesNestedValues()
{
    char buffer[512];
    CrashJsonWriter json(buffer, sizeof buffer);
    json.beginObject();
    json.key("kind");
    json.string("signal");
    json.key("signal");
    json.number(-11);
    json.key("frames");
    json.beginArray();
    json.endArray();
    json.key("numbers");
    json.beginArray();
    json.number(std::numeric_limits<qint64>::min());
    json.unsignedNumber(0);
    json.unsignedNumber(0x7fffffffffffffffULL);
    json.endArray();
    json.key("inner");
    json.beginObject();
    json.key("a");
    json.number(1);
    json.endObject();
    json.endObject();
    QVERIFY(json.ok());
    QCOMPARE(QByteArray(json.data(), qsizetype(json.size())),
             QByteArray("{\"kind\":\"signal\",\"signal\":-11,\"frames\":[],\"numbers\":"
                        "[-9223372036854775808,0,9223372036854775807],\"inner\":{\"a\":1}}"));
}

void tst_CrashJsonWriter::failsWhenFull()
{
    char buffer[16];
    CrashJsonWriter json(buffer, sizeof buffer);
    json.beginObject();
    json.key("slug");
    json.string("a name longer than the buffer");
    json.endObject();
    QVERIFY(!json.ok());
    QVERIFY(json.size() <= sizeof buffer);
}

QTEST_GUILESS_MAIN(tst_CrashJsonWriter)
#include "tst_CrashJsonWriter.moc"
