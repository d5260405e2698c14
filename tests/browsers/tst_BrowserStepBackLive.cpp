// Step back from the friction panel in real browsers: a blocked page comes
// up in the browser in front, the watcher and the engine turn it into a
// trigger, the panel comes up over it, and the user steps back. The browser
// goes back in the same tab where it can, otherwise loses the blocked tab;
// a popup closes, and a window that can do neither (full screen) is
// minimised with its page; it runs on in every case, and only the window
// the panel came up over is touched. Each browser starts after the
// accessibility switch is on, as it does once Halvex runs.
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTime>
#include <QWidget>

#include "FakeSystemAppearance.h"
#include "LiveBrowserDesk.h"
#include "WaitForValue.h"
#include "browsers/AccessibilityAttributes.h"
#include "browsers/LinuxProbeTable.h"
#include "engine/AppFrontmostDetector.h"
#include "engine/BypassController.h"
#include "engine/DomainMatching.h"
#include "engine/StreakEngine.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "friction/FrictionViewModel.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "platform/AtspiAccessibilityHost.h"
#include "platform/TimerScheduler.h"
#include "platform/X11Workspace.h"
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using platform::RunningApplication;
using Browser = testing::LiveBrowserDesk::Browser;
using Window = testing::DesktopHarness::Window;

// Where the browser's first window is while a second is in front.
enum class FirstWindow { behind, minimised, onAnotherDesktop };
// What the user does to the windows while the panel is up.
enum class UnderThePanel { otherWindowToTheFront, pagesWindowClosed, otherDesktop };

Q_DECLARE_METATYPE(testing::LiveBrowserDesk::Browser)
Q_DECLARE_METATYPE(FirstWindow)
Q_DECLARE_METATYPE(UnderThePanel)

namespace {

const char *ownClass = "HalvexStepBackProbe";

// A bridge that counts the reads asked of it, so that a test can wait until
// the watcher has looked at the browser afresh.
class CountingProbe final : public BrowserURLProbe {
public:
    explicit CountingProbe(std::shared_ptr<BrowserURLProbe> bridge)
        : m_bridge(std::move(bridge))
    {}

    QString bundleIdentifier() const override { return m_bridge->bundleIdentifier(); }
    QString name() const override { return m_bridge->name(); }
    BrowserAccessKind accessKind() const override { return m_bridge->accessKind(); }
    fennimar::AutomationStatus automationStatus() override { return m_bridge->automationStatus(); }
    QFuture<URLReadResult> fetchURL() override
    {
        ++reads;
        QFuture<URLReadResult> read = m_bridge->fetchURL();
        // What the latest reads gave, told when an awaited panel never comes.
        read.then(QtFuture::Launch::Sync, [seen = seen](const URLReadResult &result) {
            QString told = !result.hasValue() ? QStringLiteral("refused")
                           : result.value()   ? result.value()->toString()
                                              : QStringLiteral("no address");
            seen->append(QTime::currentTime().toString(u"HH:mm:ss.zzz") + u' ' + told);
            if (seen->size() > 8)
                seen->removeFirst();
        });
        return read;
    }
    QFuture<bool> goBack() override { return m_bridge->goBack(); }
    QFuture<bool> closeTab() override { return m_bridge->closeTab(); }
    QFuture<fennimar::AutomationStatus> requestAccess() override
    {
        return m_bridge->requestAccess();
    }

    int reads = 0;
    // Shared with reads still under way when the probe goes.
    std::shared_ptr<QStringList> seen = std::make_shared<QStringList>();

private:
    std::shared_ptr<BrowserURLProbe> m_bridge;
};

} // namespace

class tst_BrowserStepBackLive : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    // One function a browser: each case starts a browser of its own.
    void chromium_data();
    void chromium() { stepBack(Browser::chromium); }
    void firefox_data() { cases(); }
    void firefox() { stepBack(Browser::firefox); }
    // Two windows of one browser: what is read and steered is the window in
    // front, never the one opened first.
    void secondWindowInFront_data();
    void secondWindowInFront();
    void blockedPageInTheWindowBehind_data();
    void blockedPageInTheWindowBehind();
    // Only the page the panel came for is stepped back from, whatever the
    // user did to the windows meanwhile.
    void windowChangedUnderThePanel_data();
    void windowChangedUnderThePanel();
    // A private window is read and stepped back in like any other.
    void privateWindow_data() { browsers(); }
    void privateWindow();
    // A popup cannot go back or lose a tab: it closes, and stays closed.
    void popupWindow_data() { browsers(); }
    void popupWindow();
    // Two processes of one browser, each with a profile of its own.
    void secondProcess();
    // Back on a page another streak blocks: its panel comes, from the page.
    void stepBackOntoAnotherStreaksPage_data() { browsers(); }
    void stepBackOntoAnotherStreaksPage();

