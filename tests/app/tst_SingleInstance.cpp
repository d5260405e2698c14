#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/SingleInstance.h"

using halvex::SingleInstance;

class tst_SingleInstance : public QObject {
    Q_OBJECT
private slots:
    void laterLaunchesAskTheFirstToShowItself_data();
    void laterLaunchesAskTheFirstToShowItself();
    void theNextLaunchAfterTheFirstIsGoneRunsFirst();
    void requestsOverTheSocketAreToldApart_data();
    void requestsOverTheSocketAreToldApart();
};

void tst_SingleInstance::laterLaunchesAskTheFirstToShowItself_data()
{
    QTest::addColumn<bool>("leftByACrash");
    QTest::newRow("a clean folder") << false;
    QTest::newRow("a lock and a socket left by a process that died") << true;
}

void tst_SingleInstance::laterLaunchesAskTheFirstToShowItself()
{
    QFETCH(bool, leftByACrash);
    QTemporaryDir folder;
    SingleInstance first(folder.path(), "halvex");
    if (leftByACrash) {
        // The lock of a process that ran here and ended without letting go.
        QProcess gone;
        gone.start("true");
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QFile lock(first.lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\nhalvex\n\n");
        lock.close();
        QFile socket(first.socketPath());
        QVERIFY(socket.open(QIODevice::WriteOnly));
    }
    QCOMPARE(first.claim(), SingleInstance::Role::first);
    QSignalSpy reveals(&first, &SingleInstance::revealRequested);

    for (int launch = 1; launch <= 2; ++launch) {
        SingleInstance later(folder.path(), "halvex");
        QCOMPARE(later.claim(), SingleInstance::Role::second);
        QTRY_COMPARE(reveals.size(), launch);
    }
    QCOMPARE(first.claim(), SingleInstance::Role::first);
}

void tst_SingleInstance::theNextLaunchAfterTheFirstIsGoneRunsFirst()
{
    QTemporaryDir folder;
    {
        SingleInstance first(folder.path(), "halvex");
        QCOMPARE(first.claim(), SingleInstance::Role::first);
    }
    QVERIFY(!QFile::exists(folder.filePath("halvex.lock")));
    SingleInstance next(folder.path(), "halvex");
    QCOMPARE(next.claim(), SingleInstance::Role::first);
    QSignalSpy reveals(&next, &SingleInstance::revealRequested);
    SingleInstance later(folder.path(), "halvex");
    QCOMPARE(later.claim(), SingleInstance::Role::second);
    QTRY_COMPARE(reveals.size(), 1);
}

void tst_SingleInstance::requestsOverTheSocketAreToldApart_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("reveals");
    QTest::addColumn<QStringList>("windows");
    QTest::newRow("windows, then a reveal") << QByteArray("window stats\nwindow settings\nreveal\n")
                                            << 1 << QStringList{"stats", "settings"};
    QTest::newRow("unknown lines")
        << QByteArray("windows\nquit\nwindow\nreveal now\n") << 0 << QStringList{};
}

void tst_SingleInstance::requestsOverTheSocketAreToldApart()
{
    QFETCH(QByteArray, sent);
    QFETCH(int, reveals);
    QFETCH(QStringList, windows);
    QTemporaryDir folder;
    SingleInstance first(folder.path(), "halvex");
    QCOMPARE(first.claim(), SingleInstance::Role::first);
    QSignalSpy revealed(&first, &SingleInstance::revealRequested);
    QSignalSpy asked(&first, &SingleInstance::windowRequested);

    QLocalSocket socket;
    socket.connectToServer(first.socketPath());
    QVERIFY(socket.waitForConnected());
    // A last line that marks the end of what was sent.
    socket.write(sent + "reveal\n");
    QVERIFY(socket.waitForBytesWritten());
    QTRY_COMPARE(revealed.size(), reveals + 1);
    QStringList names;
    for (const QList<QVariant> &arguments : asked)
        names << arguments.at(0).toString();
    QCOMPARE(names, windows);
}

QTEST_GUILESS_MAIN(tst_SingleInstance)

#include "tst_SingleInstance.moc"
