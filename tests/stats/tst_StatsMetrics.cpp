#include <QTest>

#include "StatsFixture.h"
#include "stats/StatsMetrics.h"

using namespace halvex;

namespace {

constexpr qint64 day = 86400;

struct Setup {
    QString name;
    qint64 age; // seconds since the start of its run
    qint64 bestDays = 0;
    qint64 pausedFor = 0; // seconds from now to the pause's end; 0 for none
};
using Setups = QList<Setup>;

} // namespace

Q_DECLARE_METATYPE(Setups)

class tst_StatsMetrics : public QObject {
    Q_OBJECT
private slots:
    void derivesFromTheEngine_data()
    {
        QTest::addColumn<Setups>("streaks");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("longest");
        QTest::addColumn<qint64>("scale");
        QTest::addColumn<QString>("milestone"); // "name target", empty for none

        QTest::newRow("no streaks") << Setups{} << 0LL << 0LL << 7LL << "";
        QTest::newRow("a second short of a day counts 0")
            << Setups{{"A", day - 1}} << 0LL << 0LL << 7LL << "A 7";
        QTest::newRow("exactly seven days")
            << Setups{{"A", 7 * day}} << 7LL << 7LL << 14LL << "A 14";
        QTest::newRow("a best run beats the current ones; a tie goes to the first")
            << Setups{{"A", 3 * day, 40}, {"B", 10 * day}} << 13LL << 40LL << 14LL << "A 7";
        QTest::newRow("a paused streak names no milestone")
            << Setups{{"A", 10 * day, 0, 60}, {"B", 20 * day}} << 30LL << 20LL << 30LL << "B 30";
        QTest::newRow("an ended pause no longer counts")
            << Setups{{"A", 10 * day, 0, -60}} << 10LL << 10LL << 14LL << "A 14";
        QTest::newRow("paused or past every milestone")
            << Setups{{"A", 5 * day, 0, 60}, {"B", 400 * day}} << 405LL << 400LL << 400LL << "";
        // A clock set back behind the start: day 0, the best untouched, and
        // the first milestone counted from the start.
        QTest::newRow("a start ahead counts 0")
            << Setups{{"A", -day - day / 2}} << 0LL << 0LL << 7LL << "A 7";
        QTest::newRow("an hour ahead keeps the best")
            << Setups{{"A", -3600, 5}, {"B", 2 * day}} << 2LL << 5LL << 7LL << "B 7";
    }
    void derivesFromTheEngine()
    {
        QFETCH(Setups, streaks);
        testing::StatsFixture f;
        std::shared_ptr<Streak> oldest;
        for (const Setup &s : streaks) {
            auto streak = f.streak(s.name, s.age);
            streak->setBestDays(s.bestDays);
            if (s.pausedFor != 0)
                streak->setPausedUntil(f.now.addSecs(s.pausedFor));
            if (!oldest || streak->createdAt() < oldest->createdAt())
                oldest = streak;
        }
        f.commit();

        const StatsMetrics m = StatsMetrics::compute(f.engine);
        QTEST(m.totalCleanDays, "total");
        QTEST(m.longestStreakDays, "longest");
        QTEST(m.barScaleDays, "scale");
        QCOMPARE(m.earliestStreakCreation,
                 oldest ? std::optional(oldest->createdAt()) : std::nullopt);
        QFETCH(QString, milestone);
        QCOMPARE(m.nextMilestone
                     ? m.nextMilestone->name + u' ' + QString::number(m.nextMilestone->target)
                     : QString(),
                 milestone);
        // The moment the named streak's run reaches the target.
        for (const auto &s : f.engine.streaks())
            if (m.nextMilestone && s->name() == m.nextMilestone->name)
                QCOMPARE(m.nextMilestone->date,
                         s->startedAt().addSecs(m.nextMilestone->target * day));
    }

    void stepBacksCountFromTheCutoff()
    {
        testing::StatsFixture f;
        // Friday 6 March, 10:00 in Berlin: the week starts at midnight of 27 February.
        const QDateTime cutoff = stepBackCutoff(f.now, testing::berlin);
        QCOMPARE(cutoff, testing::local(2, 27, 0, 0));
        f.event(cutoff);
        f.event(cutoff.addSecs(-1));
        f.event(cutoff.addSecs(60), nullptr, TriggerOutcome::openAnyway);
        f.event(f.now)->setOutcomeRaw(QString()); // undecided
        f.event(f.now);
        QVERIFY(f.save());
        QCOMPARE(*f.context().fetchCount(recentStepBacksFetch(cutoff)), 2);
    }
};

QTEST_GUILESS_MAIN(tst_StatsMetrics)
#include "tst_StatsMetrics.moc"
