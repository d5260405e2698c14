#include <QTest>

#include "kit/LaunchOrigin.h"
#include "platform/LoginItem.h"

using fennimar::LaunchAtLoginStatus;
using fennimar::LaunchOrigin;

Q_DECLARE_METATYPE(LaunchAtLoginStatus)

namespace {

// What the decision read, so a test can see it asked no more than it needed.
struct Reads {
    int status = 0;
    int uptime = 0;
};

LaunchOrigin::Sources sources(const QStringList &arguments, LaunchAtLoginStatus status,
                              std::optional<double> uptime, Reads &reads)
{
    return {arguments,
            [status, &reads] {
                ++reads.status;
                return status;
            },
            [uptime, &reads] {
                ++reads.uptime;
                return uptime;
            }};
}

} // namespace

class tst_LaunchOrigin : public QObject {
    Q_OBJECT
private slots:
    void init() { LaunchOrigin::resetForTesting(); }
    void decides_data();
    void decides();
    void firstCaptureStands();
};

void tst_LaunchOrigin::decides_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<LaunchAtLoginStatus>("status");
    QTest::addColumn<std::optional<double>>("uptime");
    QTest::addColumn<bool>("loginLaunch");
    QTest::addColumn<int>("statusReads");
    QTest::addColumn<int>("uptimeReads");
    const QStringList byUser{QStringLiteral("halvex")};
    const QStringList bySession{QStringLiteral("halvex"),
                                QString::fromLatin1(platform::loginLaunchArgument)};
    using S = LaunchAtLoginStatus;
    QTest::newRow("started by the session, whatever the status")
        << bySession << S::notRegistered << std::optional(3600.0) << true << 0 << 0;
    QTest::newRow("opened 60 s after boot, item enabled")
        << byUser << S::enabled << std::optional(60.0) << true << 1 << 1;
    QTest::newRow("opened 120 s after boot, item enabled")
        << byUser << S::enabled << std::optional(120.0) << false << 1 << 1;
    QTest::newRow("opened 30 s after boot, not registered")
        << byUser << S::notRegistered << std::optional(30.0) << false << 1 << 0;
    QTest::newRow("opened 30 s after boot, waiting for approval")
        << byUser << S::requiresApproval << std::optional(30.0) << false << 1 << 0;
    QTest::newRow("uptime unreadable")
        << byUser << S::enabled << std::optional<double>() << false << 1 << 1;
}

void tst_LaunchOrigin::decides()
{
    QFETCH(QStringList, arguments);
    QFETCH(LaunchAtLoginStatus, status);
    QFETCH(std::optional<double>, uptime);
    QFETCH(bool, loginLaunch);
    QFETCH(int, statusReads);
    QFETCH(int, uptimeReads);
    Reads reads;
    LaunchOrigin::capture(sources(arguments, status, uptime, reads));
    QVERIFY(LaunchOrigin::isCaptured());
    QCOMPARE(LaunchOrigin::isLoginLaunch(), loginLaunch);
    QCOMPARE(reads.status, statusReads);
    QCOMPARE(reads.uptime, uptimeReads);
}

void tst_LaunchOrigin::firstCaptureStands()
{
    QVERIFY(!LaunchOrigin::isLoginLaunch());
    QVERIFY(!LaunchOrigin::isCaptured());

    Reads reads;
    LaunchOrigin::capture(sources({}, LaunchAtLoginStatus::enabled, 10.0, reads));
    QVERIFY(LaunchOrigin::isLoginLaunch());
    LaunchOrigin::capture(
        sources({QStringLiteral("halvex")}, LaunchAtLoginStatus::notRegistered, 10.0, reads));
    QVERIFY(LaunchOrigin::isLoginLaunch());
    QCOMPARE(reads.status, 1);
}

QTEST_GUILESS_MAIN(tst_LaunchOrigin)
#include "tst_LaunchOrigin.moc"
