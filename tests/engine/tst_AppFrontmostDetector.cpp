#include <QSignalSpy>
#include <QTest>

#include "FakeWorkspace.h"
#include "ManualScheduler.h"
#include "engine/AppFrontmostDetector.h"

using namespace halvex;
using platform::RunningApplication;

namespace {

// "-" stands for no application, "?" for an application without a bundle
// identifier; anything else is a bundle identifier.
std::optional<RunningApplication> appNamed(const QString &name)
{
    if (name == u"-")
        return std::nullopt;
    if (name == u"?")
        return RunningApplication{QString(), 99};
    return RunningApplication{name, qint32(qHash(name) & 0xffff) + 100};
}

QString nameOf(const std::optional<RunningApplication> &app)
{
    if (!app)
        return QStringLiteral("-");
    return app->bundleIdentifier.isEmpty() ? QStringLiteral("?") : app->bundleIdentifier;
}

} // namespace

class tst_AppFrontmostDetector : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void publishesOnlyChangesOfBundleIdentifier_data();
    void publishesOnlyChangesOfBundleIdentifier();
    void newSubscriberReadsLatestValueAtOnce();
    void pollsEveryIntervalAfterStart();
    void releasedDetectorIgnoresPendingTickAndActivations();
    void stopFromListenerDuringTickEndsPolling();

private:
    // Runs steps separated by spaces and returns what was published.
    QStringList run(const QString &steps);

    std::unique_ptr<testing::FakeWorkspace> workspace;
    std::unique_ptr<testing::ManualScheduler> scheduler;
    std::unique_ptr<AppFrontmostDetector> detector;
    QStringList published;
};

void tst_AppFrontmostDetector::init()
{
    workspace = std::make_unique<testing::FakeWorkspace>();
    scheduler = std::make_unique<testing::ManualScheduler>();
    detector = std::make_unique<AppFrontmostDetector>(*workspace, *scheduler);
    published.clear();
    connect(detector.get(), &FrontmostDetecting::frontmostChanged, this,
            [this](const std::optional<RunningApplication> &app) { published << nameOf(app); });
}

void tst_AppFrontmostDetector::cleanup()
{
    detector.reset();
    scheduler.reset();
    workspace.reset();
}

QStringList tst_AppFrontmostDetector::run(const QString &steps)
{
    // activate=X   X comes to the front and the workspace announces it
    // announce=X   an activation of X is announced, the front is unchanged
    // front=X      X comes to the front unannounced
    // wait=S       S seconds pass; tick is one poll interval
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString verb = step.section(u'=', 0, 0);
        const QString arg = step.section(u'=', 1);
        if (verb == u"start") {
            detector->start();
        } else if (verb == u"stop") {
            detector->stop();
        } else if (verb == u"activate") {
            workspace->bringToFront(*appNamed(arg));
        } else if (verb == u"announce") {
            workspace->announceActivation(*appNamed(arg));
        } else if (verb == u"front") {
            workspace->setFrontmostSilently(appNamed(arg));
        } else if (verb == u"tick") {
            scheduler->advance(AppFrontmostDetector::defaultPollInterval);
        } else if (verb == u"wait") {
            scheduler->advance(arg.toDouble());
        } else {
            qFatal("unknown step %s", qPrintable(step));
        }
    }
    return published;
}