private:
    // The browser started from our own window, which nothing blocks, so
    // that its coming to the front is news to the watcher: on these pages in
    // one window, once it shows the first; its process and that window.
    void startFromOwnWindow(Browser browser, const QStringList &pages, qint32 &pid, Window &window);
    // Waits for the watcher's trigger that makes `count` in all; on a wait in
    // vain, says what the browser's latest reads gave.
    void awaitTrigger(Browser browser, size_t count);
    // Follows the front page's "next" link, as a user would.
    void followNext(qint32 pid);
    // What the user sees of the panel from the click on Step back: its
    // failure line, whether it ever showed, and when the panel went.
    struct PanelWatch {
        QPointer<QLabel> feedback;
        bool failureShown = false;
        qint64 goneAfterMs = -1;
        QElapsedTimer sinceClick;
        QObject context;
    };
    // Clicks Step back once the panel's buttons wake (the panel holding the
    // focus, unless the user took it elsewhere), and waits for the outcome.
    void clickStepBack(const std::shared_ptr<TriggerEvent> &event, PanelWatch &watch,
                       bool focused = true);
    // Steps back and sees the panel go without saying it could not.
    void stepBackFromThePanel(const std::shared_ptr<TriggerEvent> &event, bool focused = true);
    // No new trigger for that long, though the page's window may come back
    // on its own: the user is given the moment.
    void noPanelFor(int ms, size_t triggers);
    static void browsers();
    static void cases();
    void stepBack(Browser browser);
    FrictionPanel *panel() const { return m_controller->activePanel(); }

    testing::LiveBrowserDesk m_desk{{
        {"/other", {"other", {{"next", "/allowed"}}}},
        {"/allowed", {"allowed", {{"next", "/blocked"}}}},
        {"/blocked", {"blocked"}},
        // Sent as sites behind a sign-in send them: going back fetches the
        // page again, out of sight behind the panel.
        {"/fresh", {"fresh", {{"next", "/blocked/fresh"}}, false}},
        {"/blocked/fresh", {"blocked fresh", {}, false}},
        {"/blocked/first", {"blocked first", {{"next", "/blocked"}}}},
        {"/opener", {"opener", {}, true, "/blocked/popup"}},
        {"/blocked/popup", {"blocked popup"}},
        // Blocked by the second streak only.
        {"/second", {"second", {{"next", "/blocked"}}}},
    }};
    QProcess *m_browser = nullptr;
    // A second process of the same browser, with a profile of its own.
    QProcess *m_secondBrowser = nullptr;
    std::optional<Browser> m_running;
    BrowserProbeTable m_probes;

    PersistenceController m_persistence{true};
    DayClock m_dayClock{[] { return QDateTime::currentDateTimeUtc(); },
                        QTimeZone::systemTimeZone()};
    std::unique_ptr<BypassController> m_bypass;
    std::unique_ptr<StreakEngine> m_engine;
    std::unique_ptr<UsageSessionRecorder> m_recorder;
    std::unique_ptr<AppFrontmostDetector> m_detector;
    std::unique_ptr<TriggerWatcher> m_watcher;
    testing::FakeSystemAppearance m_appearance;
    std::unique_ptr<ThemeController> m_theme;
    TranslationLoader m_translations;
    std::unique_ptr<fennimar::ActivationPolicyCoordinator> m_policy;
    std::unique_ptr<FrictionPanelController> m_controller;
    std::shared_ptr<Streak> m_streak;
    std::shared_ptr<Streak> m_secondStreak;
    std::vector<std::shared_ptr<TriggerEvent>> m_events;
};

void tst_BrowserStepBackLive::initTestCase()
{
    const QString why = m_desk.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QVERIFY(m_translations.load(QStringLiteral("en")));
    const BrowserProbeTable bridges =
        makeLinuxProbeTable(m_desk.bridgeServices(), m_desk.entries());
    for (auto bridge = bridges.cbegin(); bridge != bridges.cend(); ++bridge)
        m_probes.insert(bridge.key(), std::make_shared<CountingProbe>(bridge.value()));
    // Switched on before any browser starts, as Halvex does.
    QVERIFY(m_desk.switchAccessibilityOn());

    m_streak = std::make_shared<Streak>(
        QUuid::createUuid(), QStringLiteral("No blocked pages"), StreakType::site,
        StrictnessMode::gentle, QStringList{QStringLiteral("127.0.0.1/blocked")}, QStringList{},
        QStringList{}, QDateTime::currentDateTimeUtc().addDays(-3));
    m_streak->setModeRaw(QStringLiteral("gentle"));
    m_persistence.mainContext().insert(m_streak);
    m_secondStreak = std::make_shared<Streak>(
        QUuid::createUuid(), QStringLiteral("No second pages"), StreakType::site,
        StrictnessMode::gentle, QStringList{QStringLiteral("127.0.0.1/second")}, QStringList{},
        QStringList{}, QDateTime::currentDateTimeUtc().addDays(-3));
    m_secondStreak->setModeRaw(QStringLiteral("gentle"));
    m_persistence.mainContext().insert(m_secondStreak);
    QVERIFY(m_persistence.mainContext().save().hasValue());

    platform::TimerScheduler &live = platform::TimerScheduler::live();
    platform::X11Workspace &workspace = m_desk.workspace();
    m_bypass = std::make_unique<BypassController>(m_persistence, m_dayClock,
                                                  QTimeZone::systemTimeZone(), live);
    m_engine = std::make_unique<StreakEngine>(m_persistence, m_dayClock, m_bypass.get(), live);
    connect(m_engine.get(), &StreakEngine::triggerSubject, this,
            [this](const std::shared_ptr<TriggerEvent> &event) {
                if (event->outcomeRaw().isEmpty())
                    m_events.push_back(event);
            });
    m_recorder = std::make_unique<UsageSessionRecorder>(
        m_persistence, [] { return QDateTime::currentDateTimeUtc(); });
    m_detector = std::make_unique<AppFrontmostDetector>(workspace);
    m_watcher = std::make_unique<TriggerWatcher>(TriggerWatcher::Services{
        *m_detector,
        workspace,
        m_probes,
        *m_engine,
        m_persistence,
        *m_recorder,
        [](const QString &) { return fennimar::AutomationStatus::notDetermined; },
        [] { return QDateTime::currentDateTimeUtc(); },
        QTimeZone::systemTimeZone(),
        live,
        QString::fromLatin1(ownClass),
    });
    m_theme = std::make_unique<ThemeController>(m_appearance);
    m_policy = std::make_unique<fennimar::ActivationPolicyCoordinator>();
    m_controller = std::make_unique<FrictionPanelController>(FrictionPanelController::Services{
        {*m_engine, *m_bypass, m_persistence, m_probes, workspace, m_dayClock, live},
        *m_theme,
        m_translations,
        *m_policy,
        FrictionPanelController::liveFrontmostWindowFrames(workspace),
    });
    Motion::setReduceMotion(true);

    QVERIFY(m_desk.showOwnWindow());
    m_watcher->start();
    m_controller->start();
}

