#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include "LogCapture.h"
#include "StoreFixture.h"
#include "engine/StreakEngine.h"
#include "model/AppSettings.h"
#include "model/BypassUsage.h"
#include "model/Tombstone.h"
#include "model/UsageSession.h"
#include "model/WhyAnswer.h"

using namespace halvex;
using namespace testing;

namespace {

// Fails writes of a kind ("INSERT", "UPDATE", "DELETE") to a table; empty: stops failing.
void failWrites(StoreFixture &f, const QString &kind = {}, const QString &table = {})
{
    QSqlQuery q(f.persistence.container().database());
    q.exec(QStringLiteral("DROP TRIGGER IF EXISTS fail"));
    if (!kind.isEmpty())
        QVERIFY(q.exec(u"CREATE TEMP TRIGGER fail BEFORE " + kind + u" ON " + table +
                       u" BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
}

// Rows in the store itself, unsaved changes not counted.
int storedRows(StoreFixture &f, const QString &table)
{
    QSqlQuery q(f.persistence.container().database());
    return q.exec(u"SELECT COUNT(*) FROM " + table) && q.next() ? q.value(0).toInt() : -1;
}

std::shared_ptr<TriggerEvent> addEvent(StoreFixture &f, const std::shared_ptr<Streak> &s,
                                       int minutesAgo)
{
    auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), f.now.addSecs(-60 * minutesAgo),
                                            TriggerSource::app, std::nullopt, "code");
    e->setStreak(s);
    f.context().insert(e);
    return e;
}

QStringList persistenceLog(const testing::LogCapture &log)
{
    return log.messages("com.fennimar.halvex.persistence");
}

} // namespace

class tst_StreakEngine : public QObject {
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<StoreFixture>(); }
    void cleanup() { m_engine.reset(), f.reset(); }

    void daysCountsWholePeriods_data();
    void daysCountsWholePeriods();
    void recordOutcomeStoresResendsAndActs_data();
    void recordOutcomeStoresResendsAndActs();
    void resetWritesTombstoneAndRestarts_data();
    void resetWritesTombstoneAndRestarts();
    void deleteHandsOnThePrimary_data();
    void deleteHandsOnThePrimary();
    void failedDeleteKeepsTheStreakWhole();
    void tickEndsExpiredPauses_data();
    void tickEndsExpiredPauses();
    void allowanceRemaining_data();
    void allowanceRemaining();

private:
    // Built on first use, after the test has filled the store.
    StreakEngine &engine()
    {
        if (!m_engine)
            m_engine =
                std::make_unique<StreakEngine>(f->persistence, f->dayClock, nullptr, f->scheduler);
        return *m_engine;
    }
    // Streaks A, B, C by sortOrder (inserted out of order), A the primary.
    std::vector<std::shared_ptr<Streak>> addThree()
    {
        std::vector<std::shared_ptr<Streak>> out(3);
        for (int order : {2, 0, 1}) {
            out[order] = f->addStreak();
            out[order]->setSortOrder(order);
        }
        out[0]->setIsPrimary(true);
        return out;
    }

    std::unique_ptr<StoreFixture> f;
    std::unique_ptr<StreakEngine> m_engine;
};

void tst_StreakEngine::daysCountsWholePeriods_data()
{
    QTest::addColumn<QDateTime>("startedAt");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint64>("days");
    const QDateTime noon = local(3, 6, 12, 0);
    QTest::newRow("86,399 s") << noon.addSecs(-86399) << noon << qint64(0);
    QTest::newRow("86,400 s") << noon.addSecs(-86400) << noon << qint64(1);
    // A start ahead of now (a clock set back) is day 0 until the clock passes it.
    QTest::newRow("1 s ahead") << noon.addSecs(1) << noon << qint64(0);
    QTest::newRow("an hour ahead") << noon.addSecs(3600) << noon << qint64(0);
    QTest::newRow("1 day 1 s ahead") << noon.addSecs(86401) << noon << qint64(0);
    QTest::newRow("23:00 to 08:00") << local(3, 5, 23, 0) << local(3, 6, 8, 0) << qint64(0);
    // 29 March lasts 23 hours in Berlin.
    QTest::newRow("spring change") << local(3, 28, 12, 0) << local(3, 29, 12, 0) << qint64(0);
}

void tst_StreakEngine::daysCountsWholePeriods()
{
    QFETCH(QDateTime, startedAt);
    QFETCH(QDateTime, now);
    QFETCH(qint64, days);
    auto s = f->addStreak();
    s->setStartedAt(startedAt);
    f->now = now;
    QCOMPARE(engine().days(*s), days);
}

