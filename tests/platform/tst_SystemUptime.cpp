#include <QFile>
#include <QTest>

#include "platform/SystemUptime.h"

class tst_SystemUptime : public QObject {
    Q_OBJECT
private slots:
    void countsFromBootAsTheKernelDoes();
};

// /proc/uptime counts from boot including sleep, as the launch-at-login
// window needs; a monotonic clock that stops in sleep would fall behind it.
void tst_SystemUptime::countsFromBootAsTheKernelDoes()
{
    QFile proc(QStringLiteral("/proc/uptime"));
    QVERIFY(proc.open(QIODevice::ReadOnly));
    const double before = proc.readAll().split(' ').value(0).toDouble();
    const std::optional<double> uptime = platform::systemUptime();
    QVERIFY(uptime);
    QVERIFY(before > 0);
    // /proc/uptime is cut to hundredths of a second.
    QVERIFY2(*uptime >= before && *uptime < before + 60.0,
             qPrintable(QStringLiteral("%1 vs %2").arg(*uptime).arg(before)));
}

QTEST_GUILESS_MAIN(tst_SystemUptime)
#include "tst_SystemUptime.moc"
