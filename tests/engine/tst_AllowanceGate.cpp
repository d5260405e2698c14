#include <QTest>

#include "StoreFixture.h"
#include "engine/AllowanceGate.h"
#include "model/UsageSession.h"

using namespace halvex;
using namespace testing;

class tst_AllowanceGate : public QObject {
    Q_OBJECT
private slots:
    void init();
    void usedSecondsToday_data();
    void usedSecondsToday();
    void smallestRemainderArmsTheTimerAndThenFires();
    void blocked_data();
    void blocked();
    void allowanceComesBackAfterMidnight();

private:
    std::shared_ptr<Streak> streak(int minutes) // -1: no allowance
    {
        auto s = f->addStreak();
        s->setAllowanceEnabled(minutes >= 0);
        s->setAllowanceMinutes(std::max(minutes, 0));
        return s;
    }
    void addSession(const std::shared_ptr<Streak> &s, const QDateTime &from, const QDateTime &to,
                    bool isAllowance = true)
    {
        auto row = std::make_shared<UsageSession>(QUuid::createUuid(), from, to, from.secsTo(to),
                                                  QStringLiteral("app"));
        row->setIsAllowance(isAllowance);
        row->setStreak(s);
        f->context().insert(row);
    }
    std::shared_ptr<Streak> evaluate(const std::vector<std::shared_ptr<Streak>> &candidates,
                                     const std::shared_ptr<Streak> &winner)
    {
        return gate->evaluate(candidates, winner, {TriggerSource::app, std::nullopt, "code"},
                              f->now);
    }

    std::unique_ptr<StoreFixture> f;
    std::unique_ptr<UsageSessionRecorder> recorder;
    std::unique_ptr<AllowanceGate> gate;
    int expiries = 0;
};

void tst_AllowanceGate::init()
{
    gate.reset();
    recorder.reset();
    f = std::make_unique<StoreFixture>();
    recorder = std::make_unique<UsageSessionRecorder>(f->persistence, [this] { return f->now; });
    gate = std::make_unique<AllowanceGate>(
        f->persistence, *recorder, berlin, [this] { ++expiries; }, f->scheduler);
    expiries = 0;
}

void tst_AllowanceGate::usedSecondsToday_data()
{
    QTest::addColumn<QDateTime>("from"); // invalid: no committed session
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<int>("kind");            // 0 allowance, 1 trigger session, 2 another streak's
    QTest::addColumn<QDateTime>("openSince"); // invalid: none open
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<double>("used");
    auto row = [](const char *name, QDateTime from, QDateTime to, int kind, QDateTime open,
                  QDateTime now, double used) {
        QTest::newRow(name) << from << to << kind << open << now << used;
    };
    const QDateTime none, noon = local(3, 6, 12, 0);
    row("across midnight", local(3, 5, 23, 50), local(3, 6, 0, 10), 0, none, noon, 600);
    row("yesterday", local(3, 5, 22, 0), local(3, 5, 23, 0), 0, none, noon, 0);
    row("trigger session", local(3, 6, 9, 0), local(3, 6, 10, 0), 1, none, noon, 0);
    row("other streak", local(3, 6, 9, 0), local(3, 6, 9, 5), 2, none, noon, 0);
    row("open since yesterday", none, none, 0, local(3, 5, 23, 50), local(3, 6, 0, 30), 1800);
    row("open for other streak", none, none, 2, local(3, 6, 11, 0), noon, 0);
    row("committed and open", local(3, 6, 9, 0), local(3, 6, 9, 5), 0, local(3, 6, 11, 58), noon,
        420);
    row("cut at now", local(3, 6, 11, 50), local(3, 6, 12, 30), 0, none, noon, 600);
    // The clocks skip 02:00-03:00: 2.5 real hours lie between midnight and 03:30.
    row("spring forward", local(3, 28, 23, 30), local(3, 29, 3, 30), 0, none, local(3, 29, 12, 0),
        9000);
}

void tst_AllowanceGate::usedSecondsToday()
{
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(int, kind);
    QFETCH(QDateTime, openSince);
    QFETCH(QDateTime, now);
    QFETCH(double, used);
    auto s = streak(15);
    auto other = streak(15);
    if (from.isValid())
        addSession(kind == 2 ? other : s, from, to, kind != 1);
    QVERIFY(f->save());
    std::optional<OpenAllowance> open;
    if (openSince.isValid())
        open = OpenAllowance{kind == 2 ? QSet{other->id()} : QSet{other->id(), s->id()}, openSince};
    QCOMPARE(halvex::usedSecondsToday(s->id(), f->context(), open, now, berlin), used);
}

