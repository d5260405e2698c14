#include <QAbstractButton>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "FakeAutomationChecking.h"
#include "FakeSystemAppearance.h"
#include "FakeLaunchAtLoginBackend.h"
#include "FakeSystemSleep.h"
#include "FakeUserNotificationCenter.h"
#include "FakeWorkspace.h"
#include "StoreFixture.h"
#include "app/AppDelegate.h"
#include "app/CoreServices.h"
#include "app/LifecycleManager.h"
#include "app/LiveSurfaces.h"
#include "app/MenuBarInstallation.h"
#include "app/MilestoneScheduler.h"
#include "app/NotificationService.h"
#include "app/StartupNotices.h"
#include "engine/BypassController.h"
#include "engine/NotificationHub.h"
#include "engine/StreakEngine.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/AutomationProbe.h"
#include "menubar/PopoverWindowController.h"
#include "menubar/StatusItemController.h"
#include "model/AppSettings.h"
#include "model/TriggerEvent.h"
#include "platform/UserDefaults.h"
#include "settings/SettingsWindow.h"
#include "stats/ReviewPromptCoordinator.h"
#include "stats/StatsWindow.h"
#include "ui/Motion.h"

using namespace halvex;
using fennimar::ActivationPolicy;

namespace {

// Writes each policy it is given into the launch's journal.
class JournalPolicy final : public fennimar::ActivationPolicyBackend {
public:
    explicit JournalPolicy(QStringList &journal)
        : m_journal(journal)
    {}
    ActivationPolicy activationPolicy() const override { return m_policy; }
    void setActivationPolicy(ActivationPolicy policy) override
    {
        m_policy = policy;
        m_journal << (policy == ActivationPolicy::accessory ? "accessory" : "regular");
    }

private:
    QStringList &m_journal;
    ActivationPolicy m_policy = ActivationPolicy::regular;
};

// One launch of the shell over fakes of the desktop and an in-memory store.
// The surfaces that come with windows write what the shell had done by the
// time it called them into the journal.
struct Launch {
    testing::StoreFixture f;
    QTemporaryDir folder;
    testing::FakeWorkspace workspace;
    testing::FakeAutomationChecking automationChecking;
    fennimar::AutomationProbe automation{workspace, automationChecking};
    // Each permission refresh reads our accessibility trust once.
    int trustReads = 0;
    testing::FakeSystemSleep sleep;
    testing::FakeUserNotificationCenter notifications;
    testing::FakeLaunchAtLoginBackend loginItem;
    QStringList journal;
    fennimar::ActivationPolicyCoordinator policy{std::make_shared<JournalPolicy>(journal)};
    testing::FakeSystemAppearance appearance;
    platform::UserDefaults defaults{folder.filePath("defaults.ini")};
    QStringList arguments{"halvex"};
    QProcessEnvironment environment;
    // A store whose file cannot be opened, in place of the fixture's.
    std::unique_ptr<PersistenceController> damagedStore;
    // Closes the start-up notices shown, once they are.
    std::function<void()> readNotices;
    bool loginLaunch = false;
    std::function<void()> sigterm;
    QList<int> exits;
    std::unique_ptr<AppDelegate> delegate;

    QString state() const
    {
        const CoreServices *s = delegate->coreServices();
        return QStringList{s->lifecycleManager->isStarted() ? "housekeeping" : "",
                           s->triggerWatcher->isStarted() ? "watching" : "",
                           delegate->frictionPanelController() ? "panel" : ""}
            .join(u' ')
            .simplified();
    }

    AppSurfaces surfaces()
    {
        AppSurfaces surfaces;
        surfaces.presentNotices = [this](const StartupNotices &notices,
                                         std::function<void()> read) {
            QStringList topics;
            for (const NoticeView::Topic &topic : notices.topics())
                topics << topic.objectName.section(u'.', -1);
            journal << "notices: " + topics.join(u", ");
            readNotices = std::move(read);
        };
        surfaces.configureSettings = [this] { journal << "settings"; };
        surfaces.openOnboarding = [this] { journal << "onboarding: " + state(); };
        surfaces.installMenuBar = [this] { journal << "menu bar: " + state(); };
        surfaces.revealPopover = [this](std::function<void()> done) {
            journal << "reveal";
            done();
            return true;
        };
        return surfaces;
    }

