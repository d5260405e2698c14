#include <cmath>
#include <limits>

#include <QTest>

#include "FakeDeadlineScheduler.h"
#include "FakeScriptHost.h"
#include "browsers/AppleScriptRunner.h"
#include "platform/UnavailableScriptHost.h"

using halvex::AppleScriptRunner;
using halvex::ProbeError;
using halvex::ScriptRunResult;
using std::chrono::milliseconds;

namespace {

const QString scriptA = QStringLiteral("tell application \"A\"\nend tell");
const QString scriptB = QStringLiteral("tell application \"B\"\nend tell");
const QString scriptC = QStringLiteral("tell application \"C\"\nend tell");

bool finishes(const QFuture<ScriptRunResult> &f)
{
    return QTest::qWaitFor([&] { return f.isFinished(); }, 5000);
}

QString describe(const ScriptRunResult &r)
{
    return r ? u"value(" + r.value().stringValue.value_or(QStringLiteral("<none>")) + u')'
             : r.error().description();
}

QVariantMap errorInfo(const QVariant &number, const QVariant &message)
{
    QVariantMap info;
    if (number.isValid())
        info.insert(QStringLiteral("NSAppleScriptErrorNumber"), number);
    if (message.isValid())
        info.insert(QStringLiteral("NSAppleScriptErrorMessage"), message);
    return info;
}

} // namespace

Q_DECLARE_METATYPE(ProbeError)

class tst_AppleScriptRunner : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void compilesEachSourceOnce();
    void scriptWithinDeadlineDeliversItsResult();
    void timeoutOutsideThePositiveFiniteMeansNone_data();
    void timeoutOutsideThePositiveFiniteMeansNone();
    void deadlineDelay_data();
    void deadlineDelay();
    void deadlineBeatsARunningScriptAndItsResultIsDropped();
    void deadlineCancelsWorkThatHasNotStarted();
    void scriptErrorsMap_data();
    void scriptErrorsMap();
    void sourceThatMakesNoScriptIsRetried();
    void failedScriptStaysCached();
    void runnerReleasedBeforeItsWorkRuns();
    void liveHostSaysScriptsCannotRun();

private:
    std::shared_ptr<testing::FakeScriptHost> m_host;
    std::shared_ptr<testing::FakeDeadlineScheduler> m_deadlines;
    std::unique_ptr<AppleScriptRunner> m_runner;
};

void tst_AppleScriptRunner::init()
{
    m_host = std::make_shared<testing::FakeScriptHost>();
    m_deadlines = std::make_shared<testing::FakeDeadlineScheduler>();
    m_runner = std::make_unique<AppleScriptRunner>(m_host, m_deadlines);
}

void tst_AppleScriptRunner::cleanup()
{
    // Nothing may stay held on a pool thread past a test.
    m_host->setHolding(false);
    for (int i = 0; i < 8; ++i)
        m_host->release();
    m_runner.reset();
    QThreadPool::globalInstance()->waitForDone();
}

void tst_AppleScriptRunner::compilesEachSourceOnce()
{
    m_host->answer(scriptA, QStringLiteral("a"));
    auto first = m_runner->runAsync(scriptA, 2.0);
    auto other = m_runner->runAsync(scriptB, 2.0);
    auto second = m_runner->runAsync(scriptA, 2.0);
    QVERIFY(finishes(first) && finishes(other) && finishes(second));

    QCOMPARE(m_host->madeSources(), (QStringList{scriptA, scriptB}));
    QCOMPARE(m_host->executedSources(), (QStringList{scriptA, scriptB, scriptA}));
    QCOMPARE(describe(second.result()), QStringLiteral("value(a)"));
}

void tst_AppleScriptRunner::scriptWithinDeadlineDeliversItsResult()
{
    m_host->answer(scriptA, QStringLiteral("https://example.com/"));
    auto f = m_runner->runAsync(scriptA, 2.0);
    QVERIFY(finishes(f));
    QCOMPARE(describe(f.result()), QStringLiteral("value(https://example.com/)"));

    QVERIFY(m_deadlines->fireNext());
    QCOMPARE(f.resultCount(), 1);
    QCOMPARE(describe(f.result()), QStringLiteral("value(https://example.com/)"));
}

