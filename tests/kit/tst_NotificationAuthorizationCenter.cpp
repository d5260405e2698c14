#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "FakeUserNotificationCenter.h"
#include "ManualScheduler.h"
#include "kit/NotificationAuthorizationCenter.h"
#include "kit/NotificationDisplayState.h"
#include "kit/SystemNotificationAuthorizationProbe.h"

using fennimar::NotificationAuthorizationCenter;
using fennimar::NotificationDisplayState;
using Status = platform::NotificationAuthorizationStatus;
using Option = platform::NotificationAuthorizationOption;

Q_DECLARE_METATYPE(Status)
Q_DECLARE_METATYPE(NotificationDisplayState)

namespace {

// Lets every hop through the event loop happen; the clock stays put.
void drain()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

// A centre over a fake desktop, on a clock the test moves.
struct Fixture {
    explicit Fixture(bool refreshNow = false, bool refreshOnForeground = false)
    {
        NotificationAuthorizationCenter::Configuration configuration;
        configuration.probe =
            std::make_shared<fennimar::SystemNotificationAuthorizationProbe>(desktop);
        configuration.refreshNow = refreshNow;
        configuration.refreshOnForeground = refreshOnForeground;
        configuration.scheduler = &scheduler;
        center = std::make_unique<NotificationAuthorizationCenter>(std::move(configuration));
    }

    testing::FakeUserNotificationCenter desktop;
    testing::ManualScheduler scheduler;
    std::unique_ptr<NotificationAuthorizationCenter> center;
};

} // namespace

class tst_NotificationAuthorizationCenter : public QObject {
    Q_OBJECT
private slots:
    void readsOnlyWhenAskedAndAnnouncesOnlyChanges();
    void timedRequest_data();
    void timedRequest();
    void concurrentRequestsAskTheDesktopOnce();
    void activationRereadsOnceMoreUnlessGranted_data();
    void activationRereadsOnceMoreUnlessGranted();
    void pollingFollowsBalancedStartsAndStops();
    void displayState_data();
    void displayState();
};

void tst_NotificationAuthorizationCenter::readsOnlyWhenAskedAndAnnouncesOnlyChanges()
{
    Fixture quiet;
    drain();
    QCOMPARE(quiet.center->status(), Status::notDetermined);
    QCOMPARE(quiet.desktop.statusReads, 0);

    Fixture eager(/*refreshNow*/ true);
    eager.desktop.status = Status::denied;
    QSignalSpy changes(eager.center.get(), &NotificationAuthorizationCenter::statusChanged);
    // The first read comes from the event loop, not from inside the constructor.
    QCOMPARE(eager.desktop.statusReads, 0);
    QTRY_COMPARE(eager.center->status(), Status::denied);
    QCOMPARE(eager.desktop.statusReads, 1);
    QFuture<void> again = eager.center->refresh();
    QTRY_VERIFY(again.isFinished());
    QCOMPARE(eager.desktop.statusReads, 2);
    QCOMPARE(changes.count(), 1);
}

void tst_NotificationAuthorizationCenter::timedRequest_data()
{
    QTest::addColumn<double>("answerAfter");
    QTest::addColumn<Status>("returned");
    QTest::addColumn<int>("readsWhenReturned");
    // The answer is the status read after the desktop replied.
    QTest::newRow("allowed within the limit") << 1.5 << Status::authorized << 1;
    QTest::newRow("refused within the limit") << 1.0 << Status::denied << 1;
    // At the limit the caller gets a fresh read; the request goes on.
    QTest::newRow("no answer in time") << 5.0 << Status::notDetermined << 1;
}

void tst_NotificationAuthorizationCenter::timedRequest()
{
    QFETCH(double, answerAfter);
    QFETCH(Status, returned);
    QFETCH(int, readsWhenReturned);
    Fixture f;
    const Status userChoice = answerAfter < 2.0 ? returned : Status::authorized;

    QFuture<Status> result =
        f.center->request(NotificationAuthorizationCenter::standardOptions(),
                          NotificationAuthorizationCenter::standardRequestTimeout);
    QVERIFY(f.center->isRequestInFlight());
    f.scheduler.advance(std::min(answerAfter, 2.0));
    if (answerAfter < 2.0)
        f.desktop.answerRequest(userChoice == Status::authorized, userChoice);
    QTRY_VERIFY(result.isFinished());
    QCOMPARE(result.result(), returned);
    QCOMPARE(f.desktop.statusReads, readsWhenReturned);

    if (answerAfter >= 2.0) {
        QVERIFY(f.center->isRequestInFlight());
        f.desktop.answerRequest(true, userChoice);
    }
    // Whenever the answer comes, the status follows without another call.
    QTRY_VERIFY(!f.center->isRequestInFlight());
    QCOMPARE(f.center->status(), userChoice);
    QCOMPARE(f.desktop.requestedOptions, QList<platform::NotificationAuthorizationOptions>{
                                             Option::alert | Option::sound | Option::badge});
}