void tst_AppFrontmostDetector::publishesOnlyChangesOfBundleIdentifier_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("start with nothing in front publishes nothing") << "start" << QStringList{};
    QTest::newRow("start publishes the front application")
        << "front=mail start" << QStringList{"mail"};
    QTest::newRow("two activations of one application publish once")
        << "start activate=mail activate=mail" << QStringList{"mail"};
    QTest::newRow("a switch and back within one poll period publishes both")
        << "start activate=mail activate=editor activate=mail wait=1"
        << QStringList{"mail", "editor", "mail"};
    QTest::newRow("an announcement of the front application again is no change")
        << "start activate=mail announce=mail wait=1" << QStringList{"mail"};
    QTest::newRow("poll catches an unannounced change at the interval, not before")
        << "front=mail start front=editor wait=4.9" << QStringList{"mail"};
    QTest::newRow("unannounced change seen at the tick")
        << "front=mail start front=editor wait=4.9 wait=0.1" << QStringList{"mail", "editor"};
    QTest::newRow("no front application at a tick publishes none once")
        << "start activate=mail front=- tick tick tick" << QStringList{"mail", "-"};
    QTest::newRow("after none, the next application publishes again")
        << "start activate=mail front=- tick tick activate=mail"
        << QStringList{"mail", "-", "mail"};
    QTest::newRow("poll and announcement of the same change publish once")
        << "start front=mail tick announce=mail" << QStringList{"mail"};
    QTest::newRow("restart with the same application publishes nothing")
        << "start activate=mail stop start tick" << QStringList{"mail"};
    QTest::newRow("restart with another application publishes it")
        << "start activate=mail stop front=editor start" << QStringList{"mail", "editor"};
    QTest::newRow("stopped detector neither listens nor polls")
        << "start stop activate=mail tick tick" << QStringList{};
    QTest::newRow("starting twice, one stop silences both")
        << "start start stop activate=mail tick" << QStringList{};
    QTest::newRow("an application without identifier counts as none")
        << "start activate=mail activate=? activate=? tick" << QStringList{"mail", "?"};
    QTest::newRow("none after an application without identifier is no change")
        << "start activate=mail activate=? front=- tick" << QStringList{"mail", "?"};
    QTest::newRow("an application without identifier first publishes nothing")
        << "start activate=? tick" << QStringList{};
}

void tst_AppFrontmostDetector::publishesOnlyChangesOfBundleIdentifier()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    QCOMPARE(run(steps), expected);
    if (!expected.isEmpty())
        QCOMPARE(nameOf(detector->current()), expected.last());
}

void tst_AppFrontmostDetector::newSubscriberReadsLatestValueAtOnce()
{
    QStringList early;
    detector->subscribe(
        this, [&](const std::optional<RunningApplication> &app) { early << nameOf(app); });
    QCOMPARE(early, QStringList{"-"});

    run("start activate=mail activate=editor");
    QStringList late;
    detector->subscribe(this,
                        [&](const std::optional<RunningApplication> &app) { late << nameOf(app); });
    QCOMPARE(late, QStringList{"editor"});
    QCOMPARE(detector->current()->processIdentifier, appNamed("editor")->processIdentifier);

    // Both keep listening; the subject keeps its value across stop().
    run("activate=mail stop");
    QCOMPARE(early, (QStringList{"-", "mail", "editor", "mail"}));
    QCOMPARE(late, (QStringList{"editor", "mail"}));
    QCOMPARE(nameOf(detector->current()), QStringLiteral("mail"));
}

void tst_AppFrontmostDetector::pollsEveryIntervalAfterStart()
{
    QVERIFY(!detector->isWatching());
    QCOMPARE(scheduler->pendingCount(), 0);
    run("start");
    QVERIFY(detector->isWatching());
    const int readsAtStart = workspace->frontmostReads;
    QCOMPARE(readsAtStart, 1);

    run("tick tick tick");
    QCOMPARE(workspace->frontmostReads, readsAtStart + 3);
    QCOMPARE(scheduler->pendingCount(), 1);
    for (double delay : scheduler->requestedDelays())
        QCOMPARE(delay, 5.0);

    run("stop");
    QVERIFY(!detector->isWatching());
    QCOMPARE(scheduler->pendingCount(), 0);
}

void tst_AppFrontmostDetector::releasedDetectorIgnoresPendingTickAndActivations()
{
    run("start");
    QSignalSpy destroyed(detector.get(), &QObject::destroyed);
    detector.reset();
    QCOMPARE(destroyed.count(), 1);
    // Nothing may reach the released detector.
    run("activate=mail tick");
    QVERIFY(published.isEmpty());
    QCOMPARE(scheduler->pendingCount(), 0);
}

void tst_AppFrontmostDetector::stopFromListenerDuringTickEndsPolling()
{
    connect(detector.get(), &FrontmostDetecting::frontmostChanged, this,
            [this] { detector->stop(); });
    run("start front=mail tick");
    QCOMPARE(published, QStringList{"mail"});
    QCOMPARE(scheduler->pendingCount(), 0);
    run("front=editor tick tick");
    QCOMPARE(published, QStringList{"mail"});
}

QTEST_GUILESS_MAIN(tst_AppFrontmostDetector)
#include "tst_AppFrontmostDetector.moc"