    void launch()
    {
        make();
        start();
    }

    void make()
    {
        delegate = std::make_unique<AppDelegate>(
            AppPlatform{
                arguments,
                environment,
                [this](std::function<void()> handler) { sigterm = std::move(handler); },
                [this](int status) { exits << status; },
                [this] { journal << "origin"; },
                [this] { return loginLaunch; },
                [this]() -> PersistenceController & {
                    return damagedStore ? *damagedStore : f.persistence;
                },
                StoreEnvironment{folder.path(), folder.path(), {}},
                [this] { return f.now; },
                f.zone,
                f.scheduler,
                workspace,
                sleep,
                notifications,
                loginItem,
                policy,
                appearance,
                defaults,
                {},
                [](const QString &) { return fennimar::AutomationStatus::granted; },
                {[this] { return ++trustReads, false; }, [] { return false; }},
                automation,
                {},
                QStringLiteral("halvex"),
            },
            surfaces());
    }

    void start()
    {
        delegate->applicationWillFinishLaunching();
        delegate->applicationDidFinishLaunching();
    }

    void damageStore()
    {
        QVERIFY(QDir().mkpath(folder.filePath("Halvex/Halvex.sqlite")));
        damagedStore = std::make_unique<PersistenceController>(
            false, StoreEnvironment{folder.path(), folder.path(), {}});
        QVERIFY(damagedStore->degraded());
    }

    void completeFirstLaunch()
    {
        AppSettings::fetchOrCreate(f.context())->setFirstLaunchCompleted(true);
        QVERIFY(f.save());
    }

    int rows(const QString &table)
    {
        QSqlQuery q(f.persistence.container().database());
        return q.exec(u"SELECT COUNT(*) FROM \"" + table + u'"') && q.next() ? q.value(0).toInt()
                                                                             : -1;
    }
};

} // namespace

class tst_AppDelegate : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Motion::setReduceMotion(true); }
    void init() { launch = std::make_unique<Launch>(); }
    void cleanup() { launch.reset(); }

    void startUpOrder_data();
    void startUpOrder();
    void startupNoticesComeBeforeTheFirstWindow_data();
    void startupNoticesComeBeforeTheFirstWindow();
    void finishingOnboardingInstallsTheUIOnce();
    void siteStreaksLoseTheirBrowserListsAndLimitedModeFollows();
    void permissionsRefreshWhenWeComeToTheFront_data();
    void permissionsRefreshWhenWeComeToTheFront();
    void aBlockedApplicationInFrontAtLaunchGetsItsPanel();
    void anotherLaunchRevealsThePopoverUnlessAPanelIsUp_data();
    void anotherLaunchRevealsThePopoverUnlessAPanelIsUp();
    void theServicesFollowTheSystemsTimeZone_data();
    void theServicesFollowTheSystemsTimeZone();
    void notificationsArePlannedAtStartAndTakenBackAtQuit();
    void theWindowsAnswerTheCommandsAndGoWithTheUI();
    void thePopoverOpensTheWindowsAndQuits_data();
    void thePopoverOpensTheWindowsAndQuits();
    void everyWayOutQuitsOnce_data();
    void everyWayOutQuitsOnce();
    void anUnansweredRetractionWaitsTwoSeconds();

private:
    std::unique_ptr<Launch> launch;
};

void tst_AppDelegate::startUpOrder_data()
{
    QTest::addColumn<bool>("firstLaunchCompleted");
    QTest::addColumn<QString>("launchedBy");
    QTest::addColumn<QStringList>("journal");
    QTest::addColumn<QString>("after");

    const QStringList normal{"origin", "accessory", "settings",
                             "menu bar: housekeeping watching panel"};
    QTest::newRow("first launch") << false << "user"
                                  << QStringList{"origin", "accessory", "settings",
                                                 "onboarding: housekeeping"}
                                  << "housekeeping";
    QTest::newRow("normal launch")
        << true << "user" << normal + QStringList{"reveal"} << "housekeeping watching panel";
    QTest::newRow("launch at login") << true << "login" << normal << "housekeeping watching panel";
    QTest::newRow("launched for a UI test")
        << true << "--ui-test" << normal << "housekeeping watching panel";
    QTest::newRow("a unit-test host") << true << "test host" << QStringList{"origin"} << "";
}

