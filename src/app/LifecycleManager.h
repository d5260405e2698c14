#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>

#include "platform/TimerScheduler.h"

namespace halvex {

class BackupManager;
class LoginItemManager;
class PersistenceController;
class SleepWakeObserver;
class StreakEngine;
class UsageSessionRecorder;

// The housekeeping of a program that runs for days: an hourly round (the
// daily backup when it is due, the weekly digest when it is stale), the
// reactions to sleep and wake, and, once at start, the stored open-at-login
// setting brought in line with the real login item. Main thread only.
class LifecycleManager final : public QObject {
    Q_OBJECT
public:
    static constexpr double housekeepingIntervalSeconds = 3600.0;

    struct Services {
        StreakEngine &streakEngine;
        BackupManager &backupManager;
        SleepWakeObserver &sleepWakeObserver;
        LoginItemManager &loginItemManager;
        PersistenceController &persistence;
        UsageSessionRecorder &usageRecorder;
        // Plans the weekly digest again when its last planning is stale;
        // started, not waited for. Empty: nothing to refresh.
        std::function<void()> refreshWeeklyDigest;
        platform::TimerScheduler &scheduler;
    };

    explicit LifecycleManager(Services services, QObject *parent = nullptr);
    ~LifecycleManager() override;
    Q_DISABLE_COPY_MOVE(LifecycleManager)

    // Starts watching sleep and wake and the hourly round, and reconciles the
    // login item. The first round comes an hour later. Nothing while started.
    void start();
    // Ends all of it; a later start() begins again.
    void stop();
    bool isStarted() const { return m_started; }

    // One hourly round; the timer runs it.
    void runHousekeeping();

private:
    void scheduleHousekeeping();
    void handleWake();
    void reconcileLoginItem();

    Services m_services;
    std::vector<QMetaObject::Connection> m_subscriptions;
    std::shared_ptr<platform::ScheduledTimer> m_housekeepingTimer;
    bool m_started = false;
};

} // namespace halvex
