#pragma once

#include <functional>
#include <memory>

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class PersistenceController;
class PopoverRootView;
class PopoverWindowController;
class StatusItemController;
class ThemeController;
class TranslationLoader;
struct AppPlatform;
struct CoreServices;

// The menu-bar UI of a running application: the popover, with the streak
// list in the chosen language and theme, and the status item that toggles
// it. Made when the shell installs the menu-bar UI, dropped when it removes
// it; while it lives the settings window closes the popover when it opens.
// Main thread only.
class MenuBarInstallation final {
public:
    struct Services {
        PersistenceController &persistence;
        CoreServices &coreServices;
        const AppPlatform &platform;
        ThemeController &themeController;
        TranslationLoader &translations;
        // The installed applications the pickers offer; null: the XDG folders, read here.
        const platform::DesktopEntryIndex *applications = nullptr;
        // The popover's actions: each runs after the popover has closed.
        std::function<void()> openStats;
        std::function<void()> openSettings;
        // The quit button; the shell's one way out.
        std::function<void()> quit;
        // A friction panel up answers a click on the icon instead of the
        // popover; true when one did.
        std::function<bool()> bringPanelForward = {};
    };

    explicit MenuBarInstallation(Services services);
    ~MenuBarInstallation();
    MenuBarInstallation(const MenuBarInstallation &) = delete;
    MenuBarInstallation &operator=(const MenuBarInstallation &) = delete;

    PopoverWindowController &popoverController() const { return *m_popover; }
    StatusItemController &statusItemController() const { return *m_statusItem; }
    PopoverRootView &rootView() const { return *m_rootView; }

    // Reveals the popover from the status item once the icon has settled
    // in the tray, or as an ordinary window where the desktop has none.
    void revealPopover(std::function<void()> completion);

private:
    std::unique_ptr<platform::DesktopEntryIndex> m_ownApplications;
    // Declared in the order built; the status item goes before the popover.
    std::unique_ptr<PopoverWindowController> m_popover;
    PopoverRootView *m_rootView = nullptr;
    std::unique_ptr<StatusItemController> m_statusItem;
};

} // namespace halvex
