#pragma once

#include <functional>
#include <memory>

#include <QPointer>

#include "app/AppSurfaces.h"

namespace fennimar {
class TipJar;
class WindowFronting;
} // namespace fennimar

namespace halvex {

class AppDelegate;
class OnboardingWindow;
class ReviewPromptCoordinator;
class ReviewPromptWindowController;

// The surfaces of the running application that exist so far: the onboarding
// window, the settings and statistics windows and the review prompt, over
// the delegate's services. The other hooks stay empty until their windows
// exist. Made after the delegate and kept as long as it.
class LiveSurfaces final {
public:
    explicit LiveSurfaces(AppDelegate &delegate);
    ~LiveSurfaces();
    LiveSurfaces(const LiveSurfaces &) = delete;
    LiveSurfaces &operator=(const LiveSurfaces &) = delete;

    AppSurfaces surfaces();

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
    static void closeWindows();
    void openOnboarding();
    bool isOnboardingOpen() const;
    // The end of the wizard: announced, so that the menu-bar UI comes, then
    // the services that run from now on.
    void completeOnboarding();

    AppDelegate &m_delegate;
    std::unique_ptr<fennimar::TipJar> m_tipJar;
    std::unique_ptr<fennimar::WindowFronting> m_fronting;
    QPointer<OnboardingWindow> m_onboarding;
    // The review window lives for the run; the coordinator with the menu-bar UI.
    std::unique_ptr<ReviewPromptWindowController> m_reviewWindow;
    std::unique_ptr<ReviewPromptCoordinator> m_reviewPrompt;
};

} // namespace halvex
