#include <csignal>

#include <QSignalSpy>
#include <QTest>

#include "platform/SignalNotifier.h"

using platform::SignalNotifier;

namespace {

void (*currentHandler(int signal))(int)
{
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action.sa_handler;
}

} // namespace

class tst_SignalNotifier : public QObject {
    Q_OBJECT
private slots:
    void deliversEachSignalOnTheEventLoop();
    void oneNotifierPerSignal();
};

void tst_SignalNotifier::deliversEachSignalOnTheEventLoop()
{
    const auto previous = currentHandler(SIGUSR1);
    {
        SignalNotifier notifier(SIGUSR1);
        QVERIFY(notifier.isActive());
        QVERIFY(currentHandler(SIGUSR1) != SIG_IGN && currentHandler(SIGUSR1) != previous);
        QSignalSpy received(&notifier, &SignalNotifier::received);
        raise(SIGUSR1);
        raise(SIGUSR1);
        // Nothing happens inside the handler: the event loop delivers.
        QCOMPARE(received.size(), 0);
        QTRY_COMPARE(received.size(), 2);
    }
    QVERIFY(currentHandler(SIGUSR1) == previous);
}

void tst_SignalNotifier::oneNotifierPerSignal()
{
    SignalNotifier first(SIGUSR2);
    SignalNotifier second(SIGUSR2);
    QVERIFY(first.isActive());
    QVERIFY(!second.isActive());
    QSignalSpy received(&first, &SignalNotifier::received);
    raise(SIGUSR2);
    QTRY_COMPARE(received.size(), 1);
}

QTEST_GUILESS_MAIN(tst_SignalNotifier)
#include "tst_SignalNotifier.moc"
