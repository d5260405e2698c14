#pragma once

#include <functional>
#include <memory>

#include <QPointer>

#include "app/AppSurfaces.h"

namespace fennimar {
class TipJar;
class WindowFronting;
} // namespace fennimar

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class AppDelegate;
class MenuBarInstallation;
class OnboardingWindow;
class ReviewPromptCoordinator;
class ReviewPromptWindowController;
class StartupNoticeWindow;
class Streak;

// The surfaces of the running application that exist so far: the onboarding
// window, the menu-bar UI with the review prompt, the settings, statistics
// and streak editor windows, over the delegate's services. The other hooks
// stay empty until their windows exist. Made after the delegate and kept as
// long as it.
class LiveSurfaces final {
public:
    explicit LiveSurfaces(AppDelegate &delegate);
    ~LiveSurfaces();
    LiveSurfaces(const LiveSurfaces &) = delete;
    LiveSurfaces &operator=(const LiveSurfaces &) = delete;

    AppSurfaces surfaces();
    // The status item and popover while the menu-bar UI is installed, else null.
    MenuBarInstallation *menuBar() const { return m_menuBar.get(); }

    // While the menu-bar UI is installed: asks for a review after the
    // popover closes. Null otherwise.
    ReviewPromptCoordinator *reviewPromptCoordinator() const { return m_reviewPrompt.get(); }

private:
    void installMenuBar();
    void removeMenuBar();
    // Builds the coordinator over the friction panel and `isPopoverShown`
    // (empty: no popover). The popover feeds its open state to the
    // coordinator's popoverOpenStateChanged.
    ReviewPromptCoordinator &installReviewPrompt(std::function<bool()> isPopoverShown);
    void configureSettings();
    void openStats();
    // The streak in the editor window's detail mode; nothing until the
    // services exist.
    void openStreakEditor(const std::shared_ptr<Streak> &streak);
    static void closeWindows();
    void presentNotices(const StartupNotices &notices, std::function<void()> read);
    void openOnboarding();
    bool isOnboardingOpen() const;
    // The end of the wizard: announced, so that the menu-bar UI comes, then
    // the services that run from now on.
    void completeOnboarding();

    AppDelegate &m_delegate;
    std::unique_ptr<fennimar::TipJar> m_tipJar;
    std::unique_ptr<fennimar::WindowFronting> m_fronting;
    QPointer<OnboardingWindow> m_onboarding;
    QPointer<StartupNoticeWindow> m_notices;
    // What the editor's application picker offers where the platform has no
    // index of its own, read on first use.
    std::unique_ptr<platform::DesktopEntryIndex> m_applications;
    // The review window lives for the run; the coordinator with the menu-bar UI.
    std::unique_ptr<ReviewPromptWindowController> m_reviewWindow;
    std::unique_ptr<ReviewPromptCoordinator> m_reviewPrompt;
    std::unique_ptr<MenuBarInstallation> m_menuBar;
};

} // namespace halvex
