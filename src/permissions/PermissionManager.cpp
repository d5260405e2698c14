#include "permissions/PermissionManager.h"

#include "browsers/BrowserCatalog.h"
#include "kit/AccessibilityProbe.h"
#include "kit/AutomationProbe.h"
#include "kit/PermissionRefreshDriver.h"
#include "platform/Log.h"

namespace halvex {

PermissionManager::AccessibilityTrust
PermissionManager::AccessibilityTrust::of(const fennimar::AccessibilityProbe &probe)
{
    return {[&probe] { return probe.isTrusted(); }, [&probe] { return probe.requestTrust(); }};
}

PermissionManager::PermissionManager(AccessibilityTrust accessibility,
                                     const fennimar::AutomationProbe &automation,
                                     QStringList browserBundleIds, platform::UserDefaults &defaults,
                                     platform::DesktopSettings desktopSettings,
                                     platform::TimerScheduler &scheduler, QObject *parent)
    : QObject(parent)
    , m_accessibility(std::move(accessibility))
    , m_automation(automation)
    , m_browserBundleIds(std::move(browserBundleIds))
    , m_defaults(defaults)
    , m_grants(defaults, fennimar::UserDefaultsAutomationGrantMemory::standardKey)
    , m_desktopSettings(std::move(desktopSettings))
    , m_scheduler(scheduler)
{}

PermissionManager::~PermissionManager() = default;

QStringList PermissionManager::automationBrowserBundleIds(const BrowserProbeTable &probes)
{
    QStringList ids;
    for (const QString &id : BrowserCatalog::appleEventsBundleIdentifiers()) {
        const auto probe = probes.value(id);
        if (probe && probe->accessKind() == BrowserAccessKind::appleEvents)
            ids << id;
    }
    return ids;
}

PermissionSnapshot PermissionManager::currentSnapshot() const
{
    PermissionSnapshot fresh;
    for (const QString &id : m_browserBundleIds) {
        fresh.automationStatus.insert(
            id, m_automation.status(id, fennimar::AutomationProbe::anyEvent,
                                    fennimar::AutomationProbe::anyEvent, false, m_grants));
    }
    fresh.isAccessibilityTrusted = m_accessibility.isTrusted();
    fresh.isAccessibilityRequested = m_defaults.boolValue(accessibilityRequestedKey, false);
    if (fresh.isAccessibilityTrusted && m_readability) {
        for (auto it = m_readability->cbegin(); it != m_readability->cend(); ++it) {
            if (it.value() && it.value()->checkUnreadable())
                fresh.unreadableBrowsers << it.key();
        }
        // The table's hash order must not make two equal states differ.
        fresh.unreadableBrowsers.sort();
    }
    return fresh;
}

void PermissionManager::refresh()
{
    PermissionSnapshot fresh = currentSnapshot();
    if (fresh == m_snapshot)
        return;
    m_snapshot = std::move(fresh);
    emit snapshotChanged(m_snapshot);
}

void PermissionManager::startMonitoring()
{
    if (!m_driver) {
        // The manager owns the driver, whose timer and observer go with it.
        m_driver = std::make_unique<fennimar::PermissionRefreshDriver>(
            monitoringInterval, [this] { refresh(); }, m_scheduler);
    }
    m_driver->acquire();
}

void PermissionManager::stopMonitoring()
{
    if (m_driver)
        m_driver->release();
}

bool PermissionManager::isMonitoring() const
{
    return m_driver && m_driver->isActive();
}

void PermissionManager::requestAccessibility()
{
    m_defaults.setValue(accessibilityRequestedKey, true);
    refresh();
    m_accessibility.requestTrust();
    refresh();
}

void PermissionManager::fixAccessibility()
{
    if (snapshot().accessibilityDisplayStatus() == PermissionStatus::denied)
        openAccessibilitySettings();
    else
        requestAccessibility();
}

void PermissionManager::openAccessibilitySettings()
{
    if (!m_desktopSettings.open(platform::DesktopSettingsPage::accessibility))
        platform::log::permissions().info(
            "no accessibility settings of this desktop could be opened");
}

void PermissionManager::openAutomationSettings()
{
    platform::log::permissions().info("this desktop has no automation settings to open");
}

} // namespace halvex
