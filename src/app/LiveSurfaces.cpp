#include "app/LiveSurfaces.h"

#include <QPointer>
#include <QWidget>

#include "app/AppDelegate.h"
#include "app/CoreServices.h"
#include "app/MilestoneScheduler.h"
#include "app/NotificationService.h"
#include "app/WeeklyDigestScheduler.h"
#include "engine/NotificationHub.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/Telemetry.h"
#include "kit/TipJar.h"
#include "kit/UpdateChecker.h"
#include "kit/WindowFronting.h"
#include "model/PersistenceController.h"
#include "onboarding/OnboardingPermissionsView.h"
#include "onboarding/OnboardingWindow.h"
#include "platform/DesktopEntryIndex.h"
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
    delete m_onboarding;
    closeWindows();
    SettingsWindow::clearDependencies();
}

AppSurfaces LiveSurfaces::surfaces()
{
    AppSurfaces surfaces;
    surfaces.openOnboarding = [this] { openOnboarding(); };
    surfaces.isOnboardingOpen = [this] { return isOnboardingOpen(); };
    surfaces.installMenuBar = [this] { installMenuBar(); };
    surfaces.removeMenuBar = [this] { removeMenuBar(); };
    surfaces.configureSettings = [this] { configureSettings(); };
    surfaces.openSettings = [] { SettingsWindow::show(SettingsTab::general); };
    surfaces.openAbout = [] { SettingsWindow::show(SettingsTab::about); };
    surfaces.openStats = [this] { openStats(); };
    surfaces.closeWindows = &LiveSurfaces::closeWindows;
    return surfaces;
}

void LiveSurfaces::installMenuBar()
{
    // The status item and the popover come first, once they exist; the
    // review prompt goes over them.
    installReviewPrompt({});
}

void LiveSurfaces::removeMenuBar()
{
    // Dropping the coordinator cancels its pending check.
    m_reviewPrompt.reset();
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
    // Choosing a streak opens it in the streak editor, once that window exists.
    statsStreakSelectionHandler() = {};
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
