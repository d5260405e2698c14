#include "app/CoreServices.h"

#include "app/AppPlatform.h"
#include "app/LifecycleManager.h"
#include "app/LoginItemManager.h"
#include "app/MilestoneScheduler.h"
#include "app/NotificationManager.h"
#include "app/NotificationService.h"
#include "app/WeeklyDigestScheduler.h"
#include "engine/AppFrontmostDetector.h"
#include "engine/BypassController.h"
#include "engine/SleepWakeObserver.h"
#include "engine/StreakEngine.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"
#include "model/AppSettings.h"
#include "model/BackupManager.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "permissions/PermissionManager.h"

namespace halvex {

CoreServices::CoreServices() = default;

CoreServices::~CoreServices()
{
    // The engine outlives the recorder and the planner it was handed.
    if (streakEngine) {
        streakEngine->setOpenAllowanceProvider({});
        streakEngine->setMilestonePlanning(nullptr);
    }
}

std::unique_ptr<CoreServices> CoreServices::make(PersistenceController &persistence,
                                                 const AppPlatform &platform)
{
    auto services = std::make_unique<CoreServices>();
    CoreServices &s = *services;
    s.dayClock = std::make_unique<DayClock>(platform.clock, platform.timeZone);
    s.browserProbes =
        platform.makeBrowserProbes ? platform.makeBrowserProbes() : BrowserProbeTable();
    s.permissionManager = std::make_unique<PermissionManager>(
        platform.accessibilityTrust, platform.automationProbe,
        PermissionManager::automationBrowserBundleIds(s.browserProbes), platform.defaults,
        platform::DesktopSettings(), platform.scheduler);
    s.permissionManager->followReadability(s.browserProbes);
    s.bypassController = std::make_unique<BypassController>(
        persistence, *s.dayClock, s.dayClock->timeZone(), platform.scheduler);
    s.streakEngine = std::make_unique<StreakEngine>(persistence, *s.dayClock,
                                                    s.bypassController.get(), platform.scheduler);

    // Read afresh at each use, so that a changed setting applies to the next notification.
    const auto setting = [&persistence](bool (AppSettings::*flag)() const) {
        return [&persistence, flag] {
            return (*AppSettings::fetchOrCreate(persistence.mainContext()).*flag)();
        };
    };
    const auto soundEnabled = setting(&AppSettings::notificationSoundEnabled);
    const auto digestEnabled = setting(&AppSettings::weeklyDigestEnabled);
    s.notificationManager = std::make_unique<NotificationManager>(platform.notificationCenter);
    s.milestoneScheduler =
        std::make_unique<MilestoneScheduler>(*s.notificationManager, platform.clock, soundEnabled);
    s.streakEngine->setMilestonePlanning(s.milestoneScheduler.get());
    s.weeklyDigestScheduler = std::make_unique<WeeklyDigestScheduler>(
        *s.notificationManager, persistence, *s.streakEngine, platform.clock,
        s.dayClock->timeZone(), soundEnabled, digestEnabled);
    s.notificationService =
        std::make_unique<NotificationService>(platform.notificationCenter, nullptr, soundEnabled);

    s.backupManager =
        std::make_unique<BackupManager>(persistence, platform.storeEnvironment, *s.dayClock);
    s.sleepWakeObserver = std::make_unique<SleepWakeObserver>(platform.systemSleep, platform.clock);
    // Timers stand still in sleep: what fell due meanwhile goes out on waking.
    s.notificationManager->followWake(*s.sleepWakeObserver);
    s.loginItemManager = std::make_unique<LoginItemManager>(platform.loginItem);
    s.usageRecorder = std::make_unique<UsageSessionRecorder>(persistence, platform.clock);

    UsageSessionRecorder *recorder = s.usageRecorder.get();
    s.streakEngine->setOpenAllowanceProvider([recorder] { return recorder->openAllowance(); });

    s.lifecycleManager = std::make_unique<LifecycleManager>(LifecycleManager::Services{
        *s.streakEngine,
        *s.backupManager,
        *s.sleepWakeObserver,
        *s.loginItemManager,
        persistence,
        *s.usageRecorder,
        [digest = s.weeklyDigestScheduler.get()] { digest->rescheduleIfStale(); },
        platform.scheduler,
    });

    s.frontmostDetector =
        std::make_unique<AppFrontmostDetector>(platform.workspace, platform.scheduler);
    s.triggerWatcher = std::make_unique<TriggerWatcher>(TriggerWatcher::Services{
        *s.frontmostDetector,
        platform.workspace,
        s.browserProbes,
        *s.streakEngine,
        persistence,
        *s.usageRecorder,
        platform.automationStatus,
        platform.clock,
        s.dayClock->timeZone(),
        platform.scheduler,
        platform.ownBundleIdentifier,
    });

    // The engine's clock follows the system's zone; so does whatever keeps
    // a zone of its own.
    QObject::connect(s.streakEngine.get(), &StreakEngine::timeZoneChanged, s.triggerWatcher.get(),
                     [&s] {
                         const QTimeZone zone = s.dayClock->timeZone();
                         s.bypassController->setCalendar(zone);
                         s.triggerWatcher->setCalendar(zone);
                         s.weeklyDigestScheduler->setTimeZone(zone);
                     });
    return services;
}

} // namespace halvex