void tst_BrowserStepBackLive::cleanupTestCase()
{
    if (m_controller) {
        m_controller->stop();
        m_controller->dismiss(false);
    }
    if (m_watcher)
        m_watcher->stop();
    m_probes.clear();
}

void tst_BrowserStepBackLive::cleanup()
{
    // Each case has a browser of its own; the next starts where nothing runs.
    if (m_secondBrowser) {
        m_secondBrowser->terminate();
        m_secondBrowser->waitForFinished(20000);
        m_secondBrowser = nullptr;
    }
    const bool stopped = !m_running || m_desk.stop(m_browser, *m_running);
    m_browser = nullptr;
    m_running.reset();
    // A panel left unanswered goes, with any waiting behind it, and its host
    // is forgotten as an edit of the rules would have it: the next case's
    // page is news to the watcher.
    for (int i = 0; i < 3 && m_controller->activePanel(); ++i)
        m_controller->dismiss(false);
    m_streak->setIsPaused(false);
    m_secondStreak->setIsPaused(false);
    m_engine->sendRulesChanged(true);
    QVERIFY(stopped);
}

void tst_BrowserStepBackLive::browsers()
{
    QTest::addColumn<Browser>("browser");
    QTest::newRow("chromium") << Browser::chromium;
    QTest::newRow("firefox") << Browser::firefox;
}

void tst_BrowserStepBackLive::cases()
{
    // The tab's page before the blocked one (none: a tab with nothing to go
    // back to), the blocked page it leads to, and whether the window is in
    // full screen.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("blocked");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("back to the page before, in the same tab")
        << QByteArray("/allowed") << QByteArray("/blocked") << false;
    QTest::newRow("back to a page the browser does not keep")
        << QByteArray("/fresh") << QByteArray("/blocked/fresh") << false;
    QTest::newRow("the page before is blocked too: the tab goes")
        << QByteArray("/blocked/first") << QByteArray("/blocked") << false;
    QTest::newRow("a single tab that cannot go back")
        << QByteArray() << QByteArray("/blocked") << false;
}

void tst_BrowserStepBackLive::chromium_data()
{
    cases();
    // Its tab strip is out of sight and cannot be counted: closing the tab
    // might end the browser.
    QTest::newRow("full screen, a single tab: the window is minimised")
        << QByteArray() << QByteArray("/blocked") << true;
}

