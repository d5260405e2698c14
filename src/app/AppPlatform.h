#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>

#include "browsers/BrowserURLProbe.h"
#include "engine/TriggerWatcher.h"
#include "model/DayClock.h"
#include "model/PersistenceController.h"
#include "permissions/PermissionManager.h"

namespace fennimar {
class ActivationPolicyCoordinator;
class AutomationProbe;
class LaunchAtLoginBackend;
} // namespace fennimar

namespace platform {
class DesktopEntryIndex;
class PortalAppearanceWatcher;
class SystemAppearance;
class SystemSleep;
class SystemTimeZone;
class TimerScheduler;
class UserDefaults;
class UserNotificationCenter;
class Workspace;
} // namespace platform

namespace halvex {

// Everything the shell reaches outside the process, handed in by the
// composition root: the live desktop in the application, fakes in tests.
// Nothing here is owned; all of it outlives the delegate.
struct AppPlatform {
    QStringList arguments;
    QProcessEnvironment environment;
    // Turns SIGTERM into a call of the handler, from the event loop.
    std::function<void(std::function<void()> handler)> installTerminationHandler;
    // Ends the event loop with the status; the last step of quitting.
    std::function<void(int status)> exit;
    // Decides once whether this is a launch at login; then reads the answer.
    std::function<void()> captureLaunchOrigin;
    std::function<bool()> isLoginLaunch;

    // The shared store, opened on first use.
    std::function<PersistenceController &()> persistence;
    // Where the store and its backups live.
    StoreEnvironment storeEnvironment;
    DayClock::Clock clock;
    // The zone calendar days and hours are reckoned in, as the system
    // changes it.
    const platform::SystemTimeZone &timeZone;
    platform::TimerScheduler &scheduler;

    platform::Workspace &workspace;
    platform::SystemSleep &systemSleep;
    platform::UserNotificationCenter &notificationCenter;
    fennimar::LaunchAtLoginBackend &loginItem;
    fennimar::ActivationPolicyCoordinator &activationPolicy;
    const platform::SystemAppearance &appearance;
    platform::UserDefaults &defaults;

    // The browser bridges of this desktop, keyed by bundle identifier.
    std::function<BrowserProbeTable()> makeBrowserProbes;
    // A browser's automation permission, read without asking.
    TriggerWatcher::AutomationStatusFunction automationStatus;
    // What the permission manager asks: our accessibility trust, and the
    // automation permission of the browsers driven by automation events.
    PermissionManager::AccessibilityTrust accessibilityTrust;
    const fennimar::AutomationProbe &automationProbe;
    // Where the friction panel finds the front application's windows.
    std::function<QList<QRect>()> frontmostWindowFrames;
    // How the workspace names this application, so that our own windows
    // coming to the front are told apart.
    std::optional<QString> ownBundleIdentifier;
    // The installed applications, as the frontmost detector resolves them;
    // null: whoever needs them reads the XDG application folders.
    const platform::DesktopEntryIndex *installedApplications = nullptr;
    // Announces the desktop's changes of colour scheme to whatever follows
    // `appearance`: the theme and the tray icon alike. Null: none are heard.
    platform::PortalAppearanceWatcher *appearanceChanges = nullptr;
};

} // namespace halvex