void tst_AppDelegate::startUpOrder()
{
    QFETCH(bool, firstLaunchCompleted);
    QFETCH(QString, launchedBy);
    if (firstLaunchCompleted)
        launch->completeFirstLaunch();
    launch->loginLaunch = launchedBy == "login";
    if (launchedBy == "--ui-test")
        launch->arguments << launchedBy;
    if (launchedBy == "test host")
        launch->environment.insert(AppDelegate::testHostKey, "/tmp/tests.xctestconfiguration");

    launch->launch();
    QTEST(launch->journal, "journal");
    AppDelegate &delegate = *launch->delegate;
    QVERIFY(!delegate.isPopoverRevealPending());
    if (launchedBy == "test host") {
        QVERIFY(!delegate.persistence() && !delegate.coreServices());
        QVERIFY(!launch->sigterm);
        QVERIFY(launch->sleep.calls.isEmpty());
        return;
    }
    QTEST(launch->state(), "after");
    QCOMPARE(delegate.isAppUIInstalled(), firstLaunchCompleted);
    QCOMPARE(delegate.uiAllowed(), firstLaunchCompleted);
    QCOMPARE(
        bool(delegate.frictionPanelController() && delegate.frictionPanelController()->isStarted()),
        firstLaunchCompleted);
    QVERIFY(launch->sigterm);
    QVERIFY(launch->sleep.subscribed);
}

void tst_AppDelegate::startupNoticesComeBeforeTheFirstWindow_data()
{
    QTest::addColumn<bool>("damaged");    // else a completed first launch on a good store
    QTest::addColumn<QString>("session"); // "x11", "wayland", or "wayland, told before"
    QTest::addColumn<bool>("quit");       // the user quits from the notices
    QTest::addColumn<QStringList>("untilRead");
    QTest::addColumn<QStringList>("afterRead");

    const QStringList start{"origin", "accessory", "settings"};
    const QString menuBar = "menu bar: housekeeping watching panel";
    QTest::newRow("a store that cannot be opened")
        << true << "x11" << false << start + QStringList{"notices: store"}
        << QStringList{"onboarding: housekeeping"};
    QTest::newRow("a store that cannot be opened, and the user quits")
        << true << "x11" << true << start + QStringList{"notices: store"} << QStringList{};
    QTest::newRow("a Wayland session")
        << false << "wayland" << false << start + QStringList{"notices: xwayland", menuBar}
        << QStringList{"reveal"};
    QTest::newRow("a Wayland session, told before")
        << false << "wayland, told before" << false << start + QStringList{menuBar, "reveal"}
        << QStringList{};
    QTest::newRow("both") << true << "wayland" << false
                          << start + QStringList{"notices: store, xwayland"}
                          << QStringList{"onboarding: housekeeping"};
}

void tst_AppDelegate::startupNoticesComeBeforeTheFirstWindow()
{
    QFETCH(bool, damaged);
    QFETCH(QString, session);
    QFETCH(bool, quit);
    if (damaged)
        launch->damageStore();
    else
        launch->completeFirstLaunch();
    if (session.startsWith(u"wayland"))
        launch->environment.insert("XDG_SESSION_TYPE", "wayland");
    if (session.endsWith(u"told before"))
        launch->defaults.setValue(StartupNotices::xwaylandReadKey, true);

    launch->launch();
    QTEST(launch->journal, "untilRead");
    AppDelegate &delegate = *launch->delegate;
    QCOMPARE(delegate.areNoticesOpen(), bool(launch->readNotices));
    if (!launch->readNotices)
        return;
    // Only what is said once is remembered, once it was read.
    QVERIFY(!launch->defaults.contains(StartupNotices::xwaylandReadKey));

    const QStringList before = launch->journal;
    if (quit)
        delegate.requestQuit();
    launch->readNotices();
    QFETCH(QStringList, afterRead);
    QCOMPARE(launch->journal, before + afterRead);
    QVERIFY(!delegate.areNoticesOpen() && !delegate.isPopoverRevealPending());
    QCOMPARE(launch->defaults.boolValue(StartupNotices::xwaylandReadKey, false),
             session == u"wayland");
    // A second read changes nothing.
    launch->readNotices();
    QCOMPARE(launch->journal, before + afterRead);
}

