#include <QGuiApplication>
#include <QTest>
#include <QThread>

#include "kit/AppActiveRefreshObserver.h"

using fennimar::AppActiveRefreshObserver;

class tst_AppActiveRefreshObserver : public QObject {
    Q_OBJECT
private slots:
    void runsOncePerActivationAfterTheNotification_data();
    void runsOncePerActivationAfterTheNotification();
    void releasedObserverDropsPendingAndLaterCalls();

private:
    static void announce(Qt::ApplicationState state)
    {
        emit qGuiApp->applicationStateChanged(state);
    }
};

void tst_AppActiveRefreshObserver::runsOncePerActivationAfterTheNotification_data()
{
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<int>("expectedCalls");
    QTest::newRow("one activation") << QList<int>{Qt::ApplicationActive} << 1;
    QTest::newRow("two in quick succession")
        << QList<int>{Qt::ApplicationActive, Qt::ApplicationActive} << 2;
    QTest::newRow("going inactive or hidden is no activation")
        << QList<int>{Qt::ApplicationInactive, Qt::ApplicationHidden, Qt::ApplicationSuspended}
        << 0;
    QTest::newRow("back and forth")
        << QList<int>{Qt::ApplicationActive, Qt::ApplicationInactive, Qt::ApplicationActive} << 2;
}

void tst_AppActiveRefreshObserver::runsOncePerActivationAfterTheNotification()
{
    QFETCH(QList<int>, states);
    QFETCH(int, expectedCalls);
    int calls = 0;
    bool onMainThread = true;
    AppActiveRefreshObserver observer([&] {
        ++calls;
        onMainThread = onMainThread && QThread::currentThread() == qGuiApp->thread();
    });
    QVERIFY(observer.isRegistered());

    for (int state : states)
        announce(Qt::ApplicationState(state));
    // Never inside the notification itself.
    QCOMPARE(calls, 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(calls, expectedCalls);
    QVERIFY(onMainThread);
}

void tst_AppActiveRefreshObserver::releasedObserverDropsPendingAndLaterCalls()
{
    int calls = 0;
    auto observer = std::make_unique<AppActiveRefreshObserver>([&] { ++calls; });
    announce(Qt::ApplicationActive);
    observer.reset();
    QCoreApplication::sendPostedEvents();
    announce(Qt::ApplicationActive);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(calls, 0);
}

QTEST_MAIN(tst_AppActiveRefreshObserver)
#include "tst_AppActiveRefreshObserver.moc"
