#include <QFontInfo>
#include <QTest>

#include "ui/Typography.h"

using namespace halvex;

class tst_Typography : public QObject {
    Q_OBJECT

private slots:
    void bodyFontsDifferOnlyInWeight()
    {
        QFont medium = Typography::body13Medium();
        medium.setWeight(Typography::body13().weight());
        QCOMPARE(medium, Typography::body13());
        QCOMPARE(&Typography::body13(), &Typography::body13()); // one shared value
    }

    void captionFontsDifferOnlyInDesign()
    {
        const QFont &plain = Typography::caption11();
        const QFont &mono = Typography::caption11Mono();
        QCOMPARE(mono.pixelSize(), plain.pixelSize());
        QCOMPARE(mono.weight(), plain.weight());
        QVERIFY(QFontInfo(mono).fixedPitch());
        QVERIFY(!QFontInfo(plain).fixedPitch());
    }
};

QTEST_MAIN(tst_Typography)
#include "tst_Typography.moc"
