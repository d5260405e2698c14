#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "FakeLaunchAtLoginBackend.h"
#include "FakeSystemSleep.h"
#include "StoreFixture.h"
#include "app/LifecycleManager.h"
#include "app/LoginItemManager.h"
#include "engine/SleepWakeObserver.h"
#include "engine/StreakEngine.h"
#include "engine/UsageSessionRecorder.h"
#include "model/AppSettings.h"
#include "model/BackupManager.h"

using namespace halvex;
using fennimar::LaunchAtLoginStatus;

namespace {

// The manager over the real engine, backups and recorder on an in-memory
// store, with the desktop's sleep and the hours both in the test's hands.
struct Rig {
    testing::StoreFixture f;
    QTemporaryDir backups;
    testing::ManualScheduler hours;
    testing::FakeSystemSleep sleep;
    testing::FakeLaunchAtLoginBackend loginItem;
    LoginItemManager loginItems{loginItem};
    StreakEngine engine{f.persistence, f.dayClock, nullptr, f.scheduler};
    BackupManager backupManager{f.persistence, StoreEnvironment{backups.path(), backups.path(), {}},
                                f.dayClock, backups.path()};
    SleepWakeObserver observer{sleep, [this] { return f.now; }};
    UsageSessionRecorder recorder{f.persistence, [this] { return f.now; }};
    int digests = 0;
    LifecycleManager manager{LifecycleManager::Services{engine, backupManager, observer, loginItems,
                                                        f.persistence, recorder,
                                                        [this] { ++digests; }, hours}};

    int count(const QString &table)
    {
        QSqlQuery q(f.persistence.container().database());
        return q.exec(u"SELECT COUNT(*) FROM \"" + table + u'"') && q.next() ? q.value(0).toInt()
                                                                             : -1;
    }
    // Backups taken, counted where each one is stamped.
    int backupsTaken = 0;
    QMetaObject::Connection stamps =
        QObject::connect(&f.context(), &ModelContext::recordChanged, &f.context(),
                         [this](Record *, const QString &field) {
                             if (field == u"lastBackupAt")
                                 ++backupsTaken;
                         });
};

} // namespace

class tst_LifecycleManager : public QObject {
    Q_OBJECT
private slots:
    void init() { rig = std::make_unique<Rig>(); }
    void cleanup() { rig.reset(); }

    void housekeeping_data();
    void housekeeping();
    void reconcilesTheLoginItemAtStart_data();
    void reconcilesTheLoginItemAtStart();

private:
    std::unique_ptr<Rig> rig;
};

void tst_LifecycleManager::housekeeping_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");

    // It is 10:00 on a Friday in Berlin; a session is open and a pause has run out.
    QTest::newRow("nothing in the first hour") << "wait=3599"
                                               << "backups=0 digests=0";
    QTest::newRow("the first round") << "wait=3600"
                                     << "backups=1 digests=1";
    QTest::newRow("one backup a day, the digest every hour") << "wait=3600 wait=3600 wait=3600"
                                                             << "backups=1 digests=3";
    QTest::newRow("the next day backs up again") << "wait=50400"
                                                 << "backups=2 digests=14";
    QTest::newRow("sleep ends the session") << "sleep"
                                            << "backups=0 digests=0 sessions=1";
    QTest::newRow("a wake ends the pause, backs up and refreshes the digest")
        << "sleep wake"
        << "backups=1 digests=1 sessions=1 pause ended";
    QTest::newRow("stopped, nothing happens") << "stop wait=7200 sleep wake"
                                              << "backups=0 digests=0";
    QTest::newRow("started twice, one round an hour") << "start wait=3600"
                                                      << "backups=1 digests=1";
    QTest::newRow("stopped and started again") << "stop start wait=3600 sleep wake"
                                               << "backups=1 digests=2 sessions=1 pause ended";
}

void tst_LifecycleManager::housekeeping()
{
    QFETCH(QString, steps);
    auto streak = rig->f.addStreak();
    streak->setIsPaused(true);
    streak->setPausedUntil(rig->f.now.addSecs(-60));
    QVERIFY(rig->f.save());
    rig->engine.reload();
    rig->recorder.begin(streak->id(), std::nullopt, QString("code"), TriggerSource::app, false,
                        {streak->id()});
    rig->f.now = rig->f.now.addSecs(60);

    rig->manager.start();
    for (const QString &step : steps.split(u' ')) {
        const QString verb = step.section(u'=', 0, 0);
        if (verb == u"wait") {
            for (int left = step.section(u'=', 1).toInt(); left > 0; left -= 60) {
                rig->f.now = rig->f.now.addSecs(std::min(60, left));
                rig->hours.advance(std::min(60, left));
            }
        } else if (verb == u"sleep") {
            rig->sleep.announceSleep();
        } else if (verb == u"wake") {
            rig->sleep.announceWake();
        } else if (verb == u"stop") {
            rig->manager.stop();
        } else if (verb == u"start") {
            rig->manager.start();
        }
    }

    QStringList seen{u"backups=" + QString::number(rig->backupsTaken),
                     u"digests=" + QString::number(rig->digests)};
    if (const int sessions = rig->count("UsageSession"))
        seen << u"sessions=" + QString::number(sessions);
    if (!streak->isPaused())
        seen << "pause ended";
    QTEST(seen.join(u' '), "expected");
}

void tst_LifecycleManager::reconcilesTheLoginItemAtStart_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<LaunchAtLoginStatus>("status");
    QTest::addColumn<bool>("expected");
    QTest::newRow("removed while we were not running")
        << true << LaunchAtLoginStatus::notRegistered << false;
    QTest::newRow("awaiting approval is not enabled")
        << true << LaunchAtLoginStatus::requiresApproval << false;
    QTest::newRow("added outside the application") << false << LaunchAtLoginStatus::enabled << true;
    QTest::newRow("in step") << true << LaunchAtLoginStatus::enabled << true;
}

void tst_LifecycleManager::reconcilesTheLoginItemAtStart()
{
    QFETCH(bool, stored);
    QFETCH(LaunchAtLoginStatus, status);
    AppSettings::fetchOrCreate(rig->f.context())->setLoginItemEnabled(stored);
    QVERIFY(rig->f.save());
    rig->loginItem.current = status;

    rig->manager.start();
    QTEST(AppSettings::fetchOrCreate(rig->f.context())->loginItemEnabled(), "expected");
    QVERIFY(!rig->f.context().hasChanges());
}

QTEST_GUILESS_MAIN(tst_LifecycleManager)

#include "tst_LifecycleManager.moc"
