#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ui/TimeInputField.h"

using namespace halvex;

class tst_TimeInputField : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void showsTheTimeOfDay_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("midnight") << 0 << "00:00";
        QTest::newRow("one minute before midnight") << 1439 << "23:59";
        QTest::newRow("half past one") << 90 << "01:30";
        QTest::newRow("07:05") << 425 << "07:05";
    }
    void showsTheTimeOfDay()
    {
        QFETCH(int, minutes);
        QFETCH(QString, shown);
        TimeInputField field(minutes, QStringLiteral("editor.activeFrom"));
        QCOMPARE(field.objectName(), QStringLiteral("editor.activeFrom"));
        QCOMPARE(field.text(), shown);
        QCOMPARE(field.minutes(), minutes);
    }

    void valuesOutsideTheDayAreRefused_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("taken");
        QTest::newRow("-1") << -1 << false;
        QTest::newRow("1440") << 1440 << false;
        QTest::newRow("5000") << 5000 << false;
        QTest::newRow("0") << 0 << true;
        QTest::newRow("1439") << 1439 << true;
    }
    void valuesOutsideTheDayAreRefused()
    {
        QFETCH(int, minutes);
        QFETCH(bool, taken);
        TimeInputField field(600);
        QSignalSpy changes(&field, &TimeInputField::minutesChanged);
        QCOMPARE(field.setMinutes(minutes), taken);
        QCOMPARE(field.minutes(), taken ? minutes : 600);
        QCOMPARE(changes.size(), taken ? 1 : 0);
        // Writing the same value again changes nothing.
        field.setMinutes(field.minutes());
        QCOMPARE(changes.size(), taken ? 1 : 0);
    }

    void typingATimeStoresItsMinutes()
    {
        TimeInputField field(0, QStringLiteral("editor.activeTo"));
        field.show();
        QApplication::setActiveWindow(&field);
        field.setFocus();
        QSignalSpy changes(&field, &TimeInputField::minutesChanged);
        field.setSelectedSection(QDateTimeEdit::HourSection);
        QTest::keyClicks(&field, QStringLiteral("07"));
        field.setSelectedSection(QDateTimeEdit::MinuteSection);
        QTest::keyClicks(&field, QStringLiteral("05"));
        QCOMPARE(field.minutes(), 425);
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().first().toInt(), 425);
    }
};

QTEST_MAIN(tst_TimeInputField)
#include "tst_TimeInputField.moc"
