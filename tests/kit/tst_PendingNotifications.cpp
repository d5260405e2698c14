#include <QTest>

#include "FakeUserNotificationCenter.h"
#include "ManualScheduler.h"
#include "kit/PendingNotifications.h"

using fennimar::PendingNotifications;

class tst_PendingNotifications : public QObject {
    Q_OBJECT
private slots:
    void completesOnceOnWhicheverComesFirst_data();
    void completesOnceOnWhicheverComesFirst();
};

void tst_PendingNotifications::completesOnceOnWhicheverComesFirst_data()
{
    QTest::addColumn<double>("timeout");
    // When the centre answers the query; negative: never.
    QTest::addColumn<double>("answerAt");
    // When the completion is expected to run.
    QTest::addColumn<double>("completedAt");
    QTest::newRow("answers at once") << 2.0 << 0.0 << 0.0;
    QTest::newRow("answers later") << 2.0 << 0.5 << 0.5;
    QTest::newRow("never answers") << 2.0 << -1.0 << 2.0;
    QTest::newRow("answers after the deadline") << 2.0 << 3.0 << 2.0;
    QTest::newRow("no time at all") << 0.0 << -1.0 << 0.0;
}

void tst_PendingNotifications::completesOnceOnWhicheverComesFirst()
{
    QFETCH(double, timeout);
    QFETCH(double, answerAt);
    QFETCH(double, completedAt);
    testing::ManualScheduler scheduler;
    testing::FakeUserNotificationCenter center;
    center.pending = {{QStringLiteral("milestone"), QStringLiteral("Seven days"), {}, {}}};
    center.holdPendingQuery = answerAt != 0.0;

    QList<double> completions;
    PendingNotifications::removeAll(
        center, timeout, [&] { completions << scheduler.now(); }, scheduler);
    // Never inside the call, whatever the centre or the time limit does.
    QVERIFY(completions.isEmpty());
    QCOMPARE(center.removals, 1);
    QCOMPARE(center.pendingQueries, 1);
    QVERIFY(center.pending.isEmpty());

    const auto passTo = [&](double moment) {
        scheduler.advance(moment - scheduler.now());
        QCoreApplication::processEvents();
    };
    if (answerAt >= 0.0) {
        passTo(answerAt);
        center.answerPendingQuery();
    }
    passTo(std::max(answerAt, completedAt));
    passTo(10.0);
    center.answerPendingQuery();
    QCoreApplication::processEvents();
    QCOMPARE(completions, QList<double>{completedAt});
}

QTEST_GUILESS_MAIN(tst_PendingNotifications)
#include "tst_PendingNotifications.moc"