void tst_StreakEngine::recordOutcomeStoresResendsAndActs_data()
{
    QTest::addColumn<TriggerOutcome>("outcome");
    QTest::addColumn<bool>("linked");
    QTest::addColumn<QString>("usage"); // the BypassUsage row written
    QTest::addColumn<int>("reloads");   // a reset reloads too
    QTest::newRow("stepBack") << TriggerOutcome::stepBack << true << "" << 0;
    QTest::newRow("pause") << TriggerOutcome::pause << true << "pauseOneHour" << 1;
    QTest::newRow("pass") << TriggerOutcome::bypassFreePass << true << "dailyFreePass" << 0;
    QTest::newRow("link") << TriggerOutcome::bypassExternalLink << true << "externalLink" << 0;
    QTest::newRow("openAnyway") << TriggerOutcome::openAnyway << true << "" << 1;
    QTest::newRow("no streak") << TriggerOutcome::openAnyway << false << "" << 0;
}

void tst_StreakEngine::recordOutcomeStoresResendsAndActs()
{
    QFETCH(TriggerOutcome, outcome);
    QFETCH(bool, linked);
    QFETCH(QString, usage);
    QFETCH(int, reloads);
    auto s = f->addStreak();
    auto event = addEvent(*f, linked ? s : nullptr, 0);
    QVERIFY(f->save());
    QSignalSpy triggers(&engine(), &StreakEngine::triggerSubject);
    QSignalSpy reloaded(&engine(), &StreakEngine::streaksChanged);

    engine().recordOutcome(event, outcome);

    QCOMPARE(event->outcomeRaw(), raw(outcome));
    QVERIFY(!f->context().hasChanges());
    QCOMPARE(triggers.count(), 1);
    QCOMPARE(triggers.at(0).at(0).value<std::shared_ptr<TriggerEvent>>(), event);
    QStringList kinds;
    for (const auto &u : f->context().fetch<BypassUsage>().value())
        kinds << u->kindRaw();
    QCOMPARE(kinds, usage.isEmpty() ? QStringList() : QStringList{usage});
    QCOMPARE(s->isPaused(), usage == u"pauseOneHour");
    QCOMPARE(s->tombstones().size(), size_t(linked && outcome == TriggerOutcome::openAnyway));
    QCOMPARE(reloaded.count(), reloads);
}

void tst_StreakEngine::resetWritesTombstoneAndRestarts_data()
{
    QTest::addColumn<qint64>("startedAgo"); // seconds
    QTest::addColumn<qint64>("runDays");    // the tombstone's
    QTest::addColumn<qint64>("best");
    QTest::addColumn<qint64>("bestAfter");
    // "<event fired>:<answer created>:<text>", minutes before now.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("last"); // empty: none
    QTest::addColumn<bool>("saveFails");
    const qint64 threeDays = 3 * 86400 + 7200;
    QTest::newRow("best kept") << threeDays << qint64(3) << qint64(10) << qint64(10)
                               << QStringList{} << "" << false;
    QTest::newRow("run beats best") << threeDays << qint64(3) << qint64(2) << qint64(3)
                                    << QStringList{"9:8: bored\n"} << " bored\n"
                                    << false;
    // The newest answer belongs to the oldest event.
    QTest::newRow("newest answer wins")
        << threeDays << qint64(3) << qint64(0) << qint64(3)
        << QStringList{"90:1:late", "30:29:a", "10:9:b"} << "late" << false;
    QTest::newRow("save fails") << threeDays << qint64(3) << qint64(0) << qint64(3) << QStringList{}
                                << "" << true;
    // Reset while the clock is set back an hour behind the start: a 0-day run.
    QTest::newRow("start an hour ahead, best kept")
        << qint64(-3600) << qint64(0) << qint64(4) << qint64(4) << QStringList{} << "" << false;
    QTest::newRow("start an hour ahead, no best")
        << qint64(-3600) << qint64(0) << qint64(0) << qint64(0) << QStringList{} << "" << false;
}

