#include <csignal>

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include "kit/TerminationSignal.h"

namespace {

const char *childArgument = "--until-terminated";
const char *readyLine = "ready";
const char *quitLine = "quit path";

// The child's side: installs the signal twice, as a careless caller might,
// reports which signals a program it starts ignores, then runs until asked
// to quit.
int runChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    fennimar::TerminationSignal::install();
    fennimar::TerminationSignal::install();
    QObject::connect(&app, &QCoreApplication::aboutToQuit,
                     [] { QTextStream(stdout) << quitLine << Qt::endl; });
    QProcess probe;
    probe.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("grep '^SigIgn:' /proc/self/status")});
    probe.waitForFinished(10000);
    QTextStream(stdout) << probe.readAllStandardOutput() << readyLine << Qt::endl;
    return app.exec();
}

} // namespace

class tst_TerminationSignal : public QObject {
    Q_OBJECT
private slots:
    void sigtermQuitsThroughTheQuitPath();
};

void tst_TerminationSignal::sigtermQuitsThroughTheQuitPath()
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(childArgument)});
    QVERIFY(child.waitForStarted(10000));
    QByteArray output;
    while (!output.contains(readyLine)) {
        QVERIFY2(child.waitForReadyRead(30000), output.constData());
        output += child.readAllStandardOutput();
    }

    // Programs started by the application must not inherit an ignored SIGTERM.
    const int at = output.indexOf("SigIgn:");
    QVERIFY2(at >= 0, output.constData());
    bool ok = false;
    const quint64 ignored =
        output.mid(at + 7, output.indexOf('\n', at) - at - 7).trimmed().toULongLong(&ok, 16);
    QVERIFY(ok);
    QCOMPARE(ignored & (quint64(1) << (SIGTERM - 1)), quint64(0));

    QCOMPARE(::kill(pid_t(child.processId()), SIGTERM), 0);
    QVERIFY(child.waitForFinished(30000));
    output += child.readAllStandardOutput();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(output.count(quitLine), 1);
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], childArgument) == 0)
        return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    tst_TerminationSignal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_TerminationSignal.moc"