void tst_AppDelegate::finishingOnboardingInstallsTheUIOnce()
{
    launch->launch();
    launch->journal.clear();
    int revealed = 0;
    // No status item yet to reveal from: the completion never runs.
    QVERIFY(!launch->delegate->revealPopover([&] { ++revealed; }));

    launch->completeFirstLaunch();
    emit NotificationHub::shared().onboardingCompleted();
    emit NotificationHub::shared().onboardingCompleted();
    // Onboarding reveals the popover itself, once its window goes.
    QCOMPARE(launch->journal, QStringList{"menu bar: housekeeping panel"});
    QCOMPARE(launch->state(), "housekeeping watching panel");
    QVERIFY(launch->delegate->revealPopover([&] { ++revealed; }));
    QCOMPARE(revealed, 1);
    launch->journal.removeAll("reveal");

    // A reset takes the UI down and brings onboarding back, from the event loop.
    AppSettings::fetchOrCreate(launch->f.context())->setFirstLaunchCompleted(false);
    QVERIFY(launch->f.save());
    emit NotificationHub::shared().onboardingReset();
    QVERIFY(!launch->delegate->isAppUIInstalled() && !launch->delegate->frictionPanelController());
    QCOMPARE(launch->journal.size(), 1);
    QTRY_COMPARE(launch->journal.size(), 2);
    QCOMPARE(launch->journal.last(), "onboarding: housekeeping");
}

void tst_AppDelegate::siteStreaksLoseTheirBrowserListsAndLimitedModeFollows()
{
    auto site = launch->f.addStreak();
    site->setTypeRaw("site");
    site->setBrowsers({"safari", "firefox"});
    auto app = launch->f.addStreak();
    app->setBrowsers({"chrome"});
    auto settings = AppSettings::fetchOrCreate(launch->f.context());
    settings->setLimitedMode(true);
    QVERIFY(launch->f.save());

    launch->launch();
    QCOMPARE(site->browsers(), QStringList{});
    QCOMPARE(app->browsers(), QStringList{"chrome"});
    // No site streak names a browser any more: nothing is limited.
    QTRY_VERIFY(!settings->limitedMode());
    QVERIFY(!launch->f.context().hasChanges());

    // Only a change is written.
    int saves = 0;
    connect(&launch->f.context(), &ModelContext::didSave, this, [&] { ++saves; });
    launch->delegate->coreServices()->streakEngine->reload();
    QCoreApplication::processEvents();
    QCOMPARE(saves, 0);
    site->setBrowsers({"safari"});
    launch->delegate->coreServices()->streakEngine->reload();
    QTRY_VERIFY(settings->limitedMode());
    QCOMPARE(saves, 1);
}

void tst_AppDelegate::permissionsRefreshWhenWeComeToTheFront_data()
{
    QTest::addColumn<bool>("firstLaunchCompleted");
    QTest::addColumn<QString>("activated");
    QTest::addColumn<int>("refreshes");
    QTest::newRow("this application") << true << "halvex" << 1;
    QTest::newRow("another application") << true << "mail" << 0;
    QTest::newRow("this application during onboarding") << false << "halvex" << 0;
}

void tst_AppDelegate::permissionsRefreshWhenWeComeToTheFront()
{
    QFETCH(bool, firstLaunchCompleted);
    QFETCH(QString, activated);
    if (firstLaunchCompleted)
        launch->completeFirstLaunch();
    launch->launch();
    QCoreApplication::processEvents();
    const int before = launch->trustReads;

    launch->workspace.announceActivation(testing::FakeWorkspace::app(activated, 9));
    QCoreApplication::processEvents();
    QTEST(launch->trustReads - before, "refreshes");
}

