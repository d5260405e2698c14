#include <QTest>

#include "kit/AppVersion.h"

using fennimar::AppVersion;

class tst_AppVersion : public QObject {
    Q_OBJECT
private slots:
    void normalize_data();
    void normalize();
};

void tst_AppVersion::normalize_data()
{
    QTest::addColumn<QVariant>("version"); // QString, or nothing
    QTest::addColumn<QString>("expected");

    const auto text = [](const QString &s) { return QVariant(s); };
    QTest::newRow("missing") << QVariant() << "1.0.0";
    QTest::newRow("empty") << text("") << "1.0.0";
    QTest::newRow("only dots") << text("...") << "1.0.0";
    QTest::newRow("one number") << text("2") << "2.0.0";
    QTest::newRow("blanks around") << text(" 1.2 ") << "1.2.0";
    QTest::newRow("tab and no-break space") << text(u"\t1.2\u00a0"_qs) << "1.2.0";
    QTest::newRow("line break kept") << text("1.2\n") << "1.2.0";
    QTest::newRow("leading line break") << text("\n1.2") << "1.0.0";
    QTest::newRow("four pieces") << text("10.15.7.1") << "10.15.7";
    QTest::newRow("empty piece skipped") << text("1..2") << "1.2.0";
    QTest::newRow("letters after digits") << text("1.2b.3") << "1.2.3";
    QTest::newRow("letters only in the middle") << text("1.x.3") << "1.0.3";
    QTest::newRow("letter first") << text("v1.2") << "1.0.0";
    QTest::newRow("leading zeros") << text("007.01") << "7.1.0";
    QTest::newRow("digits of another script") << text(u"\u0661.2"_qs) << "0.2.0";
    QTest::newRow("too large") << text("99999999999999999999.1") << "0.1.0";
}

void tst_AppVersion::normalize()
{
    QFETCH(QVariant, version);
    QFETCH(QString, expected);

    const auto value = version.isValid() ? std::optional(version.toString()) : std::nullopt;
    QCOMPARE(AppVersion::normalize(value), expected);
}

QTEST_GUILESS_MAIN(tst_AppVersion)
#include "tst_AppVersion.moc"
