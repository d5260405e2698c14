#include <QTest>

#include "LogCapture.h"
#include "NotificationFixture.h"
#include "app/MilestoneScheduler.h"
#include "engine/StreakEngine.h"

using halvex::MilestoneScheduler;
using Status = platform::NotificationAuthorizationStatus;

namespace {

constexpr qint64 day = 86400;
const QUuid someId = QUuid::fromString(QStringLiteral("1b4e28ba-2fa1-11d2-883f-0016d3cca427"));

struct Fixture : testing::NotificationFixture {
    MilestoneScheduler milestones{manager, clock(), sound()};

    // The days of the streak's pending milestone requests, in day order.
    QList<int> plannedDays(const QUuid &id) const
    {
        QList<int> days;
        for (const int d : MilestoneScheduler::milestoneDays) {
            if (pending(MilestoneScheduler::milestoneIdentifier(id, d)))
                days << d;
        }
        return days;
    }
    QList<int> plannedDays(const std::shared_ptr<halvex::Streak> &streak) const
    {
        return plannedDays(streak->id());
    }
};

} // namespace

class tst_MilestoneScheduler : public QObject {
    Q_OBJECT
private slots:
    void identifiers_data();
    void identifiers();
    void bounds_data();
    void bounds();
    void plansTheMilestonesAhead_data();
    void plansTheMilestonesAhead();
    void requestTexts();
    void plansOnlyWhenAuthorized_data();
    void plansOnlyWhenAuthorized();
    void followsResetAndDelete();
    void rescheduleAllPrunesOrphansFirst_data();
    void rescheduleAllPrunesOrphansFirst();
    void streakDeletedWhilePlanningGetsNoRequests_data();
    void streakDeletedWhilePlanningGetsNoRequests();
};

void tst_MilestoneScheduler::identifiers_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QUuid>("streakId"); // null: not a milestone of any streak

    const QString upper = QStringLiteral("1B4E28BA-2FA1-11D2-883F-0016D3CCA427");
    QTest::newRow("upper case") << u"halvex.milestone." + upper + u".14" << someId;
    QTest::newRow("lower case") << u"halvex.milestone." + upper.toLower() + u".7" << someId;
    QTest::newRow("weekly digest") << QStringLiteral("halvex.weeklyDigest") << QUuid();
    QTest::newRow("no day") << u"halvex.milestone." + upper << QUuid();
    QTest::newRow("braces") << u"halvex.milestone.{" + upper + u"}.7" << QUuid();
    QTest::newRow("not an id") << QStringLiteral("halvex.milestone.someone.7") << QUuid();
}

void tst_MilestoneScheduler::identifiers()
{
    QFETCH(QString, identifier);
    QFETCH(QUuid, streakId);

    QCOMPARE(MilestoneScheduler::milestoneIdentifier(someId, 14),
             QStringLiteral("halvex.milestone.1B4E28BA-2FA1-11D2-883F-0016D3CCA427.14"));
    QCOMPARE(MilestoneScheduler::streakId(identifier).value_or(QUuid()), streakId);
}

void tst_MilestoneScheduler::bounds_data()
{
    QTest::addColumn<qint64>("days");
    QTest::addColumn<int>("previous"); // -1: none
    QTest::addColumn<int>("next");

    QTest::newRow("-3") << qint64(-3) << 0 << 7;
    QTest::newRow("0") << qint64(0) << 0 << 7;
    QTest::newRow("6") << qint64(6) << 0 << 7;
    QTest::newRow("7") << qint64(7) << 7 << 14;
    QTest::newRow("29") << qint64(29) << 14 << 30;
    QTest::newRow("180") << qint64(180) << 180 << 365;
    QTest::newRow("364") << qint64(364) << 180 << 365;
    QTest::newRow("365") << qint64(365) << -1 << -1;
}

void tst_MilestoneScheduler::bounds()
{
    QFETCH(qint64, days);
    QFETCH(int, previous);
    QFETCH(int, next);

    const auto bounds = MilestoneScheduler::milestoneBounds(days);
    QCOMPARE(bounds.has_value(), previous >= 0);
    if (bounds) {
        QCOMPARE(bounds->previous, previous);
        QCOMPARE(bounds->next, next);
    }
}