void tst_AppDelegate::aBlockedApplicationInFrontAtLaunchGetsItsPanel()
{
    launch->completeFirstLaunch();
    launch->f.addStreak(); // blocks "code"
    QVERIFY(launch->f.save());
    launch->workspace.frontmost = testing::FakeWorkspace::app("code", 42);

    launch->launch();
    // Reported while the watcher started, before the panel controller
    // existed; received once it listens.
    FrictionPanelController *panels = launch->delegate->frictionPanelController();
    QTRY_VERIFY(panels->isPanelActive());
    QCOMPARE(launch->rows("TriggerEvent"), 1);
}

void tst_AppDelegate::anotherLaunchRevealsThePopoverUnlessAPanelIsUp_data()
{
    QTest::addColumn<QString>("front");
    QTest::addColumn<bool>("reveals");
    QTest::newRow("nothing blocked in front") << "mail" << true;
    QTest::newRow("a panel up") << "code" << false;
}

void tst_AppDelegate::anotherLaunchRevealsThePopoverUnlessAPanelIsUp()
{
    QFETCH(QString, front);
    QFETCH(bool, reveals);
    launch->completeFirstLaunch();
    launch->f.addStreak(); // blocks "code"
    QVERIFY(launch->f.save());
    launch->workspace.frontmost = testing::FakeWorkspace::app(front, 42);
    launch->arguments << AppDelegate::uiTestArgument; // no reveal of its own
    launch->launch();
    FrictionPanelController *panels = launch->delegate->frictionPanelController();
    QTRY_COMPARE(panels->isPanelActive(), !reveals);
    launch->journal.clear();

    // The panel answers the request itself: the popover would open under
    // its backdrop and take the focus.
    launch->delegate->revealOnRequest();
    QCOMPARE(launch->journal, reveals ? QStringList{"reveal"} : QStringList{});
    QCOMPARE(panels->isPanelActive(), !reveals);
    // Nor is it kept for later: answering the panel opens nothing.
    panels->dismiss(false);
    QCoreApplication::processEvents();
    QVERIFY(!launch->delegate->isPopoverRevealPending());
    QCOMPARE(launch->journal.count("reveal"), int(reveals));
}

void tst_AppDelegate::theServicesFollowTheSystemsTimeZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("fires");
    QTest::addColumn<int>("openedAnywayToday");
    // 10:00 here: within the streak's hours. An "open anyway" late yesterday.
    QTest::newRow("unchanged") << QByteArray("Europe/Berlin") << true << 0;
    // 18:00 in Tokyo: past its hours; the same decision fell this morning.
    QTest::newRow("moved to Tokyo") << QByteArray("Asia/Tokyo") << false << 1;
}

void tst_AppDelegate::theServicesFollowTheSystemsTimeZone()
{
    QFETCH(QByteArray, zone);
    launch->completeFirstLaunch();
    auto streak = launch->f.addStreak(); // blocks "code"
    streak->setActiveWindowEnabled(true);
    streak->setActiveWindowStartMinutes(9 * 60);
    streak->setActiveWindowEndMinutes(17 * 60);
    auto decided = std::make_shared<TriggerEvent>(QUuid::createUuid(), testing::local(3, 5, 23, 30),
                                                  TriggerSource::app, std::nullopt, "code");
    decided->setOutcome(TriggerOutcome::openAnyway);
    decided->setStreak(streak);
    launch->f.context().insert(decided);
    QVERIFY(launch->f.save());
    launch->launch();

    launch->f.zone.setZone(QTimeZone(zone));
    CoreServices &services = *launch->delegate->coreServices();
    QTEST(services.bypassController->openAnywayCountToday(streak->id()), "openedAnywayToday");
    launch->workspace.frontmost = testing::FakeWorkspace::app("code", 42);
    services.triggerWatcher->reevaluateCurrent();
    QTEST(services.triggerWatcher->lastFiredBundleId() == QString("code"), "fires");
}

