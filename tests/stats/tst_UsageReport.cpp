#include <limits>

#include <QTest>

#include "StoreFixture.h"
#include "model/UsageSession.h"
#include "stats/UsageReport.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using testing::local;

namespace {

// A session of the fixture's streak `streak` (-1: none), begun at a Berlin
// wall-clock time; and one summary the fold should give.
struct Session {
    int streak;
    QDateTime start;
    double seconds;
    bool allowance = false;
};
struct Expected {
    int streak;
    double total;
    double unallowed;
    qint64 count;
    bool suggest;
};
using Sessions = std::vector<Session>;
using Expectations = std::vector<Expected>;
using Dismissals = std::vector<std::pair<int, QDateTime>>;

const QDateTime friday = local(3, 6, 10, 0);
constexpr auto today = UsageReportRange::today;
constexpr auto week = UsageReportRange::sevenDays;

void row(const char *name, UsageReportRange range, const QDateTime &now, const Sessions &sessions,
         const Expectations &expected, const Dismissals &dismissed = {})
{
    QTest::newRow(name) << range << now << sessions << dismissed << expected;
}

} // namespace

Q_DECLARE_METATYPE(Sessions)
Q_DECLARE_METATYPE(Expectations)
Q_DECLARE_METATYPE(Dismissals)
Q_DECLARE_METATYPE(UsageReportRange)

class tst_UsageReport : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;
    std::vector<std::shared_ptr<Streak>> m_streaks;

