#include <QPropertyAnimation>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/DisplayNumeral.h"
#include "ui/Motion.h"
#include "ui/Typography.h"

using namespace halvex;

class tst_DisplayNumeral : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }

    void textAndLabel_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("42") << 42 << "42";
        QTest::newRow("no grouping") << 12345 << "12345";
        QTest::newRow("negative") << -3 << "-3";
    }
    void textAndLabel()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        DisplayNumeral numeral(value);
        QCOMPARE(numeral.text(), text);
        QCOMPARE(numeral.accessibleName(), QString::number(value));
    }

    void widthDependsOnlyOnTheDigitCount()
    {
        DisplayNumeral numeral(10);
        const int two = numeral.sizeHint().width();
        for (int v : {11, 47, 88, 99}) {
            numeral.setValue(v);
            QCOMPARE(numeral.sizeHint().width(), two);
        }
        numeral.setValue(100);
        QVERIFY(numeral.sizeHint().width() > two);
    }

    void newValueRollsInWithTheGentleSpring()
    {
        auto *numeral = new DisplayNumeral(9, DisplayNumeral::Size::medium);
        testing::Backdrop window(numeral);
        const QImage nine = testing::render(&window);
        numeral->setValue(10);
        auto *roll = numeral->findChild<QPropertyAnimation *>();
        QVERIFY(roll);
        QVERIFY(roll->easingCurve().customType() == Motion::gentleSpring().curve.customType());
        QCOMPARE(roll->duration(), Motion::gentleSpring().durationMs);
        QVERIFY(testing::seek(numeral, "transition", 40));
        QVERIFY(numeral->transition() > 0.0 && numeral->transition() < 1.0);
        const QImage midway = testing::renderWidget(&window);
        QVERIFY(testing::seek(numeral, "transition", Motion::gentleSpring().durationMs));
        QCOMPARE(numeral->transition(), 1.0);
        const QImage ten = testing::renderWidget(&window);
        QVERIFY(midway != ten && midway != nine);
    }

    void reducedMotionShowsTheNewValueAtOnce()
    {
        Motion::setReduceMotion(true);
        DisplayNumeral numeral(3);
        numeral.setValue(4);
        QCOMPARE(numeral.transition(), 1.0);
        Motion::setReduceMotion(false);
    }
};

QTEST_MAIN(tst_DisplayNumeral)
#include "tst_DisplayNumeral.moc"
