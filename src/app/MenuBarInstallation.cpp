#include "app/MenuBarInstallation.h"

#include <QObject>

#include "app/AppPlatform.h"
#include "app/CoreServices.h"
#include "app/MilestoneScheduler.h"
#include "engine/StreakEngine.h"
#include "friction/HalvexLocalizedRoot.h"
#include "menubar/PermissionErrorBanner.h"
#include "menubar/PopoverRootView.h"
#include "menubar/PopoverWindowController.h"
#include "menubar/StatusItemController.h"
#include "model/PersistenceController.h"
#include "onboarding/OnboardingPermissionsView.h"
#include "permissions/PermissionManager.h"
#include "platform/DesktopEntryIndex.h"
#include "settings/SettingsWindow.h"

namespace halvex {

MenuBarInstallation::MenuBarInstallation(Services services)
{
    const AppPlatform &platform = services.platform;
    CoreServices &core = services.coreServices;
    if (!services.applications)
        m_ownApplications = std::make_unique<platform::DesktopEntryIndex>();
    const platform::DesktopEntryIndex &applications =
        services.applications ? *services.applications : *m_ownApplications;

    m_popover = std::make_unique<PopoverWindowController>(PopoverWindowController::Services{
        .workspace = platform.workspace,
        .scheduler = platform.scheduler,
        .activationPolicy = &platform.activationPolicy,
    });
    PopoverWindowController &popover = *m_popover;
    popover.setStreakEngine(core.streakEngine.get());
    PermissionManager *permissions = core.permissionManager.get();
    popover.setPermissionHooks({
        [permissions] { permissions->refresh(); },
        [permissions] { permissions->startMonitoring(); },
        [permissions] { permissions->stopMonitoring(); },
    });
    popover.setOpenStatsHandler(std::move(services.openStats));
    popover.setOpenSettingsHandler(std::move(services.openSettings));

    // The root comes up in the stored language and theme, and follows them.
    auto *localized = new HalvexLocalizedRoot(services.persistence.mainContext(),
                                              services.themeController, services.translations);
    m_rootView = new PopoverRootView(services.persistence, *core.streakEngine,
                                     *core.milestoneScheduler, applications, platform.scheduler);
    // The banner names what a streak needs and Halvex may not do yet.
    m_rootView->setPermissionBanner(new PermissionErrorBanner({
        *core.streakEngine,
        *permissions,
        core.browserProbes,
        [&applications](const QString &bundleId) {
            return OnboardingPermissionsView::isInstalled(bundleId, applications);
        },
    }));
    localized->setContent(m_rootView);
    popover.setContentWidget(localized);
    QObject::connect(m_rootView, &PopoverRootView::openStatsRequested, &popover,
                     &PopoverWindowController::openStats);
    QObject::connect(m_rootView, &PopoverRootView::openSettingsRequested, &popover,
                     &PopoverWindowController::openSettings);
    QObject::connect(m_rootView, &PopoverRootView::quitRequested, &popover,
                     [quit = std::move(services.quit)] {
                         if (quit)
                             quit();
                     });

    m_statusItem = std::make_unique<StatusItemController>(StatusItemController::Services{
        .streakEngine = *core.streakEngine,
        .popoverController = popover,
        .systemAppearance = platform.appearance,
        .scheduler = platform.scheduler,
        .appearanceChanges = platform.appearanceChanges,
        .bringPanelForward = services.bringPanelForward,
    });

    SettingsWindow::setPopover(
        [popover = std::weak_ptr<fennimar::Popover>(popover.popover())]() -> fennimar::Popover * {
            return popover.lock().get();
        });
}

MenuBarInstallation::~MenuBarInstallation()
{
    SettingsWindow::setPopover({});
    m_popover->performClose();
    m_statusItem.reset();
    m_popover.reset();
}

void MenuBarInstallation::revealPopover(std::function<void()> completion)
{
    m_statusItem->revealPopoverWhenReady(std::move(completion));
}

} // namespace halvex
