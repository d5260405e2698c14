#include <QTest>

#include "DesktopHarness.h"
#include "kit/NotificationAuthorizationCenter.h"
#include "platform/DBusUserNotificationCenter.h"

using fennimar::NotificationAuthorizationCenter;
using platform::DBusUserNotificationCenter;
using Status = platform::NotificationAuthorizationStatus;

namespace {

template <class T> T answerOf(const QFuture<T> &future)
{
    [&] { QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 10000); }();
    return future.isFinished() && future.resultCount() > 0 ? future.result() : T{};
}

} // namespace

// The process's session bus is the harness's own, without service folders:
// no notification server is there until the test starts one.
class tst_DBusUserNotificationCenter : public QObject {
    Q_OBJECT
private slots:
    void authorizedExactlyWhenAServerAnswers();
    void unreachableBusIsDenied();
    void pendingRequestsAnswerLater();

private:
    testing::DesktopHarness m_desktop;
};

void tst_DBusUserNotificationCenter::authorizedExactlyWhenAServerAnswers()
{
    DBusUserNotificationCenter center;
    // The support library's centre as the application builds it, over the
    // session's own notification centre.
    NotificationAuthorizationCenter::Configuration configuration;
    configuration.refreshOnForeground = false;
    NotificationAuthorizationCenter authorization(std::move(configuration));

    QCOMPARE(answerOf(center.authorizationStatus()), Status::denied);
    QCOMPARE(answerOf(center.requestAuthorization({})), false);
    QTRY_COMPARE(authorization.status(), Status::denied);

    const QString why = m_desktop.startNotificationServer();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QCOMPARE(answerOf(center.authorizationStatus()), Status::authorized);
    QCOMPARE(
        answerOf(center.requestAuthorization(platform::NotificationAuthorizationOption::alert)),
        true);
    QCOMPARE(
        answerOf(authorization.request(NotificationAuthorizationCenter::standardOptions(),
                                       NotificationAuthorizationCenter::standardRequestTimeout)),
        Status::authorized);
    QCOMPARE(authorization.status(), Status::authorized);
}

void tst_DBusUserNotificationCenter::unreachableBusIsDenied()
{
    DBusUserNotificationCenter center(QDBusConnection(QStringLiteral("never-connected")));
    QCOMPARE(answerOf(center.authorizationStatus()), Status::denied);
}

void tst_DBusUserNotificationCenter::pendingRequestsAnswerLater()
{
    DBusUserNotificationCenter center;
    int answers = 0;
    center.removeAllPendingNotificationRequests();
    center.getPendingNotificationRequests([&](const QList<platform::NotificationRequest> &pending) {
        ++answers;
        QVERIFY(pending.isEmpty());
    });
    QCOMPARE(answers, 0);
    QTRY_COMPARE(answers, 1);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_DBusUserNotificationCenter>(argc, argv);
}

#include "tst_DBusUserNotificationCenter.moc"