void tst_BrowserStepBackLive::stepBack(Browser browser)
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, blocked);
    QFETCH(bool, fullScreen);
    const bool withHistory = !before.isEmpty();
    const QString id = testing::LiveBrowserDesk::identifier(browser);
    const QString blockedPage = m_desk.pageUrl(blocked);
    const QString firstPage = withHistory ? m_desk.pageUrl(before) : blockedPage;
    const QString otherPage = m_desk.pageUrl("/other");
    const bool beforeBlocked = withHistory && matchesDomains(QUrl(firstPage), m_streak->domains());
    const size_t triggers = m_events.size();
    // Full screen is the user's doing once the window is up (the start flag
    // is not always heeded here), and a blocked page before the one that
    // counts is opened while the streak rests: the page counts from then on.
    m_streak->setIsPaused(fullScreen || beforeBlocked);
    const QStringList pages =
        withHistory ? QStringList{firstPage, otherPage} : QStringList{firstPage};
    qint32 pid = 0;
    Window window = 0;
    startFromOwnWindow(browser, pages, pid, window);
    if (QTest::currentTestFailed())
        return;
    const int tabs = int(pages.size());
    if (fullScreen) {
        QTRY_COMPARE_WITH_TIMEOUT(
            m_desk.workspace().frontmostApplication().value_or(m_desk.ownApp()).bundleIdentifier,
            id, 10000);
        QVERIFY(m_desk.pressKeys(QStringLiteral("F11")));
        // Its tab strip goes out of sight: the tabs can no longer be counted.
        QTRY_COMPARE_WITH_TIMEOUT(m_desk.tabCount(pid), -1, 10000);
    }
    if (withHistory) {
        // Followed as a user would, so that the tab can go back to it.
        followNext(pid);
        COMPARE_LIVE_READ(m_desk.shownAddress(browser), blockedPage, 10000);
    }
    m_streak->setIsPaused(false);

    awaitTrigger(browser, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    const std::shared_ptr<TriggerEvent> event = m_events.back();
    QCOMPARE(event->matchedBundleId(), std::optional(id));
    stepBackFromThePanel(event);
    if (QTest::currentTestFailed())
        return;
    if (fullScreen) {
        // The window went out of sight with its page, and the browser runs on.
        QVERIFY(m_desk.isMinimised(window));
        QVERIFY(m_desk.workspace().frontmostWindow() !=
                std::optional(platform::ApplicationWindow{{id, pid}, window}));
        noPanelFor(6000, triggers + 1);
        QCOMPARE(m_browser->state(), QProcess::Running);
        QCOMPARE(m_desk.processOf(browser), pid);
        return;
    }

    // The browser runs on, with the blocked page gone.
    QCOMPARE(m_browser->state(), QProcess::Running);
    QCOMPARE(m_desk.processOf(browser), pid);
    if (beforeBlocked) {
        // Looked at, not counted as done: the tab went as one with nothing before it.
        COMPARE_LIVE_READ(m_desk.shownAddress(browser), otherPage, 10000);
        QCOMPARE(m_desk.tabCount(pid), 1);
    } else if (withHistory) {
        COMPARE_LIVE_READ(m_desk.shownAddress(browser), firstPage, 10000);
        QCOMPARE(m_desk.tabCount(pid), tabs);
    } else {
        // A new tab took the place of the one closed.
        QTRY_VERIFY_WITH_TIMEOUT(!m_desk.shownAddress(browser).isEmpty() &&
                                     m_desk.shownAddress(browser) != blockedPage,
                                 10000);
        QCOMPARE(m_desk.tabCount(pid), 1);
    }
    // Nothing on the way looked like a new visit to the blocked page, not
    // even once the watcher has read the browser twice more (a panel that
    // came up would end the reads).
    auto &probe = static_cast<CountingProbe &>(*m_probes.value(id));
    const int reads = probe.reads;
    QTRY_VERIFY_WITH_TIMEOUT(probe.reads >= reads + 2 || m_events.size() > triggers + 1, 10000);
    QCOMPARE(m_events.size(), triggers + 1);
}

void tst_BrowserStepBackLive::startFromOwnWindow(Browser browser, const QStringList &pages,
                                                 qint32 &pid, Window &window)
{
    const RunningApplication own = m_desk.ownApp();
    // Back on the first desktop, where our window is: the window manager
    // brings no window forward from another.
    QVERIFY(m_desk.switchToDesktop(0));
    QVERIFY(m_desk.workspace().activate(own));
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.workspace().frontmostApplication(), std::optional(own), 10000);
    m_browser =
        browser == Browser::chromium ? m_desk.startChromium(pages) : m_desk.startFirefox(pages);
    QVERIFY(m_browser);
    m_running = browser;
    if (!QTest::qWaitFor([&] { return m_desk.processOf(browser) != 0; },
                         testing::LiveBrowserDesk::startTimeoutMs)) {
        // A browser that never showed a window says why in its own log.
        QFAIL(qPrintable(
            QStringLiteral("the browser showed no window; its process is %1; it said:\n%2")
                .arg(m_browser->state() == QProcess::Running
                         ? QStringLiteral("running")
                         : QStringLiteral("gone, exit code %1").arg(m_browser->exitCode()),
                     m_desk.desktop().logEndOf(m_browser))));
    }
    pid = m_desk.processOf(browser);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), pages.first(),
                      testing::LiveBrowserDesk::startTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.tabCount(pid), int(pages.size()), 10000);
    const QList<Window> windows = m_desk.windowsOf(pid);
    QCOMPARE(windows.size(), 1);
    window = windows.first();
}