void tst_AppleScriptRunner::timeoutOutsideThePositiveFiniteMeansNone_data()
{
    QTest::addColumn<double>("timeout");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -1.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinite") << -std::numeric_limits<double>::infinity();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
}

void tst_AppleScriptRunner::timeoutOutsideThePositiveFiniteMeansNone()
{
    QFETCH(double, timeout);
    m_host->answer(scriptA, QStringLiteral("late"));
    m_host->setHolding(true);
    auto f = m_runner->runAsync(scriptA, timeout);
    QTRY_COMPARE(m_host->heldCount(), 1);

    // No deadline exists that could end the wait: only the script can.
    QCOMPARE(m_deadlines->pendingCount(), 0);
    QVERIFY(!f.isFinished());
    m_host->release();
    QVERIFY(finishes(f));
    QCOMPARE(describe(f.result()), QStringLiteral("value(late)"));
}

void tst_AppleScriptRunner::deadlineDelay_data()
{
    QTest::addColumn<double>("timeout");
    QTest::addColumn<qint64>("expectedMs");
    QTest::newRow("reads") << 2.0 << qint64(2000);
    QTest::newRow("first read after a grant") << 120.0 << qint64(120000);
    QTest::newRow("under a millisecond") << 0.0004 << qint64(1);
    QTest::newRow("beyond the timer's range") << 1e12 << qint64(std::numeric_limits<int>::max());
}

void tst_AppleScriptRunner::deadlineDelay()
{
    QFETCH(double, timeout);
    QFETCH(qint64, expectedMs);
    auto f = m_runner->runAsync(scriptA, timeout);
    QVERIFY(finishes(f));
    QCOMPARE(m_deadlines->delays(), QList<milliseconds>{milliseconds(expectedMs)});
}

void tst_AppleScriptRunner::deadlineBeatsARunningScriptAndItsResultIsDropped()
{
    m_host->answer(scriptA, QStringLiteral("too late"));
    m_host->answer(scriptB, QStringLiteral("next"));
    m_host->setHolding(true);
    auto slow = m_runner->runAsync(scriptA, 2.0);
    QTRY_COMPARE(m_host->heldCount(), 1);
    auto next = m_runner->runAsync(scriptB, 0);

    QVERIFY(m_deadlines->fireNext());
    QVERIFY(slow.isFinished());
    QCOMPARE(describe(slow.result()), QStringLiteral("scriptFailure(timeout)"));
    // The script that timed out still occupies the browser's queue.
    QCOMPARE(m_host->executedSources(), QStringList{scriptA});

    m_host->release();
    QTRY_COMPARE(m_host->finishedSources(), QStringList{scriptA});
    QTRY_COMPARE(m_host->heldCount(), 1);
    m_host->release();
    QVERIFY(finishes(next));
    QCOMPARE(describe(next.result()), QStringLiteral("value(next)"));
    QCOMPARE(slow.resultCount(), 1);
    QCOMPARE(describe(slow.result()), QStringLiteral("scriptFailure(timeout)"));
}

void tst_AppleScriptRunner::deadlineCancelsWorkThatHasNotStarted()
{
    m_host->setHolding(true);
    auto blocker = m_runner->runAsync(scriptA, 0);
    QTRY_COMPARE(m_host->heldCount(), 1);
    auto queued = m_runner->runAsync(scriptB, 1.0);
    QVERIFY(m_deadlines->fireNext());
    QCOMPARE(describe(queued.result()), QStringLiteral("scriptFailure(timeout)"));

    m_host->setHolding(false);
    m_host->release();
    auto after = m_runner->runAsync(scriptC, 0);
    QVERIFY(finishes(blocker) && finishes(after));
    QCOMPARE(m_host->executedSources(), (QStringList{scriptA, scriptC}));
}

