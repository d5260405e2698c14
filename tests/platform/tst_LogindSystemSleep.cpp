#include <QDBusConnection>
#include <QTest>

#include "LogCapture.h"
#include "platform/LogindSystemSleep.h"

class tst_LogindSystemSleep : public QObject {
    Q_OBJECT
private slots:
    void withoutBusNothingIsReportedOrLogged();
};

// As in CI: no system bus. Starting must stay quiet, not fail.
void tst_LogindSystemSleep::withoutBusNothingIsReportedOrLogged()
{
    testing::LogCapture log;
    platform::LogindSystemSleep sleep(QDBusConnection(QStringLiteral("halvex-no-such-bus")));
    QVERIFY(!sleep.subscribe());
    sleep.takeSleepDelay();
    QVERIFY(!sleep.holdsSleepDelay());
    sleep.releaseSleepDelay();
    sleep.unsubscribe();
    QVERIFY(log.lines().isEmpty());
}

QTEST_GUILESS_MAIN(tst_LogindSystemSleep)
#include "tst_LogindSystemSleep.moc"
