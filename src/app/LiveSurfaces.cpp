#include "app/LiveSurfaces.h"

#include <QPointer>
#include <QWidget>

#include "app/AppDelegate.h"
#include "app/CoreServices.h"
#include "app/MilestoneScheduler.h"
#include "app/WeeklyDigestScheduler.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/Telemetry.h"
#include "kit/TipJar.h"
#include "kit/UpdateChecker.h"
#include "kit/WindowFronting.h"
#include "editor/StreakEditorWindow.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/TimerScheduler.h"
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
    closeWindows();
    SettingsWindow::clearDependencies();
}

AppSurfaces LiveSurfaces::surfaces()
{
    AppSurfaces surfaces;
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
    if (StreakEditorWindow *editor = StreakEditorWindow::current())
        editor->window()->close();
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
    if (!m_applications)
        m_applications = std::make_unique<platform::DesktopEntryIndex>();
    StreakEditorWindow::open(StreakEditorMode::detail(streak->id()),
                             {
                                 *m_delegate.persistence(),
                                 *services->streakEngine,
                                 *services->milestoneScheduler,
                                 *m_applications,
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
        // The Permissions page comes with the permission views.
        {},
        &platform.defaults,
    });
}

} // namespace halvex
