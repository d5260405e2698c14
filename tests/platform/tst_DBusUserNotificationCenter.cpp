#include <QTest>

#include "DesktopHarness.h"
#include "ManualScheduler.h"
#include "kit/NotificationAuthorizationCenter.h"
#include "platform/DBusUserNotificationCenter.h"

using fennimar::NotificationAuthorizationCenter;
using platform::DBusUserNotificationCenter;
using platform::NotificationPresentationOption;
using platform::NotificationRequest;
using Status = platform::NotificationAuthorizationStatus;

namespace {

template <class T> T answerOf(const QFuture<T> &future)
{
    [&] { QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 10000); }();
    return future.isFinished() && future.resultCount() > 0 ? future.result() : T{};
}

// A notification server of the test's own on the private bus, on a
// connection apart from the centre's, that keeps what it is asked to show.
class RecordingServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        QString summary;
        QString body;
        QVariantMap hints;
    };

    explicit RecordingServer(QDBusConnection connection)
        : m_connection(std::move(connection))
    {
        m_registered =
            m_connection.registerObject(QString::fromLatin1(DBusUserNotificationCenter::path), this,
                                        QDBusConnection::ExportAllSlots) &&
            m_connection.registerService(QString::fromLatin1(DBusUserNotificationCenter::service));
    }
    ~RecordingServer() override
    {
        m_connection.unregisterService(QString::fromLatin1(DBusUserNotificationCenter::service));
        m_connection.unregisterObject(QString::fromLatin1(DBusUserNotificationCenter::path));
    }
    bool isRegistered() const { return m_registered; }

    QList<Shown> shown;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &hints, int)
    {
        shown.append({summary, body, hints});
        return uint(shown.size());
    }

private:
    QDBusConnection m_connection;
    bool m_registered = false;
};

// A centre on a clock of the test's own: the timers' clock plus the time the
// computer slept, when the timers stood still.
struct TimedCenter {
    testing::ManualScheduler timers;
    double slept = 0.0;
    bool active = false;
    const QDateTime start = QDateTime(QDate(2026, 3, 6), QTime(9, 0), Qt::UTC);
    DBusUserNotificationCenter center{
        {.clock = [this] { return start.addMSecs(qint64((timers.now() + slept) * 1000)); },
         .scheduler = &timers,
         .isApplicationActive = [this] { return active; }}};

    QList<NotificationRequest> pending()
    {
        QList<NotificationRequest> listed;
        bool answered = false;
        center.getPendingNotificationRequests([&](const QList<NotificationRequest> &requests) {
            listed = requests;
            answered = true;
        });
        [&] { QTRY_VERIFY(answered); }();
        return listed;
    }
    QStringList pendingIdentifiers()
    {
        QStringList identifiers;
        for (const auto &request : pending())
            identifiers << request.identifier;
        return identifiers;
    }
    NotificationRequest request(const QString &identifier, double inSeconds, bool sound = false)
    {
        return {identifier, identifier + u" title", identifier + u" body",
                start.addMSecs(qint64((timers.now() + slept + inSeconds) * 1000)), sound};
    }
};

// Answers at once with the options it was given, and counts the questions.
struct FixedDelegate final : platform::UserNotificationCenterDelegate {
    platform::NotificationPresentationOptions options;
    int asked = 0;
    void
    willPresent(const NotificationRequest &,
                std::function<void(platform::NotificationPresentationOptions)> completion) override
    {
        ++asked;
        completion(options);
    }
};

} // namespace

// The process's session bus is the harness's own, without service folders:
// no notification server is there until the test starts one.
class tst_DBusUserNotificationCenter : public QObject {
    Q_OBJECT
private slots:
    // Before the real server is started: these run against a recording one.
    void keepsReplacesAndRemovesRequests();
    void deliversByTheWallClock_data();
    void deliversByTheWallClock();
    void soundWhileActiveIsTheDelegates_data();
    void soundWhileActiveIsTheDelegates();

    void authorizedExactlyWhenAServerAnswers();
    void unreachableBusIsDenied();
    void pendingRequestsAnswerLater();

private:
    testing::DesktopHarness m_desktop;
};

void tst_DBusUserNotificationCenter::keepsReplacesAndRemovesRequests()
{
    TimedCenter t;
    QVERIFY(answerOf(t.center.add(t.request(QStringLiteral("a"), 7200))).hasValue());
    QVERIFY(answerOf(t.center.add(t.request(QStringLiteral("b"), 3600))).hasValue());
    auto replacement = t.request(QStringLiteral("a"), 10800);
    replacement.title = QStringLiteral("again");
    QVERIFY(answerOf(t.center.add(replacement)).hasValue());
    const auto invalid = answerOf(t.center.add(t.request(QString(), 60)));
    QVERIFY(!invalid.hasValue());
    QCOMPARE(invalid.error(), platform::NotificationError::invalidRequest);

    QCOMPARE(t.pendingIdentifiers(), (QStringList{"b", "a"}));
    QCOMPARE(t.pending().last().title, QStringLiteral("again"));
    t.center.removePendingNotificationRequests({QStringLiteral("b"), QStringLiteral("none")});
    QCOMPARE(t.pendingIdentifiers(), QStringList{"a"});
    t.center.removeAllPendingNotificationRequests();
    QVERIFY(t.pending().isEmpty());
    QCOMPARE(t.timers.pendingCount(), 0);
}