void tst_StreakEngine::resetWritesTombstoneAndRestarts()
{
    QFETCH(qint64, startedAgo);
    QFETCH(qint64, best);
    QFETCH(qint64, bestAfter);
    QFETCH(QStringList, answers);
    QFETCH(QString, last);
    QFETCH(bool, saveFails);
    auto s = f->addStreak();
    const QDateTime started = f->now.addSecs(-startedAgo);
    s->setStartedAt(started);
    s->setBestDays(best);
    s->setModeRaw("Strict"); // goes to the tombstone as stored
    s->setIsPaused(true);
    s->setPausedUntil(f->now.addSecs(1800));
    addEvent(*f, s, 1); // unanswered
    for (const QString &a : answers) {
        const QStringList p = a.split(u':');
        auto why = std::make_shared<WhyAnswer>(QUuid::createUuid(), p[2],
                                               f->now.addSecs(-60 * p[1].toInt()));
        f->context().insert(why);
        why->setTriggerEvent(addEvent(*f, s, p[0].toInt()));
    }
    QVERIFY(f->save());
    engine();
    if (saveFails)
        failWrites(*f, "INSERT", "Tombstone");
    QStringList order;
    connect(&engine(), &StreakEngine::resetSubject, this, [&](const std::shared_ptr<Streak> &r) {
        order << (r == s && r->startedAt() == f->now ? "restarted streak" : "other");
    });
    connect(&engine(), &StreakEngine::streaksChanged, this, [&] { order << "reload"; });
    testing::LogCapture log;

    engine().resetStreak(s->id());
    engine().resetStreak(QUuid::createUuid()); // unknown: nothing

    QCOMPARE(order, (QStringList{"restarted streak", "reload"}));
    QCOMPARE(s->tombstones().size(), size_t(1));
    const auto t = s->tombstones().front();
    QTEST(t->days(), "runDays");
    QCOMPARE(t->startedAt(), started);
    QCOMPARE(t->brokenAt(), f->now);
    QCOMPARE(t->modeAtBreak(), "Strict");
    QCOMPARE(t->lastWhyAnswer(), last.isEmpty() ? std::nullopt : std::optional(last));
    QCOMPARE(s->bestDays(), bestAfter);
    QCOMPARE(s->updatedAt(), f->now);
    QVERIFY(s->isPaused()); // the pause outlives the break
    QCOMPARE(f->context().hasChanges(), saveFails);
    QCOMPARE(persistenceLog(log).size(), saveFails ? 1 : 0);
    if (saveFails)
        QVERIFY(persistenceLog(log).front().startsWith("resetStreak save failed: disk is full"));
}

void tst_StreakEngine::deleteHandsOnThePrimary_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("victim");
    QTest::addColumn<int>("primaryAfter"); // -1: none
    QTest::newRow("primary of three") << 3 << 0 << 1;
    QTest::newRow("non-primary") << 3 << 2 << 0;
    QTest::newRow("the last streak") << 1 << 0 << -1;
}

void tst_StreakEngine::deleteHandsOnThePrimary()
{
    QFETCH(int, count);
    QFETCH(int, victim);
    QFETCH(int, primaryAfter);
    auto s = addThree();
    for (; int(s.size()) > count; s.pop_back())
        f->context().remove(s.back());
    addEvent(*f, s[victim], 0);
    const auto settings = AppSettings::fetchOrCreate(f->context());
    settings->setPrimaryStreakId(s[0]->id());
    QVERIFY(f->save());
    const QUuid id = s[victim]->id();
    const auto expected = primaryAfter < 0 ? std::nullopt : std::optional(s[primaryAfter]->id());
    QStringList order;
    connect(&engine(), &StreakEngine::deleteSubject, this, [&](const QUuid &deleted) {
        // Before the fallback flags another streak and before the reload.
        const bool onlyOldPrimary =
            std::none_of(s.begin() + 1, s.end(), [](auto &x) { return x->isPrimary(); });
        order << (deleted == id && onlyOldPrimary && engine().streaks().size() == s.size()
                      ? "delete"
                      : "?");
    });
    connect(&engine(), &StreakEngine::streaksChanged, this, [&] { order << "reload"; });

    QVERIFY(engine().deleteStreak(id));
    QVERIFY(!engine().deleteStreak(id));

    QCOMPARE(order, (QStringList{"delete", "reload"}));
    QCOMPARE(engine().streaks().size(), size_t(count - 1));
    QCOMPARE(storedRows(*f, "Streak"), count - 1);
    QCOMPARE(storedRows(*f, "TriggerEvent"), 0);
    QCOMPARE(engine().primaryStreakId(), expected);
    QCOMPARE(settings->primaryStreakId(), victim == 0 ? expected : s[0]->id());
    QVERIFY(!f->context().hasChanges());
}

void tst_StreakEngine::failedDeleteKeepsTheStreakWhole()
{
    const auto s = addThree();
    addEvent(*f, s[0], 0);
    QVERIFY(f->save());
    failWrites(*f, "DELETE", "Streak");
    QSignalSpy deletions(&engine(), &StreakEngine::deleteSubject);
    QSignalSpy reloaded(&engine(), &StreakEngine::streaksChanged);
    testing::LogCapture log;

    QVERIFY(!engine().deleteStreak(s[0]->id()));

    QCOMPARE(persistenceLog(log).size(), 1);
    QVERIFY(persistenceLog(log).front().startsWith("deleteStreak save failed: disk is full"));
    QCOMPARE(deletions.count() + reloaded.count(), 0);
    QVERIFY(!s[0]->isDeleted());
    QCOMPARE(s[0]->triggerEvents().size(), size_t(1));
    QCOMPARE(engine().streaks(), s);
    // The minute tick's save, once the store writes again, carries nothing of it.
    failWrites(*f);
    engine().tick();
    QCOMPARE(storedRows(*f, "Streak"), 3);
    QCOMPARE(storedRows(*f, "TriggerEvent"), 1);
    QVERIFY(engine().deleteStreak(s[0]->id())); // a retry goes through whole
    QCOMPARE(engine().primaryStreakId(), s[1]->id());
}

