#include <QGuiApplication>
#include <QTest>

#include "ManualScheduler.h"
#include "kit/PermissionRefreshDriver.h"

using fennimar::PermissionRefreshDriver;

namespace {

void activate()
{
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QCoreApplication::processEvents();
}

} // namespace

class tst_PermissionRefreshDriver : public QObject {
    Q_OBJECT
private slots:
    void refreshesWhileHeld_data();
    void refreshesWhileHeld();
    void refreshThatLetsGoStopsTheDriver();
};

void tst_PermissionRefreshDriver::refreshesWhileHeld_data()
{
    // Steps: "+" acquire, "-" release, "t" 2 s pass, "a" the application
    // becomes active. `refreshes` counts the refreshes after each step.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("refreshes");
    QTest::newRow("first hold refreshes at once, then every interval")
        << "+ttt" << QList<int>{1, 2, 3, 4};
    QTest::newRow("a second hold adds nothing") << "++t" << QList<int>{1, 1, 2};
    QTest::newRow("two holds, one release: still running") << "++-t" << QList<int>{1, 1, 1, 2};
    QTest::newRow("last release stops ticks and activations")
        << "++--tta" << QList<int>{1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("release while idle changes nothing") << "-+t" << QList<int>{0, 1, 2};
    QTest::newRow("activation while held refreshes once more") << "+aa" << QList<int>{1, 2, 3};
    QTest::newRow("activation while idle does nothing") << "a" << QList<int>{0};
    QTest::newRow("acquire again after stopping starts afresh")
        << "+-+t-t" << QList<int>{1, 1, 2, 3, 3, 3};
}

void tst_PermissionRefreshDriver::refreshesWhileHeld()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, refreshes);
    testing::ManualScheduler scheduler;
    int count = 0;
    PermissionRefreshDriver driver(
        2.0, [&] { ++count; }, scheduler);

    QList<int> seen;
    for (const QChar step : steps) {
        if (step == u'+')
            driver.acquire();
        else if (step == u'-')
            driver.release();
        else if (step == u't')
            scheduler.advance(2.0);
        else
            activate();
        seen << count;
    }
    QCOMPARE(seen, refreshes);
    QCOMPARE(driver.isActive(), driver.acquisitions() > 0);
    // One timer however many holders.
    QVERIFY(scheduler.pendingCount() <= 1);
    QCOMPARE(scheduler.pendingCount(), driver.isActive() ? 1 : 0);
}

void tst_PermissionRefreshDriver::refreshThatLetsGoStopsTheDriver()
{
    testing::ManualScheduler scheduler;
    int count = 0;
    std::unique_ptr<PermissionRefreshDriver> driver;
    driver = std::make_unique<PermissionRefreshDriver>(
        2.0,
        [&] {
            if (++count == 2)
                driver->release();
        },
        scheduler);
    driver->acquire();
    scheduler.advance(10.0);
    QCOMPARE(count, 2);
    QVERIFY(!driver->isActive());
    QCOMPARE(scheduler.pendingCount(), 0);
}

QTEST_MAIN(tst_PermissionRefreshDriver)
#include "tst_PermissionRefreshDriver.moc"
