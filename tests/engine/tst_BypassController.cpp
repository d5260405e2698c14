#include <QTest>

#include "LogCapture.h"
#include "StoreFixture.h"
#include "engine/BypassController.h"
#include "model/BypassUsage.h"
#include "model/TriggerEvent.h"

using namespace halvex;
using namespace testing;

class tst_BypassController : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pauseLastsAnHourAndEndsItself();
    void endPauseIfExpired_data();
    void endPauseIfExpired();
    void secondPauseOutlastsTheFirstAutoResume();
    void freePassOncePerCalendarDay_data();
    void freePassOncePerCalendarDay();
    void openAnywayCountsOnlyTodaysOfThisStreak();
    void failedSaveReportsFalseAndArmsNothing();

private:
    std::vector<std::shared_ptr<BypassUsage>> usages()
    {
        return f->context()
            .fetch<BypassUsage>(FetchDescriptor<BypassUsage>({}, {{"usedAt"}}))
            .value();
    }
    std::unique_ptr<StoreFixture> f;
    std::unique_ptr<BypassController> bypass;
};

void tst_BypassController::init()
{
    bypass.reset();
    f = std::make_unique<StoreFixture>();
    bypass = std::make_unique<BypassController>(f->persistence, f->dayClock, berlin, f->scheduler);
}

void tst_BypassController::pauseLastsAnHourAndEndsItself()
{
    auto s = f->addStreak();
    QVERIFY(f->save());
    QVERIFY(bypass->pauseOneHour(s->id()));
    QVERIFY(s->isPaused() && !f->context().hasChanges());
    QCOMPARE(s->pausedUntil(), std::optional(local(3, 6, 11, 0)));
    QCOMPARE(usages().size(), size_t(1));
    QCOMPARE(usages()[0]->kindRaw(), QStringLiteral("pauseOneHour"));
    QCOMPARE(usages()[0]->usedAt(), local(3, 6, 10, 0));
    QCOMPARE(usages()[0]->expiresAt(), std::optional(local(3, 6, 11, 0)));
    QCOMPARE(f->scheduler.requestedDelays(), std::vector<double>{3600.0});

    f->now = local(3, 6, 11, 0);
    f->scheduler.advance(3600);
    QVERIFY(!s->isPaused() && !s->pausedUntil() && !f->context().hasChanges());
    QCOMPARE(s->updatedAt(), local(3, 6, 10, 0));
    f->now = local(3, 6, 12, 0);
    QVERIFY(bypass->resume(s->id())); // not paused: saved all the same, and an edit
    QCOMPARE(s->updatedAt(), local(3, 6, 12, 0));
}

void tst_BypassController::endPauseIfExpired_data()
{
    QTest::addColumn<bool>("paused");
    QTest::addColumn<bool>("hasEnd");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("pausedAfter");
    QTest::newRow("one second early") << true << true << local(3, 6, 10, 59, 59) << true;
    QTest::newRow("at the end") << true << true << local(3, 6, 11, 0) << false;
    QTest::newRow("without end lasts") << true << false << local(3, 9, 8, 0) << true;
    QTest::newRow("not paused") << false << true << local(3, 9, 8, 0) << false;
}

void tst_BypassController::endPauseIfExpired()
{
    QFETCH(bool, paused);
    QFETCH(bool, hasEnd);
    QFETCH(QDateTime, now);
    QFETCH(bool, pausedAfter);
    auto s = f->addStreak();
    s->setIsPaused(paused);
    if (hasEnd)
        s->setPausedUntil(local(3, 6, 11, 0));
    QVERIFY(f->save());
    f->now = now;
    bypass->endPauseIfExpired(*s);
    QCOMPARE(s->isPaused(), pausedAfter);
    QCOMPARE(s->pausedUntil().has_value(), hasEnd && paused == pausedAfter);
    QCOMPARE(f->context().hasChanges(), paused != pausedAfter); // the caller saves
}

void tst_BypassController::secondPauseOutlastsTheFirstAutoResume()
{
    auto s = f->addStreak();
    auto deleted = f->addStreak();
    QVERIFY(f->save());
    QVERIFY(bypass->pauseOneHour(s->id()) && bypass->pauseOneHour(deleted->id()));
    f->context().remove(deleted); // its auto-resume finds nothing
    f->now = local(3, 6, 10, 30);
    f->scheduler.advance(1800);
    QVERIFY(bypass->pauseOneHour(s->id()));
    f->now = local(3, 6, 11, 0);
    f->scheduler.advance(1800);
    QVERIFY(s->isPaused());
    f->now = local(3, 6, 11, 30);
    f->scheduler.advance(1800);
    QVERIFY(!s->isPaused());

    QVERIFY(bypass->pauseOneHour(s->id()));
    bypass.reset(); // nor does one whose controller is gone
    f->now = local(3, 6, 13, 0);
    f->scheduler.advance(3600);
    QVERIFY(s->isPaused());
}

