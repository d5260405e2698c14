#include <QSignalSpy>
#include <QTest>

#include "FakeSystemSleep.h"
#include "engine/SleepWakeObserver.h"

using namespace halvex;

namespace {

QDateTime at(const QString &time)
{
    return QDateTime(QDate(2026, 3, 6), QTime::fromString(time, Qt::ISODateWithMs), Qt::UTC);
}

} // namespace

class tst_SleepWakeObserver : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { observer.reset(); }

    void announcementsGiveSleepTimeAndSecondsAsleep_data();
    void announcementsGiveSleepTimeAndSecondsAsleep();
    void sleepWaitsForTheWillSleepWork();
    void startsOnceStopsAndStartsAfresh();

private:
    testing::FakeSystemSleep system;
    QDateTime now;
    std::unique_ptr<SleepWakeObserver> observer;
};

void tst_SleepWakeObserver::init()
{
    system.subscribed = system.holdsDelay = false;
    system.calls.clear();
    now = at("10:00:00");
    observer = std::make_unique<SleepWakeObserver>(system, [this] { return now; });
}

void tst_SleepWakeObserver::announcementsGiveSleepTimeAndSecondsAsleep_data()
{
    // "S hh:mm:ss" announces sleep, "W hh:mm:ss" a wake, at that time.
    QTest::addColumn<QStringList>("announcements");
    QTest::addColumn<QStringList>("sleeps");
    QTest::addColumn<QList<double>>("wakes");
    QTest::newRow("sleep then wake") << QStringList{"S 10:00:00", "W 10:30:00"}
                                     << QStringList{"10:00:00"} << QList<double>{1800.0};
    QTest::newRow("wake before any sleep")
        << QStringList{"W 10:30:00"} << QStringList{} << QList<double>{};
    QTest::newRow("second wake sends nothing")
        << QStringList{"S 10:00:00", "W 10:00:01.500", "W 11:00:00"} << QStringList{"10:00:00"}
        << QList<double>{1.5};
    QTest::newRow("later sleep counts")
        << QStringList{"S 10:00:00", "S 10:10:00", "W 10:30:00"}
        << QStringList{"10:00:00", "10:10:00"} << QList<double>{1200.0};
}

void tst_SleepWakeObserver::announcementsGiveSleepTimeAndSecondsAsleep()
{
    QFETCH(QStringList, announcements);
    QFETCH(QStringList, sleeps);
    QFETCH(QList<double>, wakes);
    QSignalSpy willSleep(observer.get(), &SleepWakeObserver::willSleep);
    QSignalSpy didWake(observer.get(), &SleepWakeObserver::didWake);
    observer->start();
    for (const QString &a : announcements) {
        now = at(a.mid(2));
        a.startsWith(u'S') ? system.announceSleep() : system.announceWake();
    }
    QCOMPARE(willSleep.count(), sleeps.size());
    for (int i = 0; i < sleeps.size(); ++i)
        QCOMPARE(willSleep.at(i).at(0).toDateTime(), at(sleeps.at(i)));
    QCOMPARE(didWake.count(), wakes.size());
    for (int i = 0; i < wakes.size(); ++i)
        QCOMPARE(didWake.at(i).at(0).toDouble(), wakes.at(i));
}

void tst_SleepWakeObserver::sleepWaitsForTheWillSleepWork()
{
    // The receivers' work goes into the same log as the calls on the system.
    connect(observer.get(), &SleepWakeObserver::willSleep, this,
            [this] { system.calls << "close session"; });
    connect(observer.get(), &SleepWakeObserver::didWake, this, [this] { system.calls << "tick"; });
    observer->start();
    system.announceSleep();
    QVERIFY(!system.holdsDelay);
    system.announceWake();
    QVERIFY(system.holdsDelay);
    QCOMPARE(system.calls,
             (QStringList{"subscribe", "take", "close session", "release", "take", "tick"}));
}

void tst_SleepWakeObserver::startsOnceStopsAndStartsAfresh()
{
    QSignalSpy willSleep(observer.get(), &SleepWakeObserver::willSleep);
    QSignalSpy didWake(observer.get(), &SleepWakeObserver::didWake);
    observer->start();
    observer->start();
    system.announceSleep();
    QCOMPARE(willSleep.count(), 1);
    QCOMPARE(system.calls.count("subscribe"), 1);

    observer->stop();
    QVERIFY(!system.subscribed && !system.holdsDelay);
    system.announceWake();
    QCOMPARE(didWake.count(), 0);

    // The sleep seen before stop() is kept for the next wake.
    observer->start();
    QCOMPARE(system.calls.count("subscribe"), 2);
    QVERIFY(system.holdsDelay);
    now = at("10:05:00");
    system.announceWake();
    QCOMPARE(didWake.count(), 1);
    QCOMPARE(didWake.at(0).at(0).toDouble(), 300.0);

    observer.reset(); // releasing it stops it
    QVERIFY(!system.subscribed && !system.holdsDelay);
}

QTEST_GUILESS_MAIN(tst_SleepWakeObserver)
#include "tst_SleepWakeObserver.moc"
