#pragma once

#include <memory>

#include "app/AppPlatform.h"

namespace fennimar {
class AccessibilityProbe;
class AutomationProbe;
class UserDefaultsAutomationGrantMemory;
} // namespace fennimar

namespace platform {
class ApplicationIdentity;
class AtspiAccessibilityHost;
class DesktopEntryIndex;
class Keychain;
class LocalTimeZoneWatcher;
class LogindSystemSleep;
class PortalAppearanceWatcher;
class PortalSystemAppearance;
class UnavailableAutomationChecking;
class X11Connection;
class X11FrontWindowSource;
class X11KeystrokeSender;
class X11Workspace;
} // namespace platform

namespace halvex {

class AXURLReader;

// The live desktop under the shell: the X11 workspace, logind's sleep
// announcements, the system's time zone as it changes, the session's
// notification server, the desktop portal's colour scheme as it changes,
// the autostart login item, the task-bar activation
// policy, the accessibility bus and XTest behind the browser bridges, and
// the Secret Service keychain. Made once, after the application object,
// and kept for the whole run.
class LiveAppPlatform final {
public:
    LiveAppPlatform();
    ~LiveAppPlatform();
    LiveAppPlatform(const LiveAppPlatform &) = delete;
    LiveAppPlatform &operator=(const LiveAppPlatform &) = delete;

    AppPlatform platform() const;
    platform::Keychain &keychain() const;

private:
    std::unique_ptr<platform::DesktopEntryIndex> m_entries;
    std::unique_ptr<platform::ApplicationIdentity> m_identity;
    std::unique_ptr<platform::X11Workspace> m_workspace;
    std::unique_ptr<platform::X11Connection> m_connection;
    std::unique_ptr<platform::LogindSystemSleep> m_sleep;
    std::unique_ptr<platform::LocalTimeZoneWatcher> m_timeZone;
    std::unique_ptr<platform::PortalSystemAppearance> m_appearance;
    std::unique_ptr<platform::PortalAppearanceWatcher> m_appearanceChanges;
    std::unique_ptr<platform::X11FrontWindowSource> m_frontWindows;
    std::unique_ptr<platform::AtspiAccessibilityHost> m_accessibility;
    std::unique_ptr<fennimar::AccessibilityProbe> m_trust;
    std::unique_ptr<AXURLReader> m_reader;
    std::unique_ptr<platform::X11KeystrokeSender> m_keystrokes;
    std::unique_ptr<platform::UnavailableAutomationChecking> m_automationChecking;
    std::unique_ptr<fennimar::AutomationProbe> m_automation;
    std::unique_ptr<fennimar::UserDefaultsAutomationGrantMemory> m_grants;
    std::unique_ptr<platform::Keychain> m_keychain;
    std::optional<QString> m_ownBundleIdentifier;
};

} // namespace halvex
