#include "app/AppDelegate.h"

#include <utility>

#include <QGuiApplication>
#include <QPointer>

#include "app/AppMenuCommands.h"
#include "app/CoreServices.h"
#include "app/LanguageSwitch.h"
#include "app/LifecycleManager.h"
#include "app/MilestoneScheduler.h"
#include "app/NotificationManager.h"
#include "app/NotificationService.h"
#include "app/QuitFunnel.h"
#include "app/SiteStreakBrowsers.h"
#include "app/WeeklyDigestScheduler.h"
#include "engine/NotificationHub.h"
#include "engine/StreakEngine.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/PendingNotifications.h"
#include "model/AppSettings.h"
#include "model/BackupManager.h"
#include "model/ModelContext.h"
#include "permissions/PermissionManager.h"
#include "platform/UserNotificationCenter.h"
#include "platform/Workspace.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

namespace halvex {

AppDelegate::AppDelegate(AppPlatform platform, AppSurfaces surfaces, QObject *parent)
    : QObject(parent)
    , m_platform(std::move(platform))
    , m_surfaces(std::move(surfaces))
{
    m_quitFunnel = std::make_unique<QuitFunnel>(QuitFunnel::Steps{
        [this](std::function<void()> proceed) {
            // Nothing planned may fire while we are gone; start-up plans
            // it all again.
            fennimar::PendingNotifications::removeAll(m_platform.notificationCenter,
                                                      retractionTimeoutSeconds, std::move(proceed),
                                                      m_platform.scheduler);
        },
        [this] {
            tearDown();
            if (m_platform.exit)
                m_platform.exit(0);
        },
    });
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationWillFinishLaunching()
{
    if (m_platform.captureLaunchOrigin)
        m_platform.captureLaunchOrigin();
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_platform.environment.contains(QString::fromLatin1(testHostKey)))
        return;

    if (m_platform.installTerminationHandler) {
        m_platform.installTerminationHandler([self = QPointer<AppDelegate>(this)] {
            if (self)
                self->requestQuit();
        });
    }
    m_platform.activationPolicy.backend().setActivationPolicy(
        fennimar::ActivationPolicy::accessory);

    m_persistence = &m_platform.persistence();
    // Every text from here on comes in the chosen language.
    m_translations = std::make_unique<TranslationLoader>();
    m_themeController =
        std::make_unique<ThemeController>(m_platform.appearance, m_platform.appearanceChanges);
    m_languageSwitch = std::make_unique<LanguageSwitch>(m_persistence->mainContext(),
                                                        *m_translations, *m_themeController);
    m_languageSwitch->start();

    migrateLegacySiteStreakBrowsers(*m_persistence);
    m_coreServices = CoreServices::make(*m_persistence, m_platform);
    if (m_surfaces.configureSettings)
        m_surfaces.configureSettings();
    subscribeLimitedModeReconcile();
    subscribePermissionRefreshOnActivation();

    m_coreServices->lifecycleManager->start();
    m_coreServices->milestoneScheduler->bind(*m_coreServices->streakEngine);
    m_coreServices->weeklyDigestScheduler->bind(*m_coreServices->streakEngine);

    // Ahead of the first window, so that they are read before anything is entered.
    presentStartupNotices();
    if (!firstLaunchCompleted()) {
        openOnboardingWindow();
    } else {
        startRuntime();
        planNotifications();
    }

    const bool quietLaunch = (m_platform.isLoginLaunch && m_platform.isLoginLaunch()) ||
                             m_platform.arguments.contains(QString::fromLatin1(uiTestArgument));
    m_pendingPopoverReveal = firstLaunchCompleted() && !quietLaunch;

    m_menuCommands = std::make_unique<AppMenuCommands>([this] { showAbout(); });
    m_menuCommands->install();

    installUIAllowedWiring();
}

void AppDelegate::subscribeLimitedModeReconcile()
{
    PermissionManager &permissions = *m_coreServices->permissionManager;
    StreakEngine &engine = *m_coreServices->streakEngine;
    // The latest of both, from the event loop: once now, then at each change of either.
    const auto reconcile = [this] {
        if (m_persistence && m_coreServices) {
            reconcileLimitedMode(*m_persistence, m_coreServices->permissionManager->snapshot(),
                                 m_coreServices->streakEngine->streaks());
        }
    };
    connect(&permissions, &PermissionManager::snapshotChanged, this, reconcile,
            Qt::QueuedConnection);
    connect(&engine, &StreakEngine::streaksChanged, this, reconcile, Qt::QueuedConnection);
    QMetaObject::invokeMethod(this, reconcile, Qt::QueuedConnection);
}

void AppDelegate::subscribePermissionRefreshOnActivation()
{
    // Only once the watcher runs: during onboarding its screens refresh themselves.
    const auto refresh = [this] {
        if (m_coreServices && m_coreServices->triggerWatcher->isStarted())
            m_coreServices->permissionManager->refresh();
    };
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(
            application, &QGuiApplication::applicationStateChanged, this,
            [refresh](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    refresh();
            },
            Qt::QueuedConnection);
    }
    connect(
        &m_platform.workspace, &platform::Workspace::applicationActivated, this,
        [this, refresh](const platform::RunningApplication &application) {
            const std::optional<QString> id =
                application.bundleIdentifier.isEmpty()
                    ? std::nullopt
                    : std::optional<QString>(application.bundleIdentifier);
            if (id == m_platform.ownBundleIdentifier)
                refresh();
        },
        Qt::QueuedConnection);
}

