#include <QTest>

#include "FakeCalendarStore.h"
#include "ManualScheduler.h"
#include "kit/CalendarAuthorizationCenter.h"
#include "kit/SystemCalendarAuthorizationProbe.h"

using fennimar::CalendarAuthorizationCenter;
using Status = platform::CalendarAuthorizationStatus;

Q_DECLARE_METATYPE(Status)

namespace {

// A centre over a fake store (kept by the probe, watched through `store`).
struct Fixture {
    explicit Fixture(Status held)
    {
        auto owned = std::make_unique<testing::FakeCalendarStore>();
        store = owned.get();
        store->status = held;
        CalendarAuthorizationCenter::Configuration configuration;
        configuration.probe =
            std::make_shared<fennimar::SystemCalendarAuthorizationProbe>(std::move(owned));
        configuration.refreshOnForeground = false;
        configuration.scheduler = &scheduler;
        center = std::make_unique<CalendarAuthorizationCenter>(std::move(configuration));
    }

    testing::ManualScheduler scheduler;
    testing::FakeCalendarStore *store = nullptr;
    std::unique_ptr<CalendarAuthorizationCenter> center;
};

QString calls(const QStringList &list)
{
    return list.join(u' ');
}

} // namespace

class tst_CalendarAuthorizationCenter : public QObject {
    Q_OBJECT
private slots:
    void thisDesktopReportsAccessRestricted();
    void determinedStatusIsReadAfterAStoreReset_data();
    void determinedStatusIsReadAfterAStoreReset();
    void requestsJoinAndTimeOutWithAPlainRead();
};

void tst_CalendarAuthorizationCenter::thisDesktopReportsAccessRestricted()
{
    CalendarAuthorizationCenter center;
    QCOMPARE(center.status(), Status::restricted);
    QFuture<Status> asked = center.request(2.0);
    QTRY_VERIFY(asked.isFinished());
    QCOMPARE(asked.result(), Status::restricted);
    QVERIFY(!center.openSystemSettings());
}

void tst_CalendarAuthorizationCenter::determinedStatusIsReadAfterAStoreReset_data()
{
    QTest::addColumn<Status>("held");
    QTest::addColumn<QString>("pollCalls");
    QTest::newRow("not determined: plain reads") << Status::notDetermined << "read read read";
    QTest::newRow("determined: reset before each read")
        << Status::denied << "reset read reset read reset read";
}

void tst_CalendarAuthorizationCenter::determinedStatusIsReadAfterAStoreReset()
{
    QFETCH(Status, held);
    QFETCH(QString, pollCalls);
    Fixture f(held);
    // The first read, inside the constructor, never resets.
    QCOMPARE(calls(f.store->calls), QStringLiteral("read"));
    f.store->calls.clear();
    f.center->startPolling();
    f.scheduler.advance(CalendarAuthorizationCenter::pollInterval);
    f.scheduler.advance(CalendarAuthorizationCenter::pollInterval);
    QCOMPARE(calls(f.store->calls), pollCalls);
}

void tst_CalendarAuthorizationCenter::requestsJoinAndTimeOutWithAPlainRead()
{
    Fixture f(Status::notDetermined);
    f.store->calls.clear();
    QFuture<Status> first = f.center->request(2.0);
    f.scheduler.advance(0.1);
    QFuture<Status> second = f.center->request(2.0);
    QCOMPARE(f.store->requests, 1);

    f.scheduler.advance(1.9);
    QTRY_VERIFY(first.isFinished());
    QCOMPARE(first.result(), Status::notDetermined);
    QCOMPARE(calls(f.store->calls), QStringLiteral("read"));

    f.store->answerRequest(false, Status::writeOnly);
    QTRY_VERIFY(second.isFinished());
    QCOMPARE(second.result(), Status::writeOnly);
    // The answer always resets the store before it is read.
    QCOMPARE(calls(f.store->calls), QStringLiteral("read reset read"));
    QVERIFY(!f.center->isRequestInFlight());
    QVERIFY(!CalendarAuthorizationCenter::countsAsGranted(f.center->status()));
}

QTEST_GUILESS_MAIN(tst_CalendarAuthorizationCenter)
#include "tst_CalendarAuthorizationCenter.moc"