void tst_AppDelegate::notificationsArePlannedAtStartAndTakenBackAtQuit()
{
    launch->completeFirstLaunch();
    const QUuid streak = launch->f.addStreak()->id();
    QVERIFY(launch->f.save());
    launch->notifications.status = platform::NotificationAuthorizationStatus::authorized;
    const auto pending = [&] {
        QStringList ids;
        for (const auto &request : launch->notifications.pending)
            ids << request.identifier;
        ids.sort();
        return ids;
    };
    QStringList milestones;
    for (int day : {14, 180, 30, 365, 60, 7, 90})
        milestones << MilestoneScheduler::milestoneIdentifier(streak, day);
    milestones.sort();

    launch->launch();
    QTRY_COMPARE(pending(), milestones);
    QCOMPARE(launch->notifications.delegate(),
             launch->delegate->coreServices()->notificationService.get());
    launch->delegate->requestQuit();
    QTRY_COMPARE(launch->exits, QList<int>{0});
    QCOMPARE(pending(), QStringList{});

    // The next start plans them again.
    launch->delegate.reset();
    launch->launch();
    QTRY_COMPARE(pending(), milestones);
}

void tst_AppDelegate::theWindowsAnswerTheCommandsAndGoWithTheUI()
{
    launch->completeFirstLaunch();
    launch->make();
    LiveSurfaces live(*launch->delegate);
    launch->delegate->setSurfaces(live.surfaces());
    launch->start();

    launch->delegate->openSettings();
    SettingsWindow *settings = SettingsWindow::shared();
    QVERIFY(settings && settings->router().selectedTab() == SettingsTab::general);
    QVERIFY(QTest::qWaitForWindowActive(settings->window()));
    // Help, on the window's own F1.
    QTest::keyClick(settings->window(), Qt::Key_F1);
    QCOMPARE(settings->router().selectedTab(), SettingsTab::about);

    launch->delegate->openStats();
    QVERIFY(StatsWindow::shared() && StatsWindow::shared()->window()->isVisible());

    // The review prompt's check after the popover closes runs on the shell's scheduler.
    ReviewPromptCoordinator *review = live.reviewPromptCoordinator();
    QVERIFY(review && live.menuBar());
    PopoverWindowController &popover = live.menuBar()->popoverController();
    popover.showAsWindow();
    QTRY_VERIFY(popover.isShown());
    QVERIFY(!review->hasPendingCheck());
    popover.performClose();
    QCOMPARE(launch->f.scheduler.requestedDelays().back(),
             ReviewPromptCoordinator::checkDelaySeconds);
    QVERIFY(review->hasPendingCheck());

    // Onboarding reset: the menu-bar UI goes, and the windows and the
    // review prompt's pending check with it.
    AppSettings::fetchOrCreate(launch->f.context())->setFirstLaunchCompleted(false);
    emit NotificationHub::shared().onboardingReset();
    QTRY_VERIFY(!SettingsWindow::shared() && !StatsWindow::shared());
    QVERIFY(!live.reviewPromptCoordinator());
    // The dropped coordinator's check must not run into it.
    launch->f.scheduler.advance(ReviewPromptCoordinator::checkDelaySeconds);
}

void tst_AppDelegate::thePopoverOpensTheWindowsAndQuits_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opens");
    QTest::newRow("statistics") << "popover.footer.stats"
                                << "stats";
    QTest::newRow("settings") << "popover.footer.settings"
                              << "settings";
    QTest::newRow("quit") << "popover.header.quit"
                          << "quit";
}