void tst_StreakEngine::tickEndsExpiredPauses_data()
{
    QTest::addColumn<int>("endFromNow"); // seconds; INT_MIN: no end
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("pausedAfter");
    QTest::newRow("end is now") << 0 << false << false;
    QTest::newRow("end 1 s ahead") << 1 << false << true;
    QTest::newRow("no end") << INT_MIN << false << true;
    QTest::newRow("save fails") << -60 << true << false;
}

void tst_StreakEngine::tickEndsExpiredPauses()
{
    QFETCH(int, endFromNow);
    QFETCH(bool, saveFails);
    QFETCH(bool, pausedAfter);
    auto s = f->addStreak();
    s->setIsPaused(true);
    if (endFromNow != INT_MIN)
        s->setPausedUntil(f->now.addSecs(endFromNow));
    QVERIFY(f->save());
    if (saveFails)
        failWrites(*f, "UPDATE", "Streak");
    QSignalSpy willChange(&engine(), &StreakEngine::objectWillChange);
    testing::LogCapture log;

    // The engine's own minute timer, on the test's scheduler.
    f->scheduler.advance(StreakEngine::tickIntervalSeconds);

    QCOMPARE(s->isPaused(), pausedAfter);
    QCOMPARE(engine().pausedUntilIfActive(*s), pausedAfter ? s->pausedUntil() : std::nullopt);
    QCOMPARE(willChange.count(), 1);
    QCOMPARE(f->context().hasChanges(), saveFails);
    QCOMPARE(persistenceLog(log).size(), saveFails ? 1 : 0);
    m_engine.reset();
    QCOMPARE(f->scheduler.pendingCount(), 0); // the timer dies with the engine
}

void tst_StreakEngine::allowanceRemaining_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QDateTime>("from"); // a committed allowance session
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<int>("openFor");      // seconds of an open session covering the streak
    QTest::addColumn<double>("remaining"); // -1: none
    QTest::addColumn<QString>("movedTo");  // the system's new zone, if it changes
    const QDateTime nine = local(3, 6, 9, 0);
    QTest::newRow("off") << false << nine << nine << 0 << -1.0 << "";
    QTest::newRow("1,000 s of 900") << true << nine << nine.addSecs(1000) << 0 << 0.0 << "";
    // Today begins at the clock zone's midnight, not UTC's.
    QTest::newRow("from midnight")
        << true << local(3, 5, 23, 50) << local(3, 6, 0, 10) << 0 << 300.0 << "";
    QTest::newRow("open session") << true << nine << nine.addSecs(300) << 240 << 360.0 << "";
    // At 18:00 in Tokyo the whole session lies in today.
    QTest::newRow("the zone moves east")
        << true << local(3, 5, 23, 55) << local(3, 6, 0, 5) << 0 << 300.0 << "Asia/Tokyo";
}

void tst_StreakEngine::allowanceRemaining()
{
    QFETCH(bool, enabled);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(int, openFor);
    QFETCH(double, remaining);
    QFETCH(QString, movedTo);
    auto s = f->addStreak();
    s->setAllowanceEnabled(enabled);
    auto row =
        std::make_shared<UsageSession>(QUuid::createUuid(), from, to, from.secsTo(to), "app");
    row->setIsAllowance(true);
    row->setStreak(s);
    f->context().insert(row);
    QVERIFY(f->save());
    const OpenAllowance open{{s->id()}, f->now.addSecs(-openFor)};
    if (openFor > 0)
        engine().setOpenAllowanceProvider([open] { return std::optional(open); });
    QSignalSpy zoneChanged(&engine(), &StreakEngine::timeZoneChanged);
    QSignalSpy willChange(&engine(), &StreakEngine::objectWillChange);
    if (!movedTo.isEmpty())
        f->zone.setZone(QTimeZone(movedTo.toUtf8()));
    // What shows today's allowance hears of the new zone.
    QCOMPARE(zoneChanged.size(), willChange.size());
    QCOMPARE(zoneChanged.size(), movedTo.isEmpty() ? 0 : 1);
    QCOMPARE(engine().allowanceRemainingSeconds(*s),
             remaining < 0 ? std::nullopt : std::optional(remaining));
}

QTEST_GUILESS_MAIN(tst_StreakEngine)
#include "tst_StreakEngine.moc"
