#include <algorithm>

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTest>

#include "LiveTriggerRoad.h"
#include "engine/StreakEngine.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"

using namespace halvex;
using platform::RunningApplication;
using testing::ms;

namespace {

// This process's windows and the blocked application's, told apart by WM_CLASS.
const testing::ForegroundScene::Application own{QStringLiteral("org.example.Watcher"),
                                                QStringLiteral("Watcher"),
                                                QStringLiteral("HalvexWatcherProbe")};
const testing::ForegroundScene::Application helper = testing::ForegroundScene::distraction();

} // namespace

// The whole road on a real desktop: a window of a blocked application is
// activated, the workspace sees it, the detector reports it, and the watcher
// saves a trigger event and sends it on the engine's subject.
class tst_TriggerWatcherOnX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void activatingABlockedApplicationSavesAndSendsATrigger();

private:
    RunningApplication helperApp() const { return m_scene.helperApp(); }
    RunningApplication ownApp() const { return m_scene.ownApp(); }
    std::optional<QString> reported() const
    {
        const auto app = m_detector->current();
        return app ? std::optional(app->bundleIdentifier) : std::nullopt;
    }
    int storedEvents()
    {
        QSqlQuery q(m_persistence.container().database());
        return q.exec(QStringLiteral("SELECT COUNT(*) FROM \"TriggerEvent\"")) && q.next()
                   ? q.value(0).toInt()
                   : -1;
    }
    // Once the watcher runs, also waits for the detector to have reported it.
    bool bringOwnWindowToFront()
    {
        return m_scene.bringToFront(
            ownApp(), [this] { return !m_detector->isWatching() || reported() == own.id; });
    }

    testing::DesktopHarness m_desktop;
    testing::ForegroundScene m_scene{m_desktop, own};

    PersistenceController m_persistence{true};
    DayClock m_dayClock{[] { return QDateTime::currentDateTimeUtc(); },
                        QTimeZone::systemTimeZone()};
    std::unique_ptr<StreakEngine> m_engine;
    std::unique_ptr<testing::LiveTriggerRoad> m_road;
    AppFrontmostDetector *m_detector = nullptr;
    TriggerWatcher *m_watcher = nullptr;
};

void tst_TriggerWatcherOnX11::initTestCase()
{
    const QString why = m_scene.setUp({.title = QStringLiteral("distraction")});
    QVERIFY2(why.isEmpty(), qPrintable(why));

    m_engine = std::make_unique<StreakEngine>(m_persistence, m_dayClock);
    m_road = std::make_unique<testing::LiveTriggerRoad>(m_scene, *m_engine, m_persistence);
    m_detector = &m_road->detector;
    m_watcher = &m_road->watcher;
}

void tst_TriggerWatcherOnX11::cleanupTestCase()
{
    m_road.reset();
}

void tst_TriggerWatcherOnX11::activatingABlockedApplicationSavesAndSendsATrigger()
{
    auto streak = std::make_shared<Streak>(QUuid::createUuid(), QStringLiteral("No distractions"),
                                           StreakType::app, StrictnessMode::firm, QStringList{},
                                           QStringList{}, QStringList{helper.id},
                                           QDateTime::currentDateTimeUtc().addDays(-3));
    m_persistence.mainContext().insert(streak);
    QVERIFY(m_persistence.mainContext().save().hasValue());
    m_engine->reload();

    QElapsedTimer clock;
    qint64 reportedAt = -1;
    qint64 sentAt = -1;
    std::vector<std::shared_ptr<TriggerEvent>> events;
    connect(m_detector, &FrontmostDetecting::frontmostChanged, this,
            [&](const std::optional<RunningApplication> &app) {
                if (app && app->bundleIdentifier == helper.id)
                    reportedAt = clock.nsecsElapsed();
            });
    connect(m_engine.get(), &StreakEngine::triggerSubject, this,
            [&](const std::shared_ptr<TriggerEvent> &event) {
                if (!event->outcomeRaw().isEmpty())
                    return;
                sentAt = clock.nsecsElapsed();
                events.push_back(event);
            });

    // The helper took the focus when its window came up: start with our own
    // window in front, so that nothing fires before the clock runs.
    QVERIFY(bringOwnWindowToFront());
    m_watcher->start();
    QCOMPARE(reported(), std::optional(own.id));
    QVERIFY(events.empty());

    constexpr int rounds = 5;
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        reportedAt = sentAt = -1;
        clock.start();
        QVERIFY(m_scene.workspace().activate(helperApp()));
        QTRY_COMPARE_WITH_TIMEOUT(int(events.size()), round + 1, 10000);

        QCOMPARE(reported(), std::optional(helper.id));
        const auto &event = events.back();
        QCOMPARE(event->streakId(), streak->id());
        QCOMPARE(event->triggerSourceRaw(), QStringLiteral("app"));
        QCOMPARE(event->matchedBundleId(), std::optional(helper.id));
        QCOMPARE(storedEvents(), round + 1);
        QVERIFY(reportedAt >= 0 && reportedAt <= sentAt);
        samples.push_back(ms(sentAt));
        qInfo("round %d: activation request to trigger event %.2f ms (detector report at %.2f ms)",
              round + 1, ms(sentAt), ms(reportedAt));

        // Away to this application and back: nothing re-arms, nothing fires.
        QVERIFY(bringOwnWindowToFront());
        QVERIFY(m_scene.workspace().activate(helperApp()));
        QTRY_COMPARE_WITH_TIMEOUT(reported(), std::optional(helper.id), 10000);
        QCOMPARE(int(events.size()), round + 1);

        // The panel's step back hides it, which re-arms it for the next round.
        QVERIFY(m_scene.workspace().hide(helperApp()));
        m_engine->recordOutcome(event, TriggerOutcome::stepBack);
        QVERIFY(bringOwnWindowToFront());
        QTRY_VERIFY_WITH_TIMEOUT(!m_watcher->lastFiredBundleId(), 10000);
    }
    std::sort(samples.begin(), samples.end());
    qInfo("activation request to trigger event over %d rounds: min %.2f ms, median %.2f ms, "
          "max %.2f ms",
          rounds, samples.front(), samples[rounds / 2], samples.back());
    m_watcher->stop();
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_TriggerWatcherOnX11>(argc, argv, {own.windowClass});
}

#include "tst_TriggerWatcherOnX11.moc"