void tst_AllowanceGate::smallestRemainderArmsTheTimerAndThenFires()
{
    auto a = streak(10);
    auto b = streak(3);
    QVERIFY(f->save());
    QVERIFY(!evaluate({a, b}, a));
    QCOMPARE(recorder->open()->streakId, a->id());
    QCOMPARE(recorder->openAllowance()->streakIds, (QSet<QUuid>{a->id(), b->id()}));
    // A minute later the same visit keeps its session, and so its expiry moment.
    f->now = f->now.addSecs(60);
    f->scheduler.advance(60);
    QVERIFY(!evaluate({a, b}, a));
    QCOMPARE(recorder->open()->startedAt, local(3, 6, 10, 0));
    QCOMPARE(f->scheduler.requestedDelays(), (std::vector<double>{180.5, 120.5}));
    QCOMPARE(f->scheduler.pendingCount(), 1);

    f->now = f->now.addMSecs(120500);
    f->scheduler.advance(120.5);
    QCOMPARE(expiries, 1);
    QVERIFY(!gate->timer());
    // The watcher evaluates again: B is used up, A is not, so B fires and the
    // allowance time so far is committed for both.
    QCOMPARE(evaluate({a, b}, a), b);
    QVERIFY(!recorder->open());
    const auto rows = f->context().fetch<UsageSession>().value();
    QCOMPARE(rows.size(), size_t(2));
    QVERIFY(rows[0]->isAllowance() && rows[1]->isAllowance());
    QCOMPARE(rows[0]->durationSec(), 180.5);
}

void tst_AllowanceGate::blocked_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("usedSeconds");
    QTest::addColumn<bool>("otherFires");
    QTest::newRow("no allowance") << -1 << 0 << false;
    QTest::newRow("zero minutes") << 0 << 0 << false;
    QTest::newRow("exactly used up") << 1 << 60 << false;
    QTest::newRow("overdrawn") << 15 << 1000 << false;
    QTest::newRow("loser without allowance fires") << 15 << 0 << true;
}

void tst_AllowanceGate::blocked()
{
    QFETCH(int, minutes);
    QFETCH(int, usedSeconds);
    QFETCH(bool, otherFires);
    auto winner = streak(minutes);
    auto other = streak(otherFires ? -1 : minutes);
    for (const auto &s : {winner, other}) {
        if (usedSeconds > 0)
            addSession(s, f->now.addSecs(-usedSeconds), f->now);
    }
    QVERIFY(f->save());
    // An open allowance session of these streaks is committed before the trigger.
    recorder->begin(winner->id(), {}, QStringLiteral("code"), TriggerSource::app, true,
                    {winner->id(), other->id()});

    QCOMPARE(evaluate({other, winner}, winner), otherFires ? other : winner);
    QVERIFY(!recorder->open());
    QCOMPARE(f->scheduler.pendingCount(), 0);
}

void tst_AllowanceGate::allowanceComesBackAfterMidnight()
{
    auto s = streak(15);
    QVERIFY(f->save());
    f->now = local(3, 6, 23, 0);
    QVERIFY(!evaluate({s}, s));
    f->now = local(3, 6, 23, 15, 1);
    f->scheduler.advance(901);
    QCOMPARE(expiries, 1);
    QCOMPARE(evaluate({s}, s), s);
    f->now = local(3, 6, 23, 59, 59);
    QCOMPARE(evaluate({s}, s), s);

    f->now = local(3, 7, 0, 0);
    QVERIFY(!evaluate({s}, s));
    QCOMPARE(f->scheduler.requestedDelays().back(), 900.5);
    gate->invalidateTimer();
    f->scheduler.advance(1000);
    QVERIFY(!evaluate({s}, s));
    gate.reset(); // neither an invalidated timer nor a gate that is gone calls back
    f->scheduler.advance(1000);
    QCOMPARE(expiries, 1);
}

QTEST_GUILESS_MAIN(tst_AllowanceGate)
#include "tst_AllowanceGate.moc"
