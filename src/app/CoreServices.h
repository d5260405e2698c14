#pragma once

#include <memory>

#include "browsers/BrowserURLProbe.h"

namespace halvex {

class AppFrontmostDetector;
class BackupManager;
class BypassController;
class DayClock;
class LifecycleManager;
class LoginItemManager;
class MilestoneScheduler;
class NotificationManager;
class NotificationService;
class PermissionManager;
class PersistenceController;
class SleepWakeObserver;
class StreakEngine;
class TriggerWatcher;
class UsageSessionRecorder;
class WeeklyDigestScheduler;
struct AppPlatform;

// Every long-lived service, built once at start-up and shared by reference
// with the parts that use it. The members are declared in the order they are
// built, so that each is destroyed before what it was given. The browser
// table comes before the permission manager, which probes the browsers it
// holds that are driven by automation events.
struct CoreServices {
    std::unique_ptr<DayClock> dayClock;
    BrowserProbeTable browserProbes;
    std::unique_ptr<PermissionManager> permissionManager;
    std::unique_ptr<BypassController> bypassController;
    std::unique_ptr<StreakEngine> streakEngine;
    std::unique_ptr<NotificationManager> notificationManager;
    std::unique_ptr<MilestoneScheduler> milestoneScheduler;
    std::unique_ptr<WeeklyDigestScheduler> weeklyDigestScheduler;
    std::unique_ptr<NotificationService> notificationService;
    std::unique_ptr<BackupManager> backupManager;
    std::unique_ptr<SleepWakeObserver> sleepWakeObserver;
    std::unique_ptr<LoginItemManager> loginItemManager;
    std::unique_ptr<UsageSessionRecorder> usageRecorder;
    std::unique_ptr<LifecycleManager> lifecycleManager;
    std::unique_ptr<AppFrontmostDetector> frontmostDetector;
    std::unique_ptr<TriggerWatcher> triggerWatcher;

    CoreServices();
    ~CoreServices();
    CoreServices(const CoreServices &) = delete;
    CoreServices &operator=(const CoreServices &) = delete;

    // Builds the services over the store and the platform. Cannot fail.
    static std::unique_ptr<CoreServices> make(PersistenceController &persistence,
                                              const AppPlatform &platform);
};

} // namespace halvex