void tst_BrowserStepBackLive::awaitTrigger(Browser browser, size_t count)
{
    if (QTest::qWaitFor([&] { return m_events.size() >= count; }, 20000)) {
        QCOMPARE(m_events.size(), count);
        return;
    }
    const auto &probe = static_cast<const CountingProbe &>(
        *m_probes.value(testing::LiveBrowserDesk::identifier(browser)));
    const std::optional<platform::ApplicationWindow> front = m_desk.workspace().frontmostWindow();
    // What the test reads itself, and a picture, tell a page that never
    // loaded from one the watcher could not read.
    const QString shot =
        m_desk.desktop().screenshot(QStringLiteral("no-trigger-%1-%2")
                                        .arg(QString::fromLatin1(QTest::currentTestFunction()),
                                             QString::fromLatin1(QTest::currentDataTag())));
    qWarning("no trigger; in front: %s window %u, showing \"%s\" as the test reads it (%s); the "
             "latest reads:\n%s\nthe window in front holds:\n%s",
             qPrintable(front ? front->application.bundleIdentifier : QStringLiteral("nothing")),
             front ? front->id : 0u, qPrintable(m_desk.shownAddress(browser)), qPrintable(shot),
             qPrintable(probe.seen->join(u'\n')),
             qPrintable(front ? m_desk.frontWindowTree(front->application.processIdentifier)
                              : QString()));
    QCOMPARE(m_events.size(), count);
}

void tst_BrowserStepBackLive::followNext(qint32 pid)
{
    // A page still loading may not show its link yet; once followed, it is gone.
    bool followed = false;
    QTRY_VERIFY_WITH_TIMEOUT(
        followed || (followed = m_desk.followLink(pid, QStringLiteral("next"))), 10000);
}

void tst_BrowserStepBackLive::clickStepBack(const std::shared_ptr<TriggerEvent> &event,
                                            PanelWatch &watch, bool focused)
{
    QTRY_VERIFY_WITH_TIMEOUT(
        panel() && panel()->isVisible() && (!focused || panel()->isActiveWindow()), 10000);
    QWidget *button = panel()->findChild<QWidget *>(QStringLiteral("friction.button.stepBack"));
    QVERIFY(button);
    // The buttons wake after a second.
    QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 10000);
    watch.feedback = panel()->findChild<QLabel *>(QStringLiteral("friction.panel.feedback"));
    QVERIFY(watch.feedback);
    const FrictionViewModel *model = m_controller->activeViewModel();
    connect(model, &FrictionViewModel::feedbackChanged, &watch.context, [&watch, model] {
        watch.failureShown = watch.failureShown || model->feedback().isFailure();
    });
    connect(m_controller.get(), &FrictionPanelController::panelActiveSubject, &watch.context,
            [&watch](bool active) {
                if (!active && watch.goneAfterMs < 0)
                    watch.goneAfterMs = watch.sinceClick.elapsed();
            });
    watch.sinceClick.start();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(event->outcomeRaw(), QStringLiteral("stepBack"), 20000);
}

void tst_BrowserStepBackLive::stepBackFromThePanel(const std::shared_ptr<TriggerEvent> &event,
                                                   bool focused)
{
    PanelWatch watch;
    clickStepBack(event, watch, focused);
    if (QTest::currentTestFailed())
        return;
    // Gone: another panel may follow it at once.
    QTRY_VERIFY_WITH_TIMEOUT(watch.goneAfterMs >= 0 && !m_controller->isAnimating(), 10000);
    // A step back that worked is told as one: the panel goes on its own
    // short timing, never by way of the failure line.
    qInfo("the panel went %lld ms after the click", watch.goneAfterMs);
    QVERIFY2(!watch.failureShown, "the panel said it could not step back");
}

void tst_BrowserStepBackLive::noPanelFor(int ms, size_t triggers)
{
    const bool came = QTest::qWaitFor([&] { return m_events.size() > triggers || panel(); }, ms);
    QVERIFY2(!came, "a panel came back");
    QCOMPARE(m_events.size(), triggers);
}

void tst_BrowserStepBackLive::secondWindowInFront_data()
{
    QTest::addColumn<Browser>("browser");
    QTest::addColumn<FirstWindow>("first");
    QTest::addColumn<bool>("withHistory");
    for (const auto &[browser, name] :
         {std::pair(Browser::chromium, "chromium"), std::pair(Browser::firefox, "firefox")}) {
        QTest::addRow("%s: first behind, back in the same tab", name)
            << browser << FirstWindow::behind << true;
        QTest::addRow("%s: first minimised, a single tab that cannot go back", name)
            << browser << FirstWindow::minimised << false;
        QTest::addRow("%s: first on another desktop, back in the same tab", name)
            << browser << FirstWindow::onAnotherDesktop << true;
    }
}