void tst_MilestoneScheduler::plansTheMilestonesAhead_data()
{
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<bool>("notificationsEnabled");
    QTest::addColumn<QList<int>>("days");

    const QList<int> all{7, 14, 30, 60, 90, 180, 365};
    QTest::newRow("started now") << qint64(0) << true << all;
    // A clock set back behind the start: all seven, counted from the start.
    QTest::newRow("an hour ahead") << qint64(-3600) << true << all;
    QTest::newRow("seven days ago to the second") << 7 * day << true << all.mid(1);
    QTest::newRow("ten days ago") << 10 * day << true << all.mid(1);
    QTest::newRow("400 days ago") << 400 * day << true << QList<int>{};
    QTest::newRow("notifications off") << qint64(0) << false << QList<int>{};
}

void tst_MilestoneScheduler::plansTheMilestonesAhead()
{
    QFETCH(qint64, secondsAgo);
    QFETCH(bool, notificationsEnabled);
    QFETCH(QList<int>, days);

    Fixture f;
    const auto streak = f.addStreak(QStringLiteral("Social"), f.now.addSecs(-secondsAgo));
    streak->setNotificationsEnabled(notificationsEnabled);
    // Planned before: every one of its milestones, and another streak's.
    for (const int d : MilestoneScheduler::milestoneDays)
        f.addStale(MilestoneScheduler::milestoneIdentifier(streak->id(), d));
    const QString others = MilestoneScheduler::milestoneIdentifier(someId, 7);
    f.addStale(others);

    QVERIFY(testing::finishes(f.milestones.schedule(streak)));

    QCOMPARE(f.plannedDays(streak), days);
    for (const int d : days) {
        const auto *request = f.pending(MilestoneScheduler::milestoneIdentifier(streak->id(), d));
        // Elapsed seconds from the start, whatever the wall clock does.
        QCOMPARE(request->deliveryDate, streak->startedAt().addSecs(d * day));
        QVERIFY(request->title != u"stale");
        QVERIFY(request->playsSound);
    }
    QVERIFY(f.pending(others));
}

void tst_MilestoneScheduler::requestTexts()
{
    Fixture f;
    f.soundEnabled = false;
    const auto streak = f.addStreak(QStringLiteral("Social media"), f.now.addSecs(-20 * day));
    QVERIFY(testing::finishes(f.milestones.schedule(streak)));

    const auto *request = f.pending(MilestoneScheduler::milestoneIdentifier(streak->id(), 30));
    QVERIFY(request);
    QCOMPARE(request->title, QStringLiteral("30\u00a0days strong"));
    QCOMPARE(request->body, QStringLiteral("Social media reached a new milestone. Keep going!"));
    QVERIFY(!request->playsSound);
}

void tst_MilestoneScheduler::plansOnlyWhenAuthorized_data()
{
    QTest::addColumn<Status>("status");
    QTest::addColumn<bool>("plans");

    QTest::newRow("provisional") << Status::provisional << true;
    QTest::newRow("denied") << Status::denied << false;
    QTest::newRow("ephemeral") << Status::ephemeral << false;
}

void tst_MilestoneScheduler::plansOnlyWhenAuthorized()
{
    QFETCH(Status, status);
    QFETCH(bool, plans);

    Fixture f;
    f.center.status = status;
    const auto streak = f.addStreak(QStringLiteral("Social"), f.now.addSecs(-10 * day));
    // Turned off since the last plan: only an authorized plan removes them.
    streak->setNotificationsEnabled(false);
    const QString earlier = MilestoneScheduler::milestoneIdentifier(streak->id(), 14);
    f.addStale(earlier);

    QVERIFY(testing::finishes(f.milestones.schedule(streak)));
    QCOMPARE(f.pending(earlier) == nullptr, plans);
    QCOMPARE(f.center.removedIdentifiers.isEmpty(), !plans);
}