void AppDelegate::startRuntime()
{
    if (!m_coreServices)
        return;
    m_coreServices->permissionManager->refresh();
    m_coreServices->triggerWatcher->start();
    if (m_frictionPanelController)
        m_frictionPanelController->start();
}

void AppDelegate::planNotifications()
{
    if (!m_coreServices)
        return;
    // Both run on; nothing waits for them.
    m_coreServices->milestoneScheduler->rescheduleAll(m_coreServices->streakEngine->streaks());
    m_coreServices->weeklyDigestScheduler->reschedule();
}

bool AppDelegate::firstLaunchCompleted() const
{
    if (!m_persistence)
        return false;
    return AppSettings::fetchOrCreate(m_persistence->mainContext())->firstLaunchCompleted();
}

void AppDelegate::evaluateUIAllowed()
{
    setUIAllowed(firstLaunchCompleted());
}

void AppDelegate::setUIAllowed(bool allowed)
{
    if (allowed == m_uiAllowed)
        return;
    m_uiAllowed = allowed;
    emit uiAllowedChanged(allowed);
    if (!m_uiAllowedWired)
        return;
    if (allowed) {
        installAppUI();
        revealPendingPopover();
    } else {
        if (m_appUIInstalled)
            m_pendingPopoverReveal = false;
        tearDownAppUI();
    }
}

void AppDelegate::installUIAllowedWiring()
{
    m_uiAllowedWired = true;
    // On a normal launch this installs the menu-bar UI, and reveals the
    // popover, before start-up returns.
    evaluateUIAllowed();

    NotificationHub &hub = NotificationHub::shared();
    // At once: the finish of onboarding reveals the popover from the status
    // item this installs.
    connect(&hub, &NotificationHub::onboardingCompleted, this, &AppDelegate::evaluateUIAllowed);
    connect(&hub, &NotificationHub::onboardingReset, this, [this] {
        evaluateUIAllowed();
        QMetaObject::invokeMethod(
            this, [this] { reopenOnboardingAfterReset(); }, Qt::QueuedConnection);
    });
}

void AppDelegate::revealPendingPopover()
{
    // After the notices: it would only be hidden behind them.
    if (!m_pendingPopoverReveal || m_noticesOpen || !m_appUIInstalled)
        return;
    m_pendingPopoverReveal = false;
    if (m_surfaces.revealPopover)
        m_surfaces.revealPopover([] {});
}

void AppDelegate::presentStartupNotices()
{
    const StartupNotices notices =
        StartupNotices::due(*m_persistence, *m_coreServices->backupManager, m_platform.environment,
                            m_platform.defaults);
    if (notices.isEmpty() || !m_surfaces.presentNotices)
        return;
    m_noticesOpen = true;
    m_surfaces.presentNotices(notices, [self = QPointer<AppDelegate>(this), notices] {
        if (self)
            self->startupNoticesRead(notices);
    });
}

void AppDelegate::startupNoticesRead(const StartupNotices &notices)
{
    if (!m_noticesOpen)
        return;
    m_noticesOpen = false;
    notices.markRead(m_platform.defaults);
    if (isQuitting())
        return;
    if (std::exchange(m_onboardingWaits, false))
        openOnboardingWindow();
    revealPendingPopover();
}

