#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QStringList>

#include "browsers/BrowserURLProbe.h"
#include "kit/UserDefaultsAutomationGrantMemory.h"
#include "permissions/PermissionSnapshot.h"
#include "platform/DesktopSettings.h"
#include "platform/TimerScheduler.h"
#include "platform/UserDefaults.h"

namespace fennimar {
class AccessibilityProbe;
class AutomationProbe;
class PermissionRefreshDriver;
} // namespace fennimar

namespace halvex {

// The one object that knows which permissions the application holds, built
// once by the composition root and shared by reference with every screen
// that shows or repairs them (onboarding, the popover's banner, the settings
// Permissions tab) and with the limited-mode reconciliation.
//
// It publishes a PermissionSnapshot: snapshot() holds the last one, and
// snapshotChanged() announces a new one, only when it differs from the last.
// Nothing is probed at construction; the snapshot stays empty until the
// first refresh(). While any permission surface is open it holds a monitoring
// count (startMonitoring()/stopMonitoring(), balanced per surface): the
// snapshot is then rebuilt at once, every 2 s and each time the application
// becomes active. No probe ever prompts the user, so monitoring shows
// nothing. Main thread only; no operation reports an error.
class PermissionManager final : public QObject {
    Q_OBJECT
    Q_PROPERTY(halvex::PermissionSnapshot snapshot READ snapshot NOTIFY snapshotChanged)

public:
    static constexpr double monitoringInterval = 2.0;
    // Bool; written true by requestAccessibility() and never cleared.
    static inline const QString accessibilityRequestedKey =
        QStringLiteral("halvex.accessibilityRequested");

    // Our accessibility trust: the check never prompts; the request asks the
    // user as the desktop's own switch would and answers with the state after.
    struct AccessibilityTrust {
        std::function<bool()> isTrusted;
        std::function<bool()> requestTrust;

        // The support library's probe; it must outlive the manager.
        static AccessibilityTrust of(const fennimar::AccessibilityProbe &probe);
    };

    // `browserBundleIds`: the browsers to probe for automation, in order
    // (automationBrowserBundleIds() of the probe table in use). The probe, the
    // defaults (which also hold the library's remembered automation grants)
    // and the scheduler must outlive the manager.
    PermissionManager(AccessibilityTrust accessibility, const fennimar::AutomationProbe &automation,
                      QStringList browserBundleIds, platform::UserDefaults &defaults,
                      platform::DesktopSettings desktopSettings = platform::DesktopSettings(),
                      platform::TimerScheduler &scheduler = platform::TimerScheduler::live(),
                      QObject *parent = nullptr);
    ~PermissionManager() override;
    Q_DISABLE_COPY_MOVE(PermissionManager)

    // The catalogue's browsers that a bridge of `probes` reaches through
    // automation events, in catalogue order. A browser read through the
    // accessibility interface needs our accessibility trust instead, and one
    // without a bridge is never read: probing either for automation would
    // only report a permission nobody can grant. On Linux every bridge reads
    // through accessibility, so the list is empty there.
    static QStringList automationBrowserBundleIds(const BrowserProbeTable &probes);

    // The bridges whose browsers each snapshot looks at while accessibility
    // is on (one lookup on the accessibility bus per running browser), to
    // list those that run but cannot be read. The table must outlive the
    // manager; without one no browser is listed.
    void followReadability(const BrowserProbeTable &probes) { m_readability = &probes; }

    const QStringList &browserBundleIds() const { return m_browserBundleIds; }
    const PermissionSnapshot &snapshot() const { return m_snapshot; }

    // A fresh snapshot, published nowhere. Asks the automation probe about
    // each browser without a prompt: one that is not running carries its
    // remembered status, else notDetermined. With accessibility on, asks
    // the followed bridges whether their browsers can be read.
    PermissionSnapshot currentSnapshot() const;
    // Rebuilds the snapshot and publishes it when it differs from snapshot().
    void refresh();

    // One count per open surface: the first start refreshes at once and
    // starts the 2 s refresh; the matching last stop ends it. A stop with no
    // start outstanding does nothing.
    void startMonitoring();
    void stopMonitoring();
    bool isMonitoring() const;

    // Records that the user was asked, refreshes, asks the desktop for
    // accessibility trust, and refreshes again with its answer.
    void requestAccessibility();
    // The accessibility fix: its settings once trust was refused, else the
    // request.
    void fixAccessibility();

    // The desktop's accessibility settings, where its accessibility support
    // is turned on; logged when this desktop has none installed.
    void openAccessibilitySettings();
    // No desktop of ours has automation settings: this only logs.
    void openAutomationSettings();

signals:
    void snapshotChanged(const halvex::PermissionSnapshot &snapshot);

private:
    AccessibilityTrust m_accessibility;
    const fennimar::AutomationProbe &m_automation;
    QStringList m_browserBundleIds;
    platform::UserDefaults &m_defaults;
    mutable fennimar::UserDefaultsAutomationGrantMemory m_grants;
    platform::DesktopSettings m_desktopSettings;
    platform::TimerScheduler &m_scheduler;
    const BrowserProbeTable *m_readability = nullptr;
    PermissionSnapshot m_snapshot;
    // Made on the first start and kept, so later starts reuse it.
    std::unique_ptr<fennimar::PermissionRefreshDriver> m_driver;
};

} // namespace halvex