void tst_MilestoneScheduler::followsResetAndDelete()
{
    Fixture f;
    halvex::StreakEngine engine(f.persistence, f.dayClock, nullptr, f.scheduler);
    f.milestones.bind(engine);
    const auto streak = f.addStreak(QStringLiteral("Social"), f.now.addSecs(-10 * day));
    QVERIFY(f.save());
    engine.reload();
    QVERIFY(testing::finishes(f.milestones.schedule(streak)));
    QCOMPARE(f.plannedDays(streak).size(), 6);

    f.now = f.now.addSecs(3600);
    engine.resetStreak(streak->id());
    QTRY_COMPARE(f.plannedDays(streak).size(), 7);
    const auto *first = f.pending(MilestoneScheduler::milestoneIdentifier(streak->id(), 7));
    QCOMPARE(first->deliveryDate, f.now.addSecs(7 * day));

    // At once, in the deletion itself.
    QVERIFY(engine.deleteStreak(streak->id()));
    QVERIFY(f.plannedDays(streak).isEmpty());
}

void tst_MilestoneScheduler::rescheduleAllPrunesOrphansFirst_data()
{
    QTest::addColumn<bool>("keepLiving");
    QTest::addColumn<QString>("logged");

    // Pending: the living streak's one, the gone streak's two, the digest
    // and a milestone identifier whose id does not read.
    QTest::newRow("keeping the living streak") << true << "milestone prune: 5 pending, 2 orphaned";
    QTest::newRow("keeping nothing") << false << "milestone prune: 5 pending, 3 orphaned";
}

void tst_MilestoneScheduler::rescheduleAllPrunesOrphansFirst()
{
    QFETCH(bool, keepLiving);
    QFETCH(QString, logged);

    Fixture f;
    const auto living = f.addStreak(QStringLiteral("Social"), f.now);
    const QUuid gone = QUuid::createUuid();
    f.addStale(MilestoneScheduler::milestoneIdentifier(living->id(), 7));
    f.addStale(MilestoneScheduler::milestoneIdentifier(gone, 7));
    f.addStale(MilestoneScheduler::milestoneIdentifier(gone, 14).toLower());
    f.addStale(QStringLiteral("halvex.weeklyDigest"));
    f.addStale(QStringLiteral("halvex.milestone.unreadable.7"));

    testing::LogCapture log;
    const MilestoneScheduler::StreakList keep =
        keepLiving ? MilestoneScheduler::StreakList{living} : MilestoneScheduler::StreakList{};
    QVERIFY(testing::finishes(f.milestones.rescheduleAll(keep)));

    QVERIFY(log.contains(QStringLiteral("com.fennimar.halvex.app"), logged));
    QVERIFY(f.plannedDays(gone).isEmpty());
    QVERIFY(!f.pending(MilestoneScheduler::milestoneIdentifier(gone, 14).toLower()));
    QVERIFY(f.pending(QStringLiteral("halvex.weeklyDigest")));
    QVERIFY(f.pending(QStringLiteral("halvex.milestone.unreadable.7")));
    QCOMPARE(f.plannedDays(living).size(), keepLiving ? 7 : 0);
}

// A streak deleted while planning waits for the centre must not be left
// with requests: nothing would ever take them back.
void tst_MilestoneScheduler::streakDeletedWhilePlanningGetsNoRequests_data()
{
    QTest::addColumn<bool>("duringAnAdd"); // otherwise during the authorization read
    QTest::newRow("waiting for authorization") << false;
    QTest::newRow("waiting for an add") << true;
}

void tst_MilestoneScheduler::streakDeletedWhilePlanningGetsNoRequests()
{
    QFETCH(bool, duringAnAdd);

    Fixture f;
    const auto streak = f.addStreak(QStringLiteral("Social"), f.now);
    QVERIFY(f.save());
    f.center.holdStatusReads = !duringAnAdd;
    f.center.holdAdds = duringAnAdd;

    const QFuture<void> planned = f.milestones.schedule(streak);
    if (duringAnAdd)
        QTRY_COMPARE(f.center.pending.size(), 1);
    f.context().remove(streak);
    QVERIFY(f.save());
    f.center.answerStatusReads();
    f.center.answerAdds();

    QVERIFY(testing::finishes(planned));
    QVERIFY(f.plannedDays(streak).isEmpty());
}

QTEST_GUILESS_MAIN(tst_MilestoneScheduler)
#include "tst_MilestoneScheduler.moc"
