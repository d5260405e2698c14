#include <QSignalSpy>
#include <QTest>

#include "ManualScheduler.h"
#include "kit/SparkleFacade.h"
#include "kit/UpdateChecker.h"

using fennimar::UpdateChecker;
using fennimar::UpdateProbeOutcome;
using State = fennimar::UpdateChecker::State;

namespace {

const QString installed = QStringLiteral("1.4.0");

// An update framework that answers when the test says so. Unlike the real
// contract it keeps every completion, so that a checker applying a stale
// answer would show.
class FakeUpdates final : public fennimar::UpdateProbing {
public:
    void probe(Completion completion) override { completions.push_back(std::move(completion)); }
    void dropProbeCompletion() override { ++drops; }
    void checkForUpdatesNow() override { ++userChecks; }

    void answer(int probe, const UpdateProbeOutcome &outcome) { completions.at(probe)(outcome); }

    std::vector<Completion> completions;
    int drops = 0;
    int userChecks = 0;
};

struct Fixture {
    FakeUpdates updates;
    testing::ManualScheduler scheduler;
    UpdateChecker checker{updates, installed, scheduler};
};

} // namespace

class tst_UpdateChecker : public QObject {
    Q_OBJECT
private slots:
    void init() { qunsetenv(UpdateChecker::stubVariable); }
    void cleanup() { qunsetenv(UpdateChecker::stubVariable); }

    void stubForcesOutcome_data();
    void stubForcesOutcome();
    void answerEndsChecking_data();
    void answerEndsChecking();
    void noAnswerFailsAfterTimeout();
    void newCheckRestartsTimeoutAndWantsNewestAnswer();
    void resetForgetsProbe();
    void presentUpdaterHandsOverAndIdles();
    void facadeWithoutUpdaterFailsAtOnce();
};

void tst_UpdateChecker::stubForcesOutcome_data()
{
    QTest::addColumn<QByteArray>("stub");
    QTest::addColumn<State>("expected");
    QTest::newRow("available") << QByteArray("available") << State::updateAvailable(installed);
    QTest::newRow("failed") << QByteArray("failed") << State::failed();
    QTest::newRow("empty") << QByteArray("") << State::upToDate(installed);
    QTest::newRow("anything else") << QByteArray("Available") << State::upToDate(installed);
}

void tst_UpdateChecker::stubForcesOutcome()
{
    QFETCH(QByteArray, stub);
    QFETCH(State, expected);
    qputenv(UpdateChecker::stubVariable, stub);
    Fixture f;
    f.checker.check();
    QCOMPARE(f.checker.state(), expected);
    QVERIFY(f.updates.completions.empty());
    QVERIFY(f.scheduler.requestedDelays().empty());
}

void tst_UpdateChecker::answerEndsChecking_data()
{
    QTest::addColumn<UpdateProbeOutcome>("outcome");
    QTest::addColumn<State>("expected");
    QTest::newRow("up to date") << UpdateProbeOutcome::upToDate() << State::upToDate(installed);
    QTest::newRow("newer version")
        << UpdateProbeOutcome::updateAvailable("2.0.1") << State::updateAvailable("2.0.1");
    QTest::newRow("failure") << UpdateProbeOutcome::failed() << State::failed();
}

void tst_UpdateChecker::answerEndsChecking()
{
    QFETCH(UpdateProbeOutcome, outcome);
    QFETCH(State, expected);
    Fixture f;
    QSignalSpy changes(&f.checker, &UpdateChecker::stateChanged);
    f.checker.check();
    QCOMPARE(f.checker.state(), State::checking());
    QCOMPARE(f.scheduler.requestedDelays(),
             std::vector<double>{UpdateChecker::probeTimeoutSeconds});

    f.scheduler.advance(5);
    f.updates.answer(0, outcome);
    QCOMPARE(f.checker.state(), expected);
    QCOMPARE(f.scheduler.pendingCount(), 0);
    f.scheduler.advance(30);
    QCOMPARE(f.checker.state(), expected);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).at(0).value<State>(), State::checking());
    QCOMPARE(changes.at(1).at(0).value<State>(), expected);
}

void tst_UpdateChecker::noAnswerFailsAfterTimeout()
{
    Fixture f;
    f.checker.check();
    f.scheduler.advance(19.9);
    QCOMPARE(f.checker.state(), State::checking());
    f.scheduler.advance(0.1);
    QCOMPARE(f.checker.state(), State::failed());
    QCOMPARE(f.updates.drops, 1);
    // A late answer leaves the failure.
    f.updates.answer(0, UpdateProbeOutcome::upToDate());
    QCOMPARE(f.checker.state(), State::failed());
}

void tst_UpdateChecker::newCheckRestartsTimeoutAndWantsNewestAnswer()
{
    Fixture f;
    f.checker.check();
    f.scheduler.advance(15);
    f.checker.check();
    f.scheduler.advance(15);
    QCOMPARE(f.checker.state(), State::checking());
    f.updates.answer(0, UpdateProbeOutcome::updateAvailable("9.9"));
    QCOMPARE(f.checker.state(), State::checking());
    f.updates.answer(1, UpdateProbeOutcome::updateAvailable("2.0"));
    QCOMPARE(f.checker.state(), State::updateAvailable("2.0"));
    f.scheduler.advance(60);
    QCOMPARE(f.checker.state(), State::updateAvailable("2.0"));
}

void tst_UpdateChecker::resetForgetsProbe()
{
    Fixture f;
    f.checker.check();
    f.checker.reset();
    QCOMPARE(f.checker.state(), State::idle());
    QCOMPARE(f.updates.drops, 1);
    QCOMPARE(f.scheduler.pendingCount(), 0);
    f.updates.answer(0, UpdateProbeOutcome::upToDate());
    f.scheduler.advance(30);
    QCOMPARE(f.checker.state(), State::idle());
}

void tst_UpdateChecker::presentUpdaterHandsOverAndIdles()
{
    qputenv(UpdateChecker::stubVariable, "available");
    Fixture f;
    f.checker.check();
    f.checker.presentUpdater();
    QCOMPARE(f.updates.userChecks, 1);
    QCOMPARE(f.checker.state(), State::idle());
}

void tst_UpdateChecker::facadeWithoutUpdaterFailsAtOnce()
{
    fennimar::SparkleFacade facade;
    facade.start(QStringLiteral("com.fennimar.halvex"));
    testing::ManualScheduler scheduler;
    UpdateChecker checker(facade, installed, scheduler);
    checker.check();
    QCOMPARE(checker.state(), State::failed());
    QCOMPARE(scheduler.pendingCount(), 0);
    QVERIFY(!facade.automaticallyChecksForUpdates());
}

QTEST_GUILESS_MAIN(tst_UpdateChecker)
#include "tst_UpdateChecker.moc"