void tst_DBusUserNotificationCenter::deliversByTheWallClock_data()
{
    QTest::addColumn<double>("dueIn");
    QTest::addColumn<double>("asleep");    // the wall clock moves, the timers do not
    QTest::addColumn<bool>("wake");        // told of the wake
    QTest::addColumn<double>("timersRun"); // then the timers run this long
    QTest::addColumn<bool>("delivered");

    constexpr double day = 86400;
    QTest::newRow("before its time") << 90.0 << 0.0 << false << 89.0 << false;
    QTest::newRow("at its time") << 90.0 << 0.0 << false << 90.0 << true;
    QTest::newRow("forty days ahead") << 40 * day << 0.0 << false << 40 * day << true;
    QTest::newRow("fell due asleep, on wake") << 3600.0 << 7200.0 << true << 0.0 << true;
    QTest::newRow("fell due asleep, before the recheck")
        << 3600.0 << 7200.0 << false << 299.0 << false;
    QTest::newRow("fell due asleep, at the recheck") << 3600.0 << 7200.0 << false << 300.0 << true;
}

void tst_DBusUserNotificationCenter::deliversByTheWallClock()
{
    QFETCH(double, dueIn);
    QFETCH(double, asleep);
    QFETCH(bool, wake);
    QFETCH(double, timersRun);
    QFETCH(bool, delivered);

    RecordingServer server(m_desktop.bus()->connection());
    QVERIFY(server.isRegistered());
    TimedCenter t;
    QVERIFY(answerOf(t.center.add(t.request(QStringLiteral("later"), dueIn + 86400))).hasValue());
    QVERIFY(answerOf(t.center.add(t.request(QStringLiteral("due"), dueIn))).hasValue());

    t.slept = asleep;
    if (wake)
        t.center.deliverDueRequests();
    t.timers.advance(timersRun);

    QCOMPARE(t.pendingIdentifiers(),
             delivered ? QStringList{"later"} : (QStringList{"later", "due"}));
    if (delivered) {
        QTRY_COMPARE(server.shown.size(), 1);
        QCOMPARE(server.shown[0].summary, QStringLiteral("due title"));
        QCOMPARE(server.shown[0].body, QStringLiteral("due body"));
    }
    // No timer outlives the recheck, whatever QTimer's range.
    for (const double delay : t.timers.requestedDelays())
        QVERIFY(delay >= 0.0 && delay <= 300.0);
}

void tst_DBusUserNotificationCenter::soundWhileActiveIsTheDelegates_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("hasDelegate");
    QTest::addColumn<bool>("delegateSound");
    QTest::addColumn<bool>("requestSound");
    QTest::addColumn<bool>("sound");

    QTest::newRow("inactive: the request's sound") << false << true << false << true << true;
    QTest::newRow("inactive: the request's silence") << false << true << true << false << false;
    QTest::newRow("active without delegate") << true << false << false << true << true;
    QTest::newRow("active: the delegate's sound") << true << true << true << false << true;
    QTest::newRow("active: the delegate's silence") << true << true << false << true << false;
}

void tst_DBusUserNotificationCenter::soundWhileActiveIsTheDelegates()
{
    QFETCH(bool, active);
    QFETCH(bool, hasDelegate);
    QFETCH(bool, delegateSound);
    QFETCH(bool, requestSound);
    QFETCH(bool, sound);

    RecordingServer server(m_desktop.bus()->connection());
    QVERIFY(server.isRegistered());
    TimedCenter t;
    t.active = active;
    FixedDelegate delegate;
    delegate.options = NotificationPresentationOption::banner;
    if (delegateSound)
        delegate.options |= NotificationPresentationOption::sound;
    if (hasDelegate)
        t.center.setDelegate(&delegate);

    QVERIFY(answerOf(t.center.add(t.request(QStringLiteral("due"), 0, requestSound))).hasValue());
    t.timers.advance(0);
    QTRY_COMPARE(server.shown.size(), 1);

    QCOMPARE(delegate.asked, active && hasDelegate ? 1 : 0);
    const QVariantMap &hints = server.shown[0].hints;
    QCOMPARE(hints.value(QStringLiteral("sound-name")).toString(),
             sound ? QStringLiteral("message-new-instant") : QString());
    QCOMPARE(hints.value(QStringLiteral("suppress-sound")).toBool(), !sound);
}

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
