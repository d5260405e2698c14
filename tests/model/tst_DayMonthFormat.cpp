#include <QTest>

#include "StoreFixture.h"
#include "model/DayMonthFormat.h"

using namespace halvex;

class tst_DayMonthFormat : public QObject {
    Q_OBJECT
private slots:
    void dayAndMonthInTheLocalesOrder_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text"); // of 14 March 2026
        QTest::newRow("en") << "en"
                            << "MMMM d"
                            << "March 14";
        QTest::newRow("tr") << "tr"
                            << "d MMMM"
                            << "14 Mart";
        QTest::newRow("de: the ordinal dot stays") << "de"
                                                   << "d. MMMM"
                                                   << "14. März";
        QTest::newRow("es: the quoted word between stays") << "es"
                                                           << "d 'de' MMMM"
                                                           << "14 de marzo";
        QTest::newRow("fr") << "fr"
                            << "d MMMM"
                            << "14 mars";
        QTest::newRow("ja: suffixes stay with their fields") << "ja"
                                                             << "M月d日"
                                                             << "3月14日";
        QTest::newRow("en_GB") << "en_GB"
                               << "d MMMM"
                               << "14 March";
        QTest::newRow("ko") << "ko"
                            << "M월 d일"
                            << "3월 14일";
    }
    void dayAndMonthInTheLocalesOrder()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        QTEST(DayMonthFormat::dayMonthPattern(l), "pattern");
        // 23:30 UTC is already the 14th in Berlin.
        const QDateTime instant(QDate(2026, 3, 13), QTime(23, 30), Qt::UTC);
        QTEST(DayMonthFormat::dayMonth(instant, testing::berlin, l), "text");
    }

    void weekdayWithinSixDays_data()
    {
        QTest::addColumn<qint64>("ahead");
        QTest::addColumn<QString>("text");
        const qint64 day = 86400;
        // From Friday 6 March, 10:00 in Berlin.
        QTest::newRow("today") << 0LL << "Friday";
        QTest::newRow("five days and 23 hours") << 5 * day + 23 * 3600 << "Thursday";
        QTest::newRow("a second short of six days") << 6 * day - 1 << "Thursday";
        QTest::newRow("six days") << 6 * day << "March 12";
        QTest::newRow("a month") << 30 * day << "April 5";
    }
    void weekdayWithinSixDays()
    {
        QFETCH(qint64, ahead);
        const QDateTime now = testing::local(3, 6, 10, 0);
        QTEST(DayMonthFormat::milestoneDate(now.addSecs(ahead), now, testing::berlin,
                                            QLocale(QLocale::English)),
              "text");
    }
};

QTEST_GUILESS_MAIN(tst_DayMonthFormat)
#include "tst_DayMonthFormat.moc"
