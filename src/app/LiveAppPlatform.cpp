#include "app/LiveAppPlatform.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "browsers/AXURLReader.h"
#include "browsers/LinuxProbeTable.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/AccessibilityProbe.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/AutomationProbe.h"
#include "kit/LaunchAtLogin.h"
#include "kit/LaunchOrigin.h"
#include "kit/TerminationSignal.h"
#include "kit/UserDefaultsAutomationGrantMemory.h"
#include "platform/ApplicationIdentity.h"
#include "platform/AtspiAccessibilityHost.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/LocalTimeZoneWatcher.h"
#include "platform/LogindSystemSleep.h"
#include "platform/PortalAppearanceWatcher.h"
#include "platform/SecretServiceKeychain.h"
#include "platform/SystemAppearance.h"
#include "platform/TimerScheduler.h"
#include "platform/UnavailableAutomationChecking.h"
#include "platform/UserDefaults.h"
#include "platform/UserNotificationCenter.h"
#include "platform/X11Connection.h"
#include "platform/X11FrontWindowSource.h"
#include "platform/X11KeystrokeSender.h"
#include "platform/X11Workspace.h"

namespace halvex {

LiveAppPlatform::LiveAppPlatform()
    : m_entries(std::make_unique<platform::DesktopEntryIndex>())
    , m_identity(std::make_unique<platform::ApplicationIdentity>(*m_entries))
    , m_workspace(std::make_unique<platform::X11Workspace>(*m_identity))
    , m_connection(std::make_unique<platform::X11Connection>())
    , m_sleep(std::make_unique<platform::LogindSystemSleep>())
    , m_timeZone(std::make_unique<platform::LocalTimeZoneWatcher>())
    , m_appearance(std::make_unique<platform::PortalSystemAppearance>())
    , m_appearanceChanges(std::make_unique<platform::PortalAppearanceWatcher>())
    , m_frontWindows(std::make_unique<platform::X11FrontWindowSource>())
    , m_accessibility(std::make_unique<platform::AtspiAccessibilityHost>(*m_frontWindows))
    , m_trust(std::make_unique<fennimar::AccessibilityProbe>(
          *m_accessibility, *m_workspace, platform::UserDefaults::standard(),
          qint32(QCoreApplication::applicationPid())))
    , m_reader(std::make_unique<AXURLReader>(*m_accessibility, *m_trust, *m_workspace))
    , m_keystrokes(std::make_unique<platform::X11KeystrokeSender>(
          [trust = m_trust.get()] { return trust->isTrusted(); }, *m_connection))
    , m_automationChecking(std::make_unique<platform::UnavailableAutomationChecking>())
    , m_automation(std::make_unique<fennimar::AutomationProbe>(*m_workspace, *m_automationChecking))
    , m_grants(std::make_unique<fennimar::UserDefaultsAutomationGrantMemory>(
          platform::UserDefaults::standard(),
          fennimar::UserDefaultsAutomationGrantMemory::standardKey))
    , m_keychain(std::make_unique<platform::SecretServiceKeychain>())
{
    // Our windows as the workspace names them: by the desktop file that
    // matches their class, else the class itself.
    platform::WindowIdentityHints hints;
    hints.wmClassInstance = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    hints.wmClassName = QCoreApplication::applicationName();
    hints.executable = QCoreApplication::applicationFilePath();
    const QString own = platform::ApplicationIdentity::presented(m_identity->resolve(hints));
    if (!own.isEmpty())
        m_ownBundleIdentifier = own;
}

LiveAppPlatform::~LiveAppPlatform() = default;

platform::Keychain &LiveAppPlatform::keychain() const
{
    return *m_keychain;
}

AppPlatform LiveAppPlatform::platform() const
{
    AccessibilityBridgeServices bridges;
    bridges.workspace = m_workspace.get();
    bridges.keystrokes = m_keystrokes.get();
    bridges.accessibility = m_accessibility.get();
    bridges.trust = m_trust.get();
    bridges.reader = m_reader.get();
    bridges.scheduler = &platform::TimerScheduler::live();

    return AppPlatform{
        .arguments = QCoreApplication::arguments(),
        .environment = QProcessEnvironment::systemEnvironment(),
        .installTerminationHandler =
            [](std::function<void()> handler) {
                fennimar::TerminationSignal::install(std::move(handler));
            },
        .exit = [](int status) { QCoreApplication::exit(status); },
        .captureLaunchOrigin = [] { fennimar::LaunchOrigin::capture(); },
        .isLoginLaunch = [] { return fennimar::LaunchOrigin::isLoginLaunch(); },
        .persistence = []() -> PersistenceController & { return PersistenceController::shared(); },
        .storeEnvironment = StoreEnvironment::system(),
        .clock = DayClock::systemClock(),
        .timeZone = *m_timeZone,
        .scheduler = platform::TimerScheduler::live(),
        .workspace = *m_workspace,
        .systemSleep = *m_sleep,
        .notificationCenter = platform::UserNotificationCenter::current(),
        .loginItem = fennimar::LaunchAtLogin::backend(),
        .activationPolicy = fennimar::ActivationPolicyCoordinator::shared(),
        .appearance = *m_appearance,
        .defaults = platform::UserDefaults::standard(),
        .makeBrowserProbes =
            [bridges, installed = m_entries.get()] {
                return makeLinuxProbeTable(bridges, *installed);
            },
        .automationStatus = TriggerWatcher::liveAutomationStatus(*m_automation, *m_grants),
        .accessibilityTrust = PermissionManager::AccessibilityTrust::of(*m_trust),
        .automationProbe = *m_automation,
        .frontmostWindowFrames = FrictionPanelController::liveFrontmostWindowFrames(*m_workspace),
        .ownBundleIdentifier = m_ownBundleIdentifier,
        .installedApplications = m_entries.get(),
        .appearanceChanges = m_appearanceChanges.get(),
    };
}

} // namespace halvex