void tst_BrowserStepBackLive::secondWindowInFront()
{
    QFETCH(Browser, browser);
    QFETCH(FirstWindow, first);
    QFETCH(bool, withHistory);
    const QString id = testing::LiveBrowserDesk::identifier(browser);
    const QString blocked = m_desk.pageUrl("/blocked");
    const QString allowed = m_desk.pageUrl("/allowed");
    const QString other = m_desk.pageUrl("/other");
    const size_t triggers = m_events.size();

    // The first window keeps two tabs of allowed pages, the one in front
    // with a page before it: a step back there would show.
    qint32 pid = 0;
    Window firstWindow = 0;
    startFromOwnWindow(browser, {other, allowed}, pid, firstWindow);
    if (QTest::currentTestFailed())
        return;
    followNext(pid);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    if (first == FirstWindow::minimised)
        QVERIFY(m_desk.minimiseWindow(firstWindow));
    if (first == FirstWindow::onAnotherDesktop)
        QVERIFY(m_desk.moveWindowToDesktop(firstWindow, 1));
    QVERIFY(m_desk.openWindow(m_browser, browser, withHistory ? allowed : blocked));
    if (withHistory) {
        // The same page as the first window's, told apart by place (or,
        // for two alike, by the toolkit's mark of the active one).
        QTRY_COMPARE_WITH_TIMEOUT(m_desk.tabCount(pid), 1, 10000);
        COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
        followNext(pid);
    }

    // The blocked page in front brings its panel.
    awaitTrigger(browser, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    const std::shared_ptr<TriggerEvent> event = m_events.back();
    QCOMPARE(event->matchedBundleId(), std::optional(id));
    stepBackFromThePanel(event);
    if (QTest::currentTestFailed())
        return;

    // The window in front went back, or lost the blocked tab to a new one.
    QCOMPARE(m_browser->state(), QProcess::Running);
    if (withHistory)
        COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(!m_desk.shownAddress(browser).isEmpty() &&
                                     m_desk.shownAddress(browser) != blocked,
                                 10000);
    QCOMPARE(m_desk.tabCount(pid), 1);
    QCOMPARE(m_desk.windowsOf(pid).size(), 2);
    // The first window kept its tabs, and the page in front of them.
    QVERIFY(m_desk.activateWindow(firstWindow));
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.tabCount(pid), 2, 10000);
    QCOMPARE(m_events.size(), triggers + 1);
}

void tst_BrowserStepBackLive::blockedPageInTheWindowBehind_data()
{
    QTest::addColumn<Browser>("browser");
    QTest::newRow("chromium") << Browser::chromium;
    QTest::newRow("firefox") << Browser::firefox;
}

void tst_BrowserStepBackLive::blockedPageInTheWindowBehind()
{
    QFETCH(Browser, browser);
    const QString id = testing::LiveBrowserDesk::identifier(browser);
    const size_t triggers = m_events.size();

    // The blocked page is left in the first window, behind one with an
    // allowed page, before the streak looks: as when Halvex starts.
    m_streak->setIsPaused(true);
    qint32 pid = 0;
    Window firstWindow = 0;
    startFromOwnWindow(browser, {m_desk.pageUrl("/blocked")}, pid, firstWindow);
    if (QTest::currentTestFailed())
        return;
    const QString allowed = m_desk.pageUrl("/allowed");
    QVERIFY(m_desk.openWindow(m_browser, browser, allowed));
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    // The watcher has read it too, so that no read of the first window
    // kept from before the second opened is taken for what is in front.
    auto &probe = static_cast<CountingProbe &>(*m_probes.value(id));
    const auto fetched = [&probe] {
        const QFuture<URLReadResult> read = probe.fetchURL();
        const bool done = QTest::qWaitFor([&] { return read.isFinished(); }, 10000);
        const URLReadResult result = done ? read.result() : URLReadResult(std::optional<QUrl>());
        return result && result.value() ? result.value()->toString() : QString();
    };
    COMPARE_LIVE_READ(fetched(), allowed, 10000);
    const int fetchedReads = probe.reads;
    QTRY_VERIFY_WITH_TIMEOUT(probe.reads > fetchedReads, 10000);
    m_streak->setIsPaused(false);
    m_engine->sendRulesChanged(true);

    // No panel, however often the watcher reads the browser.
    const int reads = probe.reads;
    QTRY_VERIFY_WITH_TIMEOUT(probe.reads >= reads + 2 || m_events.size() > triggers, 10000);
    QCOMPARE(m_events.size(), triggers);

    // Its window in front, the page brings its panel.
    QVERIFY(m_desk.activateWindow(firstWindow));
    awaitTrigger(browser, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_events.back()->matchedBundleId(), std::optional(id));
    QTRY_VERIFY_WITH_TIMEOUT(panel() && panel()->isActiveWindow(), 10000);
}

void tst_BrowserStepBackLive::windowChangedUnderThePanel_data()
{
    QTest::addColumn<Browser>("browser");
    QTest::addColumn<UnderThePanel>("change");
    for (const auto &[browser, name] :
         {std::pair(Browser::chromium, "chromium"), std::pair(Browser::firefox, "firefox")}) {
        QTest::addRow("%s: the other window brought to the front", name)
            << browser << UnderThePanel::otherWindowToTheFront;
        QTest::addRow("%s: the page's window closed", name)
            << browser << UnderThePanel::pagesWindowClosed;
        QTest::addRow("%s: another desktop", name) << browser << UnderThePanel::otherDesktop;
    }
}

