#include "app/LiveSurfaces.h"

#include <QPointer>
#include <QWidget>

#include "app/AppDelegate.h"
#include "app/CoreServices.h"
#include "app/MenuBarInstallation.h"
#include "app/MilestoneScheduler.h"
#include "app/NotificationService.h"
#include "app/StartupNoticeWindow.h"
#include "app/WeeklyDigestScheduler.h"
#include "engine/NotificationHub.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/Telemetry.h"
#include "kit/TipJar.h"
#include "kit/UpdateChecker.h"
#include "editor/StreakEditorWindow.h"
#include "kit/WindowFronting.h"
#include "menubar/PopoverWindowController.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "onboarding/OnboardingPermissionsView.h"
#include "onboarding/OnboardingWindow.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/TimerScheduler.h"
#include "settings/PermissionsTab.h"
#include "settings/SettingsWindow.h"
#include "stats/ReviewPromptCoordinator.h"
#include "stats/ReviewPromptWindowController.h"
#include "stats/StatsWindow.h"

namespace halvex {

LiveSurfaces::LiveSurfaces(AppDelegate &delegate)
    : m_delegate(delegate)
{}

LiveSurfaces::~LiveSurfaces()
{
    // The windows and the dependencies refer to services that go with us.
    delete m_notices;
    delete m_onboarding;
    m_menuBar.reset();
    closeWindows();
    SettingsWindow::clearDependencies();
}

AppSurfaces LiveSurfaces::surfaces()
{
    AppSurfaces surfaces;
    surfaces.presentNotices = [this](const StartupNotices &notices, std::function<void()> read) {
        presentNotices(notices, std::move(read));
    };
    surfaces.openOnboarding = [this] { openOnboarding(); };
    surfaces.isOnboardingOpen = [this] { return isOnboardingOpen(); };
    surfaces.installMenuBar = [this] { installMenuBar(); };
    surfaces.removeMenuBar = [this] { removeMenuBar(); };
    surfaces.revealPopover = [this](std::function<void()> completion) {
        if (!m_menuBar)
            return false;
        m_menuBar->revealPopover(std::move(completion));
        return true;
    };
    surfaces.configureSettings = [this] { configureSettings(); };
    surfaces.openSettings = [] { SettingsWindow::show(SettingsTab::general); };
    surfaces.openAbout = [] { SettingsWindow::show(SettingsTab::about); };
    surfaces.openStats = [this] { openStats(); };
    surfaces.closeWindows = &LiveSurfaces::closeWindows;
    return surfaces;
}

void LiveSurfaces::removeMenuBar()
{
    // Dropping the coordinator cancels its pending check.
    m_reviewPrompt.reset();
    m_menuBar.reset();
}

ReviewPromptCoordinator &LiveSurfaces::installReviewPrompt(std::function<bool()> isPopoverShown)
{
    const AppPlatform &platform = m_delegate.platform();
    if (!m_reviewWindow)
        m_reviewWindow =
            std::make_unique<ReviewPromptWindowController>(ReviewPromptWindowController::Services{
                *m_delegate.themeController(),
                *m_delegate.translations(),
                platform.workspace,
                platform.activationPolicy,
            });
    const QPointer<FrictionPanelController> panel(m_delegate.frictionPanelController());
    m_reviewPrompt = std::make_unique<ReviewPromptCoordinator>(ReviewPromptCoordinator::Services{
        m_delegate.persistence()->container(),
        std::move(isPopoverShown),
        [panel] { return panel && panel->isPanelActive(); },
        *m_reviewWindow,
        platform.scheduler,
    });
    return *m_reviewPrompt;
}

void LiveSurfaces::closeWindows()
{
    if (SettingsWindow *settings = SettingsWindow::shared())
        settings->window()->close();
    if (StatsWindow *stats = StatsWindow::shared())
        stats->window()->close();
    if (StreakEditorWindow *editor = StreakEditorWindow::current())
        editor->window()->close();
}

void LiveSurfaces::installMenuBar()
{
    CoreServices *services = m_delegate.coreServices();
    if (m_menuBar || !services || !m_delegate.persistence())
        return;
    AppDelegate *delegate = &m_delegate;
    m_menuBar = std::make_unique<MenuBarInstallation>(MenuBarInstallation::Services{
        .persistence = *m_delegate.persistence(),
        .coreServices = *services,
        .platform = m_delegate.platform(),
        .themeController = *m_delegate.themeController(),
        .translations = *m_delegate.translations(),
        .applications = m_delegate.platform().installedApplications,
        .openStats = [delegate] { delegate->openStats(); },
        .openSettings = [delegate] { delegate->openSettings(); },
        .quit = [delegate] { delegate->requestQuit(); },
        .bringPanelForward =
            [delegate] {
                FrictionPanelController *panel = delegate->frictionPanelController();
                return panel && panel->bringPanelForward();
            },
    });
    // The review prompt goes over the status item and the popover, and asks
    // once the popover has closed.
    const QPointer<PopoverWindowController> popover(&m_menuBar->popoverController());
    QObject::connect(popover, &PopoverWindowController::didChangeOpenState,
                     &installReviewPrompt([popover] { return popover && popover->isShown(); }),
                     &ReviewPromptCoordinator::popoverOpenStateChanged);
}

void LiveSurfaces::presentNotices(const StartupNotices &notices, std::function<void()> read)
{
    // Nothing to show them in: start-up goes on at once.
    if (m_notices || !m_delegate.persistence()) {
        read();
        return;
    }
    AppDelegate &delegate = m_delegate;
    const AppPlatform &platform = m_delegate.platform();
    m_notices = new StartupNoticeWindow(
        {
            m_delegate.persistence()->mainContext(),
            *m_delegate.themeController(),
            *m_delegate.translations(),
            platform.activationPolicy,
            platform.workspace,
        },
        notices,
        {
            [this, read = std::move(read)] {
                // Later: the button that closed the window may still be on the stack.
                if (m_notices)
                    m_notices->deleteLater();
                read();
            },
            [&delegate] { delegate.requestQuit(); },
        });
    m_notices->present();
}

void LiveSurfaces::openOnboarding()
{
    CoreServices *services = m_delegate.coreServices();
    const AppPlatform &platform = m_delegate.platform();
    if (!services || !m_delegate.persistence() || !platform.installedApplications ||
        isOnboardingOpen())
        return;
    AppDelegate &delegate = m_delegate;
    m_onboarding = new OnboardingWindow(
        {
            *m_delegate.persistence(),
            *services->permissionManager,
            platform.loginItem,
            services->browserProbes,
            services->notificationService->authorization(),
            *platform.installedApplications,
            *m_delegate.themeController(),
            *m_delegate.translations(),
        },
        {
            [this] { completeOnboarding(); },
            [&delegate](std::function<void()> completion) {
                return delegate.revealPopover(std::move(completion));
            },
            [&delegate] { delegate.requestQuit(); },
        },
        platform.activationPolicy, platform.clock);
    QObject::connect(m_onboarding, &OnboardingWindow::closed, m_onboarding, &QObject::deleteLater);
    m_onboarding->present();
}

bool LiveSurfaces::isOnboardingOpen() const
{
    return m_onboarding && !m_onboarding->isGone();
}

void LiveSurfaces::completeOnboarding()
{
    emit NotificationHub::shared().onboardingCompleted();
    m_delegate.startRuntime();
    m_delegate.planNotifications();
}

void LiveSurfaces::openStats()
{
    CoreServices *services = m_delegate.coreServices();
    if (!services || !m_delegate.persistence())
        return;
    // Choosing a streak opens it in the streak editor.
    statsStreakSelectionHandler() = [this](const std::shared_ptr<Streak> &streak) {
        openStreakEditor(streak);
    };
    if (!StatsWindow::shared()) {
        const AppPlatform &platform = m_delegate.platform();
        if (!m_fronting)
            m_fronting = std::make_unique<fennimar::WindowFronting>(platform.workspace);
        StatsWindow::setShared(new StatsWindow({
            *m_delegate.persistence(),
            *services->streakEngine,
            *m_delegate.themeController(),
            *m_delegate.translations(),
            platform.activationPolicy,
            m_fronting.get(),
        }));
    }
    StatsWindow::shared()->show();
}

void LiveSurfaces::openStreakEditor(const std::shared_ptr<Streak> &streak)
{
    CoreServices *services = m_delegate.coreServices();
    if (!streak || !services || !m_delegate.persistence() || !services->streakEngine ||
        !services->milestoneScheduler)
        return;
    const AppPlatform &platform = m_delegate.platform();
    if (!m_fronting)
        m_fronting = std::make_unique<fennimar::WindowFronting>(platform.workspace);
    if (!platform.installedApplications && !m_applications)
        m_applications = std::make_unique<platform::DesktopEntryIndex>();
    StreakEditorWindow::open(
        StreakEditorMode::detail(streak->id()),
        {
            *m_delegate.persistence(),
            *services->streakEngine,
            *services->milestoneScheduler,
            platform.installedApplications ? *platform.installedApplications : *m_applications,
            *m_delegate.themeController(),
            *m_delegate.translations(),
            platform.activationPolicy,
            platform.scheduler,
            m_fronting.get(),
        });
}

void LiveSurfaces::configureSettings()
{
    CoreServices *services = m_delegate.coreServices();
    if (!services || !m_delegate.persistence())
        return;
    const AppPlatform &platform = m_delegate.platform();
    m_tipJar =
        std::make_unique<fennimar::TipJar>(fennimar::Telemetry::shared(), platform.workspace);
    MilestoneScheduler *milestones = services->milestoneScheduler.get();
    WeeklyDigestScheduler *digest = services->weeklyDigestScheduler.get();
    SettingsWindow::setDependencies(SettingsDependencies{
        *m_delegate.persistence(),
        *services->streakEngine,
        platform.loginItem,
        *m_delegate.themeController(),
        *m_delegate.translations(),
        platform.activationPolicy,
        fennimar::UpdateChecker::shared(),
        platform.workspace,
        *m_tipJar,
        NotificationReplanning{
            [milestones](const NotificationReplanning::Streaks &keeping) {
                return milestones->pruneOrphans(keeping);
            },
            [milestones](const std::shared_ptr<Streak> &streak) {
                return milestones->schedule(streak);
            },
            [digest] { return digest->reschedule(); },
        },
        [services] {
            // Read afresh each time, so a browser installed meanwhile shows.
            auto installed = std::make_shared<platform::DesktopEntryIndex>();
            return new PermissionsTab({
                *services->permissionManager,
                services->browserProbes,
                services->notificationService->authorization(),
                [installed](const QString &bundleId) {
                    return OnboardingPermissionsView::isInstalled(bundleId, *installed);
                },
            });
        },
        &platform.defaults,
    });
}

} // namespace halvex