void tst_NotificationAuthorizationCenter::concurrentRequestsAskTheDesktopOnce()
{
    Fixture f;
    QFuture<Status> first = f.center->request(Option::alert, 2.0);
    f.scheduler.advance(0.1);
    QFuture<Status> second = f.center->request(Option::sound, 2.0);
    f.scheduler.advance(0.5);
    f.desktop.answerRequest(true, Status::authorized);
    QTRY_VERIFY(first.isFinished() && second.isFinished());
    QCOMPARE(first.result(), Status::authorized);
    QCOMPARE(second.result(), Status::authorized);
    // Asked once, with the first caller's options.
    QCOMPARE(f.desktop.requestedOptions,
             QList<platform::NotificationAuthorizationOptions>{Option::alert});

    // The next request asks again.
    QFuture<bool> granted = f.center->requestGranted(Option::badge);
    f.desktop.answerRequest(false, Status::provisional);
    QTRY_VERIFY(granted.isFinished());
    QVERIFY(granted.result());
    QCOMPARE(f.desktop.requestedOptions.size(), 2);
}

void tst_NotificationAuthorizationCenter::activationRereadsOnceMoreUnlessGranted_data()
{
    QTest::addColumn<Status>("held");
    QTest::addColumn<int>("reads");
    QTest::newRow("denied") << Status::denied << 2;
    QTest::newRow("ephemeral does not count") << Status::ephemeral << 2;
    QTest::newRow("authorized") << Status::authorized << 1;
    QTest::newRow("provisional") << Status::provisional << 1;
}

void tst_NotificationAuthorizationCenter::activationRereadsOnceMoreUnlessGranted()
{
    QFETCH(Status, held);
    QFETCH(int, reads);
    Fixture f(/*refreshNow*/ false, /*refreshOnForeground*/ true);
    f.desktop.status = held;
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    drain();
    QCOMPARE(f.desktop.statusReads, 1);
    f.scheduler.advance(0.39);
    QCOMPARE(f.desktop.statusReads, 1);
    f.scheduler.advance(0.01);
    QCOMPARE(f.desktop.statusReads, reads);
    f.scheduler.advance(10.0);
    drain();
    QCOMPARE(f.desktop.statusReads, reads);
}

void tst_NotificationAuthorizationCenter::pollingFollowsBalancedStartsAndStops()
{
    Fixture f;
    f.center->startPolling();
    QCOMPARE(f.desktop.statusReads, 1); // at once
    f.center->startPolling();
    f.center->stopPolling();
    QVERIFY(f.center->isPolling());
    f.scheduler.advance(2.0);
    f.scheduler.advance(2.0);
    QCOMPARE(f.desktop.statusReads, 3);
    QCOMPARE(f.scheduler.requestedDelays().front(), NotificationAuthorizationCenter::pollInterval);

    f.center->stopPolling();
    QVERIFY(!f.center->isPolling());
    f.scheduler.advance(10.0);
    QCOMPARE(f.desktop.statusReads, 3);
}

void tst_NotificationAuthorizationCenter::displayState_data()
{
    QTest::addColumn<Status>("status");
    QTest::addColumn<bool>("isRequesting");
    QTest::addColumn<bool>("hasRequested");
    QTest::addColumn<NotificationDisplayState>("expected");
    using D = NotificationDisplayState;
    QTest::newRow("not asked yet") << Status::notDetermined << false << false << D::idle;
    QTest::newRow("asking") << Status::notDetermined << true << true << D::requesting;
    QTest::newRow("asked, still undetermined")
        << Status::notDetermined << false << true << D::denied;
    QTest::newRow("denied") << Status::denied << true << false << D::denied;
    QTest::newRow("ephemeral shows granted") << Status::ephemeral << false << false << D::granted;
    QTest::newRow("provisional") << Status::provisional << false << true << D::granted;
    QTest::newRow("unknown value") << Status(9) << false << true << D::denied;
}

void tst_NotificationAuthorizationCenter::displayState()
{
    QFETCH(Status, status);
    QFETCH(bool, isRequesting);
    QFETCH(bool, hasRequested);
    QFETCH(NotificationDisplayState, expected);
    QCOMPARE(fennimar::notificationDisplayState(status, isRequesting, hasRequested), expected);
}

QTEST_MAIN(tst_NotificationAuthorizationCenter)
#include "tst_NotificationAuthorizationCenter.moc"