void tst_BrowserStepBackLive::windowChangedUnderThePanel()
{
    QFETCH(Browser, browser);
    QFETCH(UnderThePanel, change);
    const QString allowed = m_desk.pageUrl("/allowed");
    const size_t triggers = m_events.size();

    // Window A: two tabs, the one in front with a page before it.
    qint32 pid = 0;
    Window windowA = 0;
    startFromOwnWindow(browser, {m_desk.pageUrl("/other"), allowed}, pid, windowA);
    if (QTest::currentTestFailed())
        return;
    followNext(pid);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    // Window B: the blocked page, with a page before it, brings its panel.
    const std::optional<Window> windowB = m_desk.openWindow(m_browser, browser, allowed);
    QVERIFY(windowB);
    // Both show one page at one place: the toolkit's mark of the active
    // window tells them apart, and a busy browser sets it a moment late.
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.tabCount(pid), 1, 10000);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    followNext(pid);
    awaitTrigger(browser, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY_WITH_TIMEOUT(panel() && panel()->isActiveWindow(), 10000);

    switch (change) {
    case UnderThePanel::otherWindowToTheFront:
        // The panel takes the focus straight back, so the window may have
        // had it only for a moment: it stays raised over the page's own.
        m_desk.activateWindow(windowA);
        QTRY_VERIFY_WITH_TIMEOUT(m_desk.isStackedAbove(windowA, *windowB), 10000);
        break;
    case UnderThePanel::pagesWindowClosed:
        QVERIFY(m_desk.closeWindow(*windowB));
        break;
    case UnderThePanel::otherDesktop:
        // The panel follows; the browser's windows stay behind.
        QVERIFY(m_desk.moveWindowToDesktop(windowA, 1));
        QVERIFY(m_desk.switchToDesktop(2));
        break;
    }
    // What is in front now, read by the watcher too, brings no panel.
    if (change != UnderThePanel::otherDesktop)
        COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    stepBackFromThePanel(m_events.back(), false);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(m_browser->state(), QProcess::Running);
    if (change != UnderThePanel::pagesWindowClosed) {
        // B came to the front (its desktop too) and went back; the blocked page is gone.
        QCOMPARE(m_desk.windowsOf(pid).size(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_desk.workspace().frontmostWindow().value_or(platform::ApplicationWindow{}).id,
            *windowB, 10000);
        COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
        QCOMPARE(m_desk.tabCount(pid), 1);
        QVERIFY(m_desk.activateWindow(windowA));
    } else {
        QCOMPARE(m_desk.windowsOf(pid), QList<Window>{windowA});
    }
    // A kept its two tabs and the page in front of them.
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.tabCount(pid), 2, 10000);
    QCOMPARE(m_events.size(), triggers + 1);
}

void tst_BrowserStepBackLive::privateWindow()
{
    QFETCH(Browser, browser);
    const QString id = testing::LiveBrowserDesk::identifier(browser);
    const QString allowed = m_desk.pageUrl("/allowed");
    const QString other = m_desk.pageUrl("/other");
    const size_t triggers = m_events.size();

    qint32 pid = 0;
    Window plain = 0;
    startFromOwnWindow(browser, {other}, pid, plain);
    if (QTest::currentTestFailed())
        return;
    // The window manager's title lacks the mark the accessible one has.
    const std::optional<Window> privateWindow =
        m_desk.openWindow(m_browser, browser, allowed, true);
    QVERIFY(privateWindow);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    followNext(pid);
    awaitTrigger(browser, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_events.back()->matchedBundleId(), std::optional(id));
    stepBackFromThePanel(m_events.back());
    if (QTest::currentTestFailed())
        return;

    // Back in the private window; the plain one kept its page.
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), allowed, 10000);
    QCOMPARE(m_desk.workspace().frontmostWindow().value_or(platform::ApplicationWindow{}).id,
             *privateWindow);
    QVERIFY(m_desk.activateWindow(plain));
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), other, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.tabCount(pid), 1, 10000);
    QCOMPARE(m_events.size(), triggers + 1);
}

void tst_BrowserStepBackLive::popupWindow()
{
    QFETCH(Browser, browser);
    const QString opener = m_desk.pageUrl("/opener");
    const size_t triggers = m_events.size();

    qint32 pid = 0;
    Window openerWindow = 0;
    startFromOwnWindow(browser, {opener}, pid, openerWindow);
    if (QTest::currentTestFailed())
        return;
    bool opened = false;
    QTRY_VERIFY_WITH_TIMEOUT(opened || (opened = m_desk.followLink(pid, QStringLiteral("popup"))),
                             10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.windowsOf(pid).size(), 2, 20000);
    Window popup = 0;
    for (const Window window : m_desk.windowsOf(pid)) {
        if (window != openerWindow)
            popup = window;
    }
    // Opened by an accessibility press, with no click for the window manager
    // to see, it may come up behind its opener: the user clicks it forward.
    const auto popupInFront = [&] {
        const auto front = m_desk.workspace().frontmostWindow();
        return front && front->id == popup;
    };
    if (!QTest::qWaitFor(popupInFront, 3000)) {
        qInfo("the popup came up behind its opener: brought forward");
        QVERIFY(m_desk.activateWindow(popup));
    }
    QTRY_VERIFY_WITH_TIMEOUT(popupInFront(), 10000);
    awaitTrigger(browser, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    if (browser == Browser::chromium) {
        // Where a busy Chromium never builds the popup's page, its first
        // field is read: the address, out of the user's typing.
        platform::AccessibilityHost &host = m_desk.host();
        const auto window = halvex::copyElementAttribute(host, host.applicationElement(pid),
                                                         platform::ax::focusedWindow);
        QVERIFY(window);
        const auto fields =
            host.findDescendants(*window, QString::fromLatin1(platform::ax::textFieldRole), 1);
        QVERIFY(fields && fields->size() == 1);
        QVERIFY(halvex::copyStringAttribute(host, fields->first(), platform::ax::value)
                    .value_or(QString())
                    .endsWith(QLatin1String("/blocked/popup")));
        QCOMPARE(halvex::copyBoolAttribute(host, fields->first(), platform::ax::focused),
                 std::optional(false));
    }
    stepBackFromThePanel(m_events.back());
    if (QTest::currentTestFailed())
        return;

    // The popup closed; its opener is as it was, and nothing fires again.
    QTRY_COMPARE_WITH_TIMEOUT(m_desk.windowsOf(pid), QList<Window>{openerWindow}, 10000);
    noPanelFor(6000, triggers + 1);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), opener, 10000);
    QCOMPARE(m_desk.tabCount(pid), 1);
    QCOMPARE(m_browser->state(), QProcess::Running);
}