private slots:
    void initTestCase()
    {
        QVERIFY(m_translations.load("en"));
        for (const char *name : {"A", "B", "C"})
            m_streaks.push_back(std::make_shared<Streak>(
                QUuid::createUuid(), QString::fromLatin1(name), StreakType::app,
                StrictnessMode::firm, QStringList{}, QStringList{}, QStringList{"code"}, friday));
    }

    void intervalRunsFromLocalMidnight_data()
    {
        QTest::addColumn<UsageReportRange>("range");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("hours");
        QTest::newRow("today") << today << friday << local(3, 6, 0, 0) << 24;
        QTest::newRow("today, clocks forward")
            << today << local(3, 29, 12, 0) << local(3, 29, 0, 0) << 23;
        QTest::newRow("today, clocks back")
            << today << local(10, 25, 12, 0) << local(10, 25, 0, 0) << 25;
        QTest::newRow("seven days") << week << friday << local(2, 28, 0, 0) << 168;
        QTest::newRow("seven days, first day after clocks forward")
            << week << local(3, 30, 0, 30) << local(3, 24, 0, 0) << 167;
        QTest::newRow("seven days over clocks back")
            << week << local(10, 27, 23, 59) << local(10, 21, 0, 0) << 169;
    }
    void intervalRunsFromLocalMidnight()
    {
        QFETCH(UsageReportRange, range);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, start);
        QFETCH(int, hours);
        const UsageReportInterval span = interval(range, now, testing::berlin);
        QCOMPARE(span.start, start);
        QCOMPARE(span.start.secsTo(span.end), qint64(hours) * 3600);
        QCOMPARE(span.end.toTimeZone(testing::berlin).time(), QTime(0, 0));
    }

    void summaries_data()
    {
        QTest::addColumn<UsageReportRange>("range");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<Sessions>("sessions");
        QTest::addColumn<Dismissals>("dismissed");
        QTest::addColumn<Expectations>("expected");
        const Sessions lateYesterday{{0, local(3, 5, 23, 50), 1800}};
        const Sessions lateTonight{{0, local(3, 6, 23, 50), 1800}};
        const QDateTime afterMidnight = local(3, 7, 0, 10);
        const Sessions overToday{{0, friday.addSecs(-3600), 2400}};
        const Expectations overTodaySilent{{0, 2400, 2400, 1, false}};

        row("empty history", today, friday, {}, {});
        row("begun yesterday: not today", today, friday, lateYesterday, {});
        row("begun yesterday: whole in seven days", week, friday, lateYesterday,
            {{0, 1800, 1800, 1, false}});
        row("begun late tonight: whole today", today, friday, lateTonight,
            {{0, 1800, 1800, 1, true}});
        row("after midnight: not today", today, afterMidnight, lateTonight, {});
        row("after midnight: still in seven days", week, afterMidnight, lateTonight,
            {{0, 1800, 1800, 1, false}});
        row("both ends of the range count, before the start does not", week, friday,
            {{0, local(2, 28, 0, 0), 100},
             {0, local(3, 7, 0, 0), 10},
             {0, local(2, 27, 23, 59, 59), 1000}},
            {{0, 110, 110, 2, false}});
        row("clocks went forward today", today, local(3, 29, 12, 0),
            {{0, local(3, 29, 0, 30), 60}, {0, local(3, 28, 23, 59), 60}}, {{0, 60, 60, 1, false}});
        row("today: 1799 s past the panel, an hour allowed", today, friday,
            {{0, local(3, 6, 8, 0), 1799}, {0, local(3, 6, 9, 0), 3600, true}},
            {{0, 5399, 1799, 2, false}});
        row("today: 1800 s past the panel", today, friday,
            {{0, local(3, 6, 8, 0), 1800}, {0, local(3, 6, 9, 0), 3600, true}},
            {{0, 5400, 1800, 2, true}});
        row("seven days: 7199 s past the panel", week, friday,
            {{0, local(3, 2, 8, 0), 3600}, {0, local(3, 5, 8, 0), 3599}},
            {{0, 7199, 7199, 2, false}});
        row("seven days: 7200 s past the panel", week, friday,
            {{0, local(3, 2, 8, 0), 3600}, {0, local(3, 5, 8, 0), 3600}},
            {{0, 7200, 7200, 2, true}});
        row("only within the allowance: never suggested", today, friday,
            {{0, local(3, 6, 8, 0), 20000, true}}, {{0, 20000, 0, 1, false}});
        row("dismissed 23 h 59 min ago: silent", today, friday, overToday, overTodaySilent,
            {{0, friday.addSecs(-86340)}});
        row("dismissed 24 h ago: suggested again", today, friday, overToday,
            {{0, 2400, 2400, 1, true}}, {{0, friday.addSecs(-86400)}});
        row("dismissed in the future: silent", today, friday, overToday, overTodaySilent,
            {{0, friday.addSecs(600)}});
        row("a dismissal silences its own streak only, in seven days too", week, friday,
            {{0, local(3, 4, 8, 0), 8000}, {1, local(3, 3, 8, 0), 7300}},
            {{0, 8000, 8000, 1, false}, {1, 7300, 7300, 1, true}},
            {{0, friday.addSecs(-3600)}, {2, friday.addSecs(-3600)}});
        row("largest total first", today, friday,
            {{0, local(3, 6, 9, 0), 600}, {1, local(3, 6, 8, 0), 1200}},
            {{1, 1200, 1200, 1, false}, {0, 600, 600, 1, false}});
        row("equal totals keep the order they first appear in", today, friday,
            {{1, local(3, 6, 9, 0), 300},
             {2, local(3, 6, 8, 50), 100},
             {0, local(3, 6, 8, 40), 200},
             {0, local(3, 6, 8, 30), 100, true}},
            {{1, 300, 300, 1, false}, {0, 300, 200, 2, false}, {2, 100, 100, 1, false}});
        row("several streaks, sessions without one left out", week, friday,
            {{-1, local(3, 6, 9, 0), 9000},
             {2, local(3, 6, 8, 0), 7200},
             {0, local(3, 5, 8, 0), 1000, true},
             {2, local(3, 4, 8, 0), 60, true},
             {0, local(3, 1, 8, 0), 50}},
            {{2, 7260, 7200, 2, true}, {0, 1050, 50, 2, false}});
    }
    void summaries()
    {
        QFETCH(UsageReportRange, range);
        QFETCH(QDateTime, now);
        QFETCH(Sessions, sessions);
        QFETCH(Dismissals, dismissed);
        QFETCH(Expectations, expected);
        std::vector<std::shared_ptr<UsageSession>> records;
        for (const Session &s : sessions) {
            records.push_back(std::make_shared<UsageSession>(QUuid::createUuid(), s.start,
                                                             s.start.addSecs(qint64(s.seconds)),
                                                             s.seconds, QStringLiteral("app")));
            records.back()->setIsAllowance(s.allowance);
            if (s.streak >= 0)
                records.back()->setStreak(m_streaks[size_t(s.streak)]);
        }
        std::map<QUuid, QDateTime> map;
        for (const auto &[streak, at] : dismissed)
            map[m_streaks[size_t(streak)]->id()] = at;

        const auto result = summarizeUsage(records, range, map, now, testing::berlin);
        QCOMPARE(result.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const Expected &e = expected[i];
            const auto &streak = m_streaks[size_t(e.streak)];
            const UsageStreakSummary want{streak->id(), streak->name(), e.total,
                                          e.unallowed,  e.count,        e.suggest};
            QVERIFY2(result[i] == want,
                     qPrintable(u"at " + QString::number(i) + u": " + result[i].streakName));
        }
    }

    void streaksAreReadAsTheyAreNow()
    {
        testing::StoreFixture store;
        auto kept = store.addStreak();
        auto gone = store.addStreak();
        for (const auto &streak : {kept, gone}) {
            auto s = std::make_shared<UsageSession>(QUuid::createUuid(), store.now, store.now, 60.0,
                                                    QStringLiteral("app"));
            s->setStreak(streak);
            store.context().insert(s);
        }
        QVERIFY(store.save());
        const auto sessions = store.context().fetch<UsageSession>();
        QCOMPARE(sessions->size(), size_t(2));
        kept->setName("Renamed");
        store.context().remove(gone); // unsaved: its sessions in hand lose their streak

        const auto result = summarizeUsage(*sessions, today, {}, store.now, testing::berlin);
        QCOMPARE(result.size(), size_t(1));
        QCOMPARE(result[0].streakName, QString("Renamed"));
    }

    void durationText_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.4 s") << 0.4 << "0s";
        QTest::newRow("59.9 s") << 59.9 << "59s";
        QTest::newRow("60 s") << 60.0 << "1m";
        QTest::newRow("3599 s") << 3599.0 << "59m";
        QTest::newRow("3600 s") << 3600.0 << "1h 0m";
        QTest::newRow("3659 s") << 3659.0 << "1h 0m";
        QTest::newRow("7385 s") << 7385.0 << "2h 3m";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "0s";
        QTest::newRow("negative") << -5.0 << "0s";
    }
    void durationText()
    {
        QFETCH(double, seconds);
        QTEST(formatUsageDuration(seconds), "text");
    }
};

QTEST_GUILESS_MAIN(tst_UsageReport)
#include "tst_UsageReport.moc"
