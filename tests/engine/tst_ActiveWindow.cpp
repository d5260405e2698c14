#include <QTest>

#include "engine/ActiveWindow.h"
#include "model/Streak.h"

using namespace halvex;

namespace {
const QTimeZone berlin("Europe/Berlin");
enum Day { sun = 1, mon, tue, wed, thu, fri, sat };
const int everyDay = 127;
} // namespace

class tst_ActiveWindow : public QObject {
    Q_OBJECT
private slots:
    void isStreakActive_data();
    void isStreakActive();
};

void tst_ActiveWindow::isStreakActive_data()
{
    QTest::addColumn<int>("start"); // -1: window disabled
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<bool>("expected");
    // March 2026 in Berlin; the 6th is a Friday.
    auto row = [](const char *name, int start, int end, int mask, int day, int h, int m, bool on) {
        QTest::newRow(name) << start << end << mask
                            << QDateTime(QDate(2026, 3, day), QTime(h, m), berlin) << on;
    };
    auto utcRow = [](const char *name, int start, int end, QDate day, int h, int m, bool on) {
        QTest::newRow(name) << start << end << everyDay
                            << QDateTime(day, QTime(h, m), QTimeZone::utc()) << on;
    };
    const int friday = int(weekdayMaskBit(fri));
    row("day 8:59", 540, 1080, everyDay, 6, 8, 59, false);
    row("day 9:00", 540, 1080, everyDay, 6, 9, 0, true);
    row("day 17:59", 540, 1080, everyDay, 6, 17, 59, true);
    row("day 18:00", 540, 1080, everyDay, 6, 18, 0, false);
    row("day, other weekday", 540, 1080, int(weekdayMaskBit(mon)), 6, 10, 0, false);
    row("overnight fri 22:00", 1320, 360, friday, 6, 22, 0, true);
    row("overnight fri 23:00", 1320, 360, friday, 6, 23, 0, true);
    row("overnight sat 02:00 is friday's", 1320, 360, friday, 7, 2, 0, true);
    row("overnight fri 02:00 is thursday's", 1320, 360, friday, 6, 2, 0, false);
    row("overnight sat 23:00", 1320, 360, friday, 7, 23, 0, false);
    row("overnight end exclusive", 1320, 360, everyDay, 7, 6, 0, false);
    row("overnight fri noon", 1320, 360, everyDay, 6, 12, 0, false);
    row("sun 01:00 is saturday's", 1320, 360, int(weekdayMaskBit(sat)), 8, 1, 0, true);
    row("sun 01:00 not sunday's", 1320, 360, int(weekdayMaskBit(sun)), 8, 1, 0, false);
    row("equal bounds, monday 03:00", 600, 600, int(weekdayMaskBit(mon)), 9, 3, 0, true);
    row("equal bounds, monday 23:59", 600, 600, int(weekdayMaskBit(mon)), 9, 23, 59, true);
    row("equal bounds, tuesday", 600, 600, int(weekdayMaskBit(mon)), 10, 3, 0, false);
    row("disabled ignores all", -1, 1080, 0, 7, 3, 0, true);
    row("mask 0 never", 0, 0, 0, 6, 12, 0, false);
    // 01:30 UTC on 29 March is 03:30 on the wall: the clocks skipped an hour.
    utcRow("after spring forward in", 210, 240, QDate(2026, 3, 29), 1, 30, true);
    utcRow("after spring forward out", 150, 180, QDate(2026, 3, 29), 1, 30, false);
    // 02:30 happens twice on 25 October; both are in the window.
    utcRow("fall back, first 02:30", 150, 160, QDate(2026, 10, 25), 0, 30, true);
    utcRow("fall back, second 02:30", 150, 160, QDate(2026, 10, 25), 1, 30, true);
    utcRow("zone decides the hour", 540, 1080, QDate(2026, 3, 6), 8, 30, true);
    QTest::newRow("zone decides the weekday") // Saturday 23:30 UTC is Sunday in Berlin
        << 0 << 0 << int(weekdayMaskBit(sun))
        << QDateTime(QDate(2026, 3, 7), QTime(23, 30), QTimeZone::utc()) << true;
}

void tst_ActiveWindow::isStreakActive()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, mask);
    QFETCH(QDateTime, at);
    QFETCH(bool, expected);

    Streak streak(QUuid::createUuid(), QStringLiteral("s"), StreakType::app, StrictnessMode::firm,
                  {}, {}, {QStringLiteral("code")}, at);
    streak.setActiveWindowEnabled(start >= 0);
    streak.setActiveWindowStartMinutes(std::max(start, 0));
    streak.setActiveWindowEndMinutes(end);
    streak.setActiveWeekdaysMask(mask);
    QCOMPARE(halvex::isStreakActive(streak, at, berlin), expected);
}

QTEST_GUILESS_MAIN(tst_ActiveWindow)
#include "tst_ActiveWindow.moc"