void tst_BrowserStepBackLive::secondProcess()
{
    const QString id = testing::LiveBrowserDesk::identifier(Browser::chromium);
    const QString allowed = m_desk.pageUrl("/allowed");
    const size_t triggers = m_events.size();

    // The first process keeps a blocked page, opened while the streak rests.
    m_streak->setIsPaused(true);
    qint32 first = 0;
    Window firstWindow = 0;
    startFromOwnWindow(Browser::chromium, {m_desk.pageUrl("/blocked")}, first, firstWindow);
    if (QTest::currentTestFailed())
        return;
    m_secondBrowser = m_desk.startChromium({allowed});
    QVERIFY(m_secondBrowser);
    qint32 second = 0;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const RunningApplication &running : m_desk.workspace().runningApplications(id)) {
                if (running.processIdentifier != first)
                    second = running.processIdentifier;
            }
            return second != 0;
        }(),
        testing::LiveBrowserDesk::startTimeoutMs);
    COMPARE_LIVE_READ(m_desk.shownAddress(Browser::chromium), allowed,
                      testing::LiveBrowserDesk::startTimeoutMs);
    auto &probe = static_cast<CountingProbe &>(*m_probes.value(id));
    m_streak->setIsPaused(false);
    m_engine->sendRulesChanged(true);
    // The allowed page in front brings none, the blocked one behind it neither.
    const int reads = probe.reads;
    QTRY_VERIFY_WITH_TIMEOUT(probe.reads >= reads + 2 || m_events.size() > triggers, 10000);
    QCOMPARE(m_events.size(), triggers);

    // The blocked page in the second process's window, in front, does.
    followNext(second);
    awaitTrigger(Browser::chromium, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    stepBackFromThePanel(m_events.back());
    if (QTest::currentTestFailed())
        return;
    COMPARE_LIVE_READ(m_desk.shownAddress(Browser::chromium), allowed, 10000);
    QCOMPARE(m_desk.workspace().frontmostOf(id).value_or(RunningApplication{}).processIdentifier,
             second);
    // The first process's window was not touched.
    QCOMPARE(m_desk.windowsOf(first), QList<Window>{firstWindow});
    QCOMPARE(m_desk.tabCount(first), 1);
    QCOMPARE(m_events.size(), triggers + 1);
}

void tst_BrowserStepBackLive::stepBackOntoAnotherStreaksPage()
{
    QFETCH(Browser, browser);
    const size_t triggers = m_events.size();
    // Both pages are opened while the streaks rest.
    m_streak->setIsPaused(true);
    m_secondStreak->setIsPaused(true);
    qint32 pid = 0;
    Window window = 0;
    startFromOwnWindow(browser, {m_desk.pageUrl("/second")}, pid, window);
    if (QTest::currentTestFailed())
        return;
    followNext(pid);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), m_desk.pageUrl("/blocked"), 10000);
    // The watcher has read it too: no read of the page before is left over.
    auto &probe = static_cast<CountingProbe &>(
        *m_probes.value(testing::LiveBrowserDesk::identifier(browser)));
    const int reads = probe.reads;
    QTRY_VERIFY_WITH_TIMEOUT(probe.reads > reads, 10000);
    m_streak->setIsPaused(false);
    m_secondStreak->setIsPaused(false);
    awaitTrigger(browser, triggers + 1);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_events.back()->streak(), m_streak);
    stepBackFromThePanel(m_events.back());
    if (QTest::currentTestFailed())
        return;

    // The page it went back to is the second streak's: its panel comes, as
    // a page's, not a link's from another application.
    awaitTrigger(browser, triggers + 2);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_events.back()->streak(), m_secondStreak);
    QCOMPARE(m_events.back()->triggerSourceRaw(), QStringLiteral("url"));
    QTRY_VERIFY_WITH_TIMEOUT(panel() && panel()->isActiveWindow(), 10000);
    COMPARE_LIVE_READ(m_desk.shownAddress(browser), m_desk.pageUrl("/second"), 10000);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_BrowserStepBackLive>(argc, argv,
                                                                 {QString::fromLatin1(ownClass)});
}

#include "tst_BrowserStepBackLive.moc"
