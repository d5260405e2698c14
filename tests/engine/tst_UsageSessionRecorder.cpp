#include <QSignalSpy>
#include <QTest>

#include "LogCapture.h"
#include "StoreFixture.h"
#include "engine/NotificationHub.h"
#include "engine/UsageSessionRecorder.h"
#include "model/UsageSession.h"

using namespace halvex;
using namespace testing;

class tst_UsageSessionRecorder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void shortTriggerSessionsAreDropped_data();
    void shortTriggerSessionsAreDropped();
    void equalSessionIsKeptOtherIsCommitted();
    void rowsFollowTheChosenStreakThenUuidText();
    void staleSessions_data();
    void staleSessions();
    void failuresLeaveTheRecorderIdle();

private:
    void beginTrigger(const std::shared_ptr<Streak> &s, TriggerSource source = TriggerSource::app)
    {
        recorder->begin(s->id(), std::nullopt, QStringLiteral("code"), source, false, {s->id()});
    }
    std::vector<std::shared_ptr<UsageSession>> rows()
    {
        return f->context().fetch<UsageSession>().value();
    }
    std::unique_ptr<StoreFixture> f;
    std::unique_ptr<UsageSessionRecorder> recorder;
    std::unique_ptr<QSignalSpy> commits;
};

void tst_UsageSessionRecorder::init()
{
    recorder.reset();
    f = std::make_unique<StoreFixture>();
    recorder = std::make_unique<UsageSessionRecorder>(f->persistence, [this] { return f->now; });
    commits = std::make_unique<QSignalSpy>(&NotificationHub::shared(),
                                           &NotificationHub::didCommitSession);
}

void tst_UsageSessionRecorder::shortTriggerSessionsAreDropped_data()
{
    QTest::addColumn<bool>("isAllowance");
    QTest::addColumn<int>("msecs");
    QTest::addColumn<double>("duration"); // -1: no row
    QTest::newRow("trigger 2.9 s") << false << 2900 << -1.0;
    QTest::newRow("trigger 3.0 s") << false << 3000 << 3.0;
    QTest::newRow("allowance 0.5 s") << true << 500 << 0.5;
    QTest::newRow("allowance, clock set back") << true << -600000 << 0.0;
}

void tst_UsageSessionRecorder::shortTriggerSessionsAreDropped()
{
    QFETCH(bool, isAllowance);
    QFETCH(int, msecs);
    QFETCH(double, duration);
    auto s = f->addStreak();
    QVERIFY(f->save());
    const QDateTime start = f->now;
    recorder->begin(s->id(), QStringLiteral("x.com"), std::nullopt, TriggerSource::url, isAllowance,
                    {s->id()});
    QCOMPARE(recorder->openAllowance().has_value(), isAllowance);
    f->now = f->now.addMSecs(msecs);
    recorder->closeOpen();
    recorder->closeOpen(); // nothing open: nothing more

    QVERIFY(!recorder->open());
    const auto written = rows();
    QCOMPARE(commits->count(), int(written.size()));
    QCOMPARE(written.size(), size_t(duration < 0 ? 0 : 1));
    if (duration >= 0) {
        QCOMPARE(written[0]->durationSec(), duration);
        QCOMPARE(written[0]->endedAt(), std::max(f->now, start));
        QVERIFY(written[0]->isAllowance() == isAllowance && !written[0]->matchedBundleId());
        QCOMPARE(written[0]->matchedDomain(), std::optional(QStringLiteral("x.com")));
        QCOMPARE(written[0]->triggerSourceRaw(), QStringLiteral("url"));
    }
}

