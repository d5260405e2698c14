#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ProcessStartTime.h"

class tst_ProcessStartTime : public QObject {
    Q_OBJECT
private slots:
    void readsWhenAProcessStarted_data();
    void readsWhenAProcessStarted();
    void nothingForAProcessThatIsNot();
};

void tst_ProcessStartTime::readsWhenAProcessStarted_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("plain name") << "sleep";
    // The fields are counted after the name, which may hold spaces and ")".
    QTest::newRow("spaces and parentheses in its name") << "a) b (c";
}

void tst_ProcessStartTime::readsWhenAProcessStarted()
{
    QFETCH(QString, program);
    QTemporaryDir dir;
    const QString path = dir.filePath(program);
    QVERIFY(QFile::link(QStringLiteral("/bin/sleep"), path));
    QProcess child;
    // The kernel counts the start and the uptime in ticks: a start may read
    // a tick or two off either way.
    const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-20);
    child.start(path, {QStringLiteral("30")});
    QVERIFY(child.waitForStarted());
    const QDateTime after = QDateTime::currentDateTimeUtc().addMSecs(20);
    const std::optional<QDateTime> started = platform::processStartTime(qint32(child.processId()));
    child.kill();
    child.waitForFinished();
    QVERIFY(started);
    QCOMPARE(started->timeSpec(), Qt::UTC);
    QVERIFY2(before <= *started && *started <= after,
             qPrintable(started->toString(Qt::ISODateWithMs)));
}

void tst_ProcessStartTime::nothingForAProcessThatIsNot()
{
    QCOMPARE(platform::processStartTime(0), std::nullopt);
    QCOMPARE(platform::processStartTime(-1), std::nullopt);
    // Above the kernel's largest process identifier.
    QCOMPARE(platform::processStartTime(4194305), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_ProcessStartTime)
#include "tst_ProcessStartTime.moc"