void tst_BypassController::freePassOncePerCalendarDay_data()
{
    QTest::addColumn<QDateTime>("usedAt"); // invalid: none used
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("available");
    QTest::newRow("none used") << QDateTime() << local(3, 6, 10, 0) << true;
    QTest::newRow("yesterday 23:59") << local(3, 5, 23, 59) << local(3, 6, 10, 0) << true;
    QTest::newRow("today 00:00") << local(3, 6, 0, 0) << local(3, 6, 23, 59, 59) << false;
    QTest::newRow("next midnight") << local(3, 6, 0, 0) << local(3, 7, 0, 0) << true;
    // 29 March has 23 hours, 25 October 25: today ends at the next midnight.
    QTest::newRow("short day") << local(3, 30, 0, 30) << local(3, 29, 23, 30) << true;
    QTest::newRow("long day, late") << local(10, 25, 23, 20) << local(10, 25, 23, 10) << false;
    QTest::newRow("long day, early") << local(10, 25, 0, 10) << local(10, 25, 23, 50) << false;
}

void tst_BypassController::freePassOncePerCalendarDay()
{
    QFETCH(QDateTime, usedAt);
    QFETCH(QDateTime, now);
    QFETCH(bool, available);
    auto s = f->addStreak();
    auto other = f->addStreak();
    QVERIFY(f->save());
    f->now = usedAt.isValid() ? usedAt : now;
    if (usedAt.isValid())
        QVERIFY(bypass->useFreePass(s->id()));
    QVERIFY(bypass->useFreePass(other->id())); // another streak's pass never counts
    QVERIFY(bypass->useExternalLink(s->id())); // nor does another kind
    f->now = now;
    QCOMPARE(bypass->canUseFreePass(s->id()), available);
    s->setAllowDailyFreePass(false);
    QVERIFY(!bypass->canUseFreePass(s->id()));
}

void tst_BypassController::openAnywayCountsOnlyTodaysOfThisStreak()
{
    auto s = f->addStreak();
    auto other = f->addStreak();
    auto event = [&](const std::shared_ptr<Streak> &streak, const QDateTime &at,
                     const char *outcome) {
        auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), at, TriggerSource::app,
                                                std::nullopt, QStringLiteral("code"));
        e->setOutcomeRaw(QString::fromLatin1(outcome));
        e->setStreak(streak);
        f->context().insert(e);
    };
    event(s, local(3, 6, 0, 0), "openAnyway");
    event(s, local(3, 6, 9, 0), "");
    event(s, local(3, 6, 9, 1), "stepBack");
    event(s, local(3, 5, 23, 59), "openAnyway");
    event(other, local(3, 6, 9, 0), "openAnyway");
    QVERIFY(f->save());
    event(s, local(3, 6, 9, 30), "openAnyway"); // unsaved events count too
    QCOMPARE(bypass->openAnywayCountToday(s->id()), 2);
    QCOMPARE(bypass->openAnywayCountToday(other->id()), 1);
    f->now = local(3, 7, 0, 0);
    QCOMPARE(bypass->openAnywayCountToday(s->id()), 0);
}

void tst_BypassController::failedSaveReportsFalseAndArmsNothing()
{
    auto s = f->addStreak();
    QVERIFY(f->save());
    QVERIFY(f->failInsertsInto(QStringLiteral("BypassUsage")));
    testing::LogCapture log;
    QVERIFY(!bypass->pauseOneHour(s->id()));
    QVERIFY(!bypass->useExternalLink(s->id()));
    const QStringList lines = log.messages(QStringLiteral("com.fennimar.halvex.persistence"));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(u"pauseOneHour save failed: disk is full"));
    QVERIFY(lines[1].startsWith(u"useExternalLink save failed: disk is full"));
    // Nothing is rolled back, and an unsaved pause arms no auto-resume.
    QVERIFY(s->isPaused() && f->context().hasChanges());
    QCOMPARE(usages().size(), size_t(2));
    QCOMPARE(f->scheduler.pendingCount(), 0);
}

QTEST_GUILESS_MAIN(tst_BypassController)
#include "tst_BypassController.moc"