void tst_UsageSessionRecorder::equalSessionIsKeptOtherIsCommitted()
{
    auto s = f->addStreak();
    QVERIFY(f->save());
    const QDateTime start = f->now;
    recorder->begin(s->id(), {}, QStringLiteral("code"), TriggerSource::url, true, {s->id()});
    f->now = start.addSecs(30);
    recorder->begin(s->id(), {}, QStringLiteral("code"), TriggerSource::app, true, {s->id()});
    QCOMPARE(recorder->open()->startedAt, start);
    QCOMPARE(recorder->open()->source, TriggerSource::url);
    QCOMPARE(recorder->openAllowance()->startedAt, start);
    QVERIFY(rows().empty());

    beginTrigger(s); // the same target, now past its allowance
    QVERIFY(!recorder->open()->isAllowance && !recorder->openAllowance());
    QCOMPARE(recorder->open()->startedAt, f->now);
    QCOMPARE(rows().size(), size_t(1));
    QCOMPARE(rows()[0]->durationSec(), 30.0);
    QCOMPARE(commits->count(), 1);
}

void tst_UsageSessionRecorder::rowsFollowTheChosenStreakThenUuidText()
{
    auto a = f->addStreak(QUuid("{ffffffff-0000-0000-0000-000000000000}"));
    auto c = f->addStreak(QUuid("{c0000000-0000-0000-0000-000000000000}"));
    auto b = f->addStreak(QUuid("{9fffffff-0000-0000-0000-000000000000}"));
    auto gone = f->addStreak(QUuid("{00000000-0000-0000-0000-00000000000a}"));
    QVERIFY(f->save());
    std::vector<QUuid> inserted;
    connect(&f->context(), &ModelContext::recordInserted, this, [&](Record *r) {
        if (auto *session = dynamic_cast<UsageSession *>(r))
            inserted.push_back(session->streakId());
    });
    recorder->begin(a->id(), {}, {}, TriggerSource::url, true,
                    {c->id(), a->id(), gone->id(), b->id()});
    f->context().remove(gone); // deleted while the session ran: skipped
    QVERIFY(f->save());
    f->now = f->now.addSecs(90);
    recorder->closeOpen();

    QCOMPARE(inserted, (std::vector<QUuid>{a->id(), b->id(), c->id()}));
    for (const auto &row : rows()) {
        QCOMPARE(row->startedAt(), local(3, 6, 10, 0));
        QCOMPARE(row->endedAt(), f->now);
        QCOMPARE(row->durationSec(), 90.0);
    }
    QCOMPARE(commits->count(), 1);
}

void tst_UsageSessionRecorder::staleSessions_data()
{
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("committed");
    QTest::newRow("just under 8 h") << 28799 << false;
    QTest::newRow("exactly 8 h") << 28800 << true;
    QTest::newRow("found after 9 h") << 32400 << true;
}

void tst_UsageSessionRecorder::staleSessions()
{
    QFETCH(int, after);
    QFETCH(bool, committed);
    auto s = f->addStreak();
    QVERIFY(f->save());
    beginTrigger(s);
    f->now = f->now.addSecs(after);
    beginTrigger(s); // the equal session is met again

    QCOMPARE(rows().size(), size_t(committed));
    QCOMPARE(recorder->open().has_value(), !committed); // not reopened by that call
    if (committed)
        QCOMPARE(rows()[0]->durationSec(), double(after)); // not cut back to 8 h
}

void tst_UsageSessionRecorder::failuresLeaveTheRecorderIdle()
{
    auto s = f->addStreak();
    auto gone = f->addStreak();
    QVERIFY(f->save());
    testing::LogCapture log;
    const QString usage = QStringLiteral("com.fennimar.halvex.usage");
    beginTrigger(gone);
    f->context().remove(gone);
    f->now = f->now.addSecs(5);
    recorder->closeOpen();
    QCOMPARE(log.messages(usage), QStringList{"usage session commit: streak not found"});
    QVERIFY(!recorder->open() && f->save());

    log.clear();
    QVERIFY(f->failInsertsInto(QStringLiteral("UsageSession")));
    beginTrigger(s);
    f->now = f->now.addSecs(10);
    recorder->closeOpen();
    const QStringList lines = log.messages(usage);
    QVERIFY(lines.size() == 1 && lines[0].startsWith(u"usage session save failed: disk is full"));
    QVERIFY(!recorder->open());
    QCOMPARE(commits->count(), 0);
    QVERIFY(f->context().hasChanges()); // the row waits for a later save
}

QTEST_GUILESS_MAIN(tst_UsageSessionRecorder)
#include "tst_UsageSessionRecorder.moc"
