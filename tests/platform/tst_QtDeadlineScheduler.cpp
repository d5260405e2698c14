#include <atomic>

#include <QTest>
#include <QThread>

#include "platform/QtDeadlineScheduler.h"

using std::chrono::milliseconds;

class tst_QtDeadlineScheduler : public QObject {
    Q_OBJECT
private slots:
    void firesOnItsOwnThreadWhateverTheCallerDoes();
};

void tst_QtDeadlineScheduler::firesOnItsOwnThreadWhateverTheCallerDoes()
{
    platform::QtDeadlineScheduler scheduler;
    std::atomic<QThread *> firedOn = nullptr;
    std::atomic<int> fired = 0;
    // Asked from a worker thread that has no event loop of its own.
    std::unique_ptr<QThread> asker(QThread::create([&] {
        scheduler.schedule(milliseconds(1), [&] {
            firedOn = QThread::currentThread();
            ++fired;
        });
    }));
    asker->start();
    QVERIFY(asker->wait(5000));
    QTRY_COMPARE(fired.load(), 1);
    QCOMPARE(firedOn.load(), scheduler.thread());
}

QTEST_GUILESS_MAIN(tst_QtDeadlineScheduler)
#include "tst_QtDeadlineScheduler.moc"