void tst_AppDelegate::thePopoverOpensTheWindowsAndQuits()
{
    QFETCH(QString, button);
    QFETCH(QString, opens);
    launch->completeFirstLaunch();
    auto streak = launch->f.addStreak();
    streak->setName("Work");
    streak->setStartedAt(launch->f.now.addDays(-3));
    QVERIFY(launch->f.save());
    launch->make();
    LiveSurfaces live(*launch->delegate);
    launch->delegate->setSurfaces(live.surfaces());
    launch->start();
    launch->delegate->interceptApplicationQuit();

    QVERIFY(live.menuBar());
    StatusItemController &status = live.menuBar()->statusItemController();
    PopoverWindowController &popover = live.menuBar()->popoverController();
    QCOMPARE(status.accessibilityLabel(), "3\u00a0days, Work");
    // The engine behind the icon: a reset turns it red.
    launch->delegate->coreServices()->streakEngine->resetStreak(streak->id());
    QVERIFY(status.iconView().isBreaking());
    QCOMPARE(status.accessibilityLabel(), "0\u00a0days, Work");

    // The launch's reveal waits for a tray; without one it opens the
    // popover, with the streak list in it, as an ordinary window.
    QVERIFY(!popover.isShown());
    launch->f.scheduler.advance(StatusItemController::trayGraceSeconds);
    QVERIFY(popover.isShown() && popover.isStandalone());
    QVERIFY(popover.window()->findChild<QWidget *>("popover.root"));
    QVERIFY(popover.window()->findChild<QWidget *>("PermissionErrorBanner"));

    auto *action = popover.window()->findChild<QAbstractButton *>(button);
    QVERIFY(action);
    action->click();
    if (opens == "quit") {
        QTRY_COMPARE(launch->exits, QList<int>{0});
        return;
    }
    QVERIFY(!popover.isShown());
    QWidget *window =
        opens == "stats" ? StatsWindow::shared()->window() : SettingsWindow::shared()->window();
    QVERIFY(window->isVisible());
    QVERIFY(!launch->delegate->isQuitting());

    // Onboarding reset: the menu-bar UI goes with the windows.
    AppSettings::fetchOrCreate(launch->f.context())->setFirstLaunchCompleted(false);
    emit NotificationHub::shared().onboardingReset();
    QVERIFY(!live.menuBar());
    QTRY_VERIFY(!SettingsWindow::shared() && !StatsWindow::shared());
}

void tst_AppDelegate::everyWayOutQuitsOnce_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("the popover's quit button") << "popover";
    QTest::newRow("SIGTERM") << "sigterm";
    QTest::newRow("the session ending") << "session";
}

void tst_AppDelegate::everyWayOutQuitsOnce()
{
    QFETCH(QString, way);
    launch->completeFirstLaunch();
    const QUuid streak = launch->f.addStreak()->id();
    QVERIFY(launch->f.save());
    launch->notifications.pending = {{"halvex.weeklyDigest", "t", "b", launch->f.now.addDays(2)}};
    launch->notifications.holdPendingQuery = true;
    launch->launch();
    launch->delegate->interceptApplicationQuit();
    CoreServices &services = *launch->delegate->coreServices();
    services.usageRecorder->begin(streak, std::nullopt, QString("code"), TriggerSource::app, false,
                                  {streak});
    launch->f.now = launch->f.now.addSecs(60);
    AppSettings::fetchOrCreate(launch->f.context())->setThemeRaw("dark");

    const auto ask = [&](const QString &how) {
        if (how == "popover")
            launch->delegate->requestQuit();
        else if (how == "sigterm")
            launch->sigterm();
        else {
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
        }
    };
    ask(way);
    ask(way == "popover" ? "sigterm" : "popover");
    QVERIFY(launch->delegate->isQuitting());
    QCOMPARE(launch->notifications.removals, 1);
    QVERIFY(launch->notifications.pending.isEmpty());
    // Nothing stops before the centre has answered.
    QVERIFY(services.lifecycleManager->isStarted());
    QCOMPARE(launch->exits, QList<int>{});

    launch->notifications.answerPendingQuery();
    QTRY_COMPARE(launch->exits, QList<int>{0});
    QVERIFY(!services.lifecycleManager->isStarted() && !services.triggerWatcher->isStarted());
    QVERIFY(!launch->delegate->frictionPanelController()->isStarted());
    QVERIFY(!launch->sleep.subscribed);
    QCOMPARE(launch->rows("UsageSession"), 1);
    QVERIFY(!launch->f.context().hasChanges());

    ask("sigterm");
    QCoreApplication::processEvents();
    QCOMPARE(launch->exits, QList<int>{0});
}

void tst_AppDelegate::anUnansweredRetractionWaitsTwoSeconds()
{
    launch->notifications.holdPendingQuery = true;
    launch->launch(); // during onboarding: the watcher never ran
    launch->delegate->requestQuit();
    launch->f.scheduler.advance(1.9);
    QCOMPARE(launch->exits, QList<int>{});
    launch->f.scheduler.advance(0.1);
    QCOMPARE(launch->exits, QList<int>{0});
    QVERIFY(!launch->delegate->coreServices()->lifecycleManager->isStarted());
}

QTEST_MAIN(tst_AppDelegate)

#include "tst_AppDelegate.moc"