void AppDelegate::openOnboardingWindow()
{
    if (m_noticesOpen) {
        m_onboardingWaits = true;
        return;
    }
    if (m_surfaces.openOnboarding)
        m_surfaces.openOnboarding();
}

void AppDelegate::reopenOnboardingAfterReset()
{
    if (!m_persistence || !m_coreServices || firstLaunchCompleted())
        return;
    if (m_surfaces.isOnboardingOpen && m_surfaces.isOnboardingOpen())
        return;
    openOnboardingWindow();
}

void AppDelegate::installAppUI()
{
    if (m_appUIInstalled || !m_persistence || !m_coreServices)
        return;
    m_appUIInstalled = true;

    CoreServices &s = *m_coreServices;
    m_frictionPanelController =
        std::make_unique<FrictionPanelController>(FrictionPanelController::Services{
            {*s.streakEngine, *s.bypassController, *m_persistence, s.browserProbes,
             m_platform.workspace, *s.dayClock, m_platform.scheduler},
            *m_themeController,
            *m_translations,
            m_platform.activationPolicy,
            m_platform.frontmostWindowFrames,
        });
    if (m_surfaces.installMenuBar)
        m_surfaces.installMenuBar();
    // Notifications that come due while we are in front show too.
    s.notificationService->installAsDelegate();

    planNotifications();
    startRuntime();
}

void AppDelegate::tearDownAppUI()
{
    if (!m_appUIInstalled)
        return;
    m_appUIInstalled = false;

    if (m_coreServices) {
        NotificationService *service = m_coreServices->notificationService.get();
        if (m_platform.notificationCenter.delegate() == service)
            m_platform.notificationCenter.setDelegate(nullptr);
        m_coreServices->notificationManager->removeAllPending();
    }
    if (m_surfaces.removeMenuBar)
        m_surfaces.removeMenuBar();
    if (m_surfaces.closeWindows)
        m_surfaces.closeWindows();
    if (m_coreServices)
        m_coreServices->triggerWatcher->stop();
    if (m_frictionPanelController) {
        m_frictionPanelController->stop();
        m_frictionPanelController->dismiss(false);
    }
    m_frictionPanelController.reset();
}

void AppDelegate::openStats()
{
    if (m_persistence && m_coreServices && m_surfaces.openStats)
        m_surfaces.openStats();
}

void AppDelegate::openSettings()
{
    if (m_surfaces.openSettings)
        m_surfaces.openSettings();
}

void AppDelegate::showAbout()
{
    if (m_surfaces.openAbout)
        m_surfaces.openAbout();
}

void AppDelegate::revealOnRequest()
{
    // A panel up stays the one thing in front: it answers the request
    // itself, and nothing of ours opens under its backdrop, now or later.
    if (m_frictionPanelController && m_frictionPanelController->bringPanelForward())
        return;
    if (m_appUIInstalled && m_surfaces.revealPopover)
        m_surfaces.revealPopover([] {});
}

bool AppDelegate::revealPopover(std::function<void()> completion)
{
    return m_appUIInstalled && m_surfaces.revealPopover &&
           m_surfaces.revealPopover(std::move(completion));
}

void AppDelegate::requestQuit()
{
    m_quitFunnel->request();
}

bool AppDelegate::isQuitting() const
{
    return m_quitFunnel->isRequested();
}

void AppDelegate::interceptApplicationQuit()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        m_quitFunnel->interceptQuit(*application);
}

void AppDelegate::tearDown()
{
    if (m_coreServices) {
        m_coreServices->lifecycleManager->stop();
        m_coreServices->permissionManager->stopMonitoring();
        m_coreServices->triggerWatcher->stop();
        // The open session ends now, before the store is saved.
        m_coreServices->usageRecorder->closeOpen();
        // The hourly round may not have come yet: a day whose only run was
        // shorter than an hour would otherwise have no backup.
        m_coreServices->backupManager->runIfNeeded();
    }
    if (m_frictionPanelController) {
        m_frictionPanelController->stop();
        m_frictionPanelController->dismiss(false);
    }
    if (m_persistence)
        (void)m_persistence->mainContext().save();
}

} // namespace halvex