void tst_AppleScriptRunner::scriptErrorsMap_data()
{
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<ProbeError>("expected");
    QTest::newRow("not permitted")
        << errorInfo(-1743, "Not authorized to send Apple events to Safari.")
        << ProbeError::automationDenied();
    QTest::newRow("not permitted, no message")
        << errorInfo(-1743, QVariant()) << ProbeError::automationDenied();
    QTest::newRow("other number") << errorInfo(-1728, "Can't get window 1.")
                                  << ProbeError::scriptFailure("Can't get window 1.");
    QTest::newRow("consent needed is only a failure")
        << errorInfo(-1744, "Needs consent") << ProbeError::scriptFailure("Needs consent");
    QTest::newRow("message without number")
        << errorInfo(QVariant(), "Syntax error") << ProbeError::scriptFailure("Syntax error");
    QTest::newRow("neither key") << QVariantMap()
                                 << ProbeError::scriptFailure("Unknown AppleScript error");
    QTest::newRow("message not text")
        << errorInfo(-2700, 42) << ProbeError::scriptFailure("Unknown AppleScript error");
}

void tst_AppleScriptRunner::scriptErrorsMap()
{
    QFETCH(QVariantMap, info);
    QFETCH(ProbeError, expected);
    m_host->fail(scriptA, info);
    auto f = m_runner->runAsync(scriptA, 2.0);
    QVERIFY(finishes(f));
    QVERIFY(!f.result().hasValue());
    QCOMPARE(f.result().error().description(), expected.description());
    QVERIFY(f.result().error() == expected);
}

void tst_AppleScriptRunner::sourceThatMakesNoScriptIsRetried()
{
    m_host->refuseToMake(scriptA);
    auto first = m_runner->runAsync(scriptA, 2.0);
    QVERIFY(finishes(first));
    QCOMPARE(describe(first.result()),
             QStringLiteral("scriptFailure(Failed to compile AppleScript)"));
    auto second = m_runner->runAsync(scriptA, 2.0);
    QVERIFY(finishes(second));
    QCOMPARE(describe(second.result()),
             QStringLiteral("scriptFailure(Failed to compile AppleScript)"));
    QCOMPARE(m_host->madeSources(), (QStringList{scriptA, scriptA}));
    QVERIFY(m_host->executedSources().isEmpty());
}

void tst_AppleScriptRunner::failedScriptStaysCached()
{
    m_host->fail(scriptA, errorInfo(-1728, "gone"));
    auto first = m_runner->runAsync(scriptA, 2.0);
    QVERIFY(finishes(first));
    m_host->answer(scriptA, QStringLiteral("back"));
    auto second = m_runner->runAsync(scriptA, 2.0);
    QVERIFY(finishes(second));
    QCOMPARE(describe(first.result()), QStringLiteral("scriptFailure(gone)"));
    QCOMPARE(describe(second.result()), QStringLiteral("value(back)"));
    QCOMPARE(m_host->madeSources(), QStringList{scriptA});
}

void tst_AppleScriptRunner::runnerReleasedBeforeItsWorkRuns()
{
    m_host->answer(scriptA, QStringLiteral("finished anyway"));
    m_host->setHolding(true);
    auto running = m_runner->runAsync(scriptA, 0);
    QTRY_COMPARE(m_host->heldCount(), 1);
    auto queued = m_runner->runAsync(scriptB, 0);

    m_runner.reset();
    m_host->release();
    QVERIFY(finishes(running) && finishes(queued));
    QCOMPARE(describe(running.result()), QStringLiteral("value(finished anyway)"));
    QCOMPARE(describe(queued.result()), QStringLiteral("scriptFailure(runner deallocated)"));
    QCOMPARE(m_host->executedSources(), QStringList{scriptA});
}

void tst_AppleScriptRunner::liveHostSaysScriptsCannotRun()
{
    AppleScriptRunner live(std::make_shared<platform::UnavailableScriptHost>(), m_deadlines);
    auto f = live.runAsync(scriptA, 2.0);
    QVERIFY(finishes(f));
    QVERIFY(!f.result().hasValue());
    QCOMPARE(f.result().error(),
             ProbeError::scriptFailure(platform::UnavailableScriptHost::message));
}

QTEST_GUILESS_MAIN(tst_AppleScriptRunner)
#include "tst_AppleScriptRunner.moc"
