#include "app/LifecycleManager.h"

#include <QPointer>

#include "app/LoginItemManager.h"
#include "engine/SleepWakeObserver.h"
#include "engine/StreakEngine.h"
#include "engine/UsageSessionRecorder.h"
#include "model/AppSettings.h"
#include "model/BackupManager.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"

namespace halvex {

LifecycleManager::LifecycleManager(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{}

LifecycleManager::~LifecycleManager()
{
    stop();
}

void LifecycleManager::start()
{
    if (m_started)
        return;
    m_started = true;

    SleepWakeObserver &observer = m_services.sleepWakeObserver;
    observer.start();
    m_subscriptions.push_back(
        connect(&observer, &SleepWakeObserver::didWake, this, [this] { handleWake(); }));
    // What was measured up to the sleep belongs before it.
    m_subscriptions.push_back(connect(&observer, &SleepWakeObserver::willSleep, this,
                                      [this] { m_services.usageRecorder.closeOpen(); }));
    scheduleHousekeeping();
    reconcileLoginItem();
}

void LifecycleManager::stop()
{
    for (const QMetaObject::Connection &connection : m_subscriptions)
        disconnect(connection);
    m_subscriptions.clear();
    if (m_housekeepingTimer)
        m_housekeepingTimer->invalidate();
    m_housekeepingTimer.reset();
    m_services.sleepWakeObserver.stop();
    m_started = false;
}

void LifecycleManager::runHousekeeping()
{
    m_services.backupManager.runIfNeeded();
    if (m_services.refreshWeeklyDigest)
        m_services.refreshWeeklyDigest();
}

void LifecycleManager::scheduleHousekeeping()
{
    QPointer<LifecycleManager> self(this);
    m_housekeepingTimer = m_services.scheduler.scheduleOnce(housekeepingIntervalSeconds, [self] {
        if (!self)
            return;
        // Armed again first, so that a round that stops the manager
        // also cancels the next one.
        self->scheduleHousekeeping();
        self->runHousekeeping();
    });
}

void LifecycleManager::handleWake()
{
    // Pauses that ran out during the sleep end now, not at the next minute.
    m_services.streakEngine.tick();
    runHousekeeping();
}

void LifecycleManager::reconcileLoginItem()
{
    ModelContext &context = m_services.persistence.mainContext();
    const std::shared_ptr<AppSettings> settings = AppSettings::fetchOrCreate(context);
    // Waiting for the user's approval is not enabled.
    const bool enabled = m_services.loginItemManager.backend().isEnabled();
    if (settings->loginItemEnabled() == enabled)
        return;
    settings->setLoginItemEnabled(enabled);
    (void)context.save();
}

} // namespace halvex
