#pragma once

#include <memory>

#include <QPointer>

#include "app/AppSurfaces.h"

namespace fennimar {
class TipJar;
class WindowFronting;
} // namespace fennimar

namespace halvex {

class AppDelegate;
class MenuBarInstallation;
class OnboardingWindow;

// The surfaces of the running application that exist so far: the onboarding
// window, the menu-bar UI, the settings and statistics windows, over the
// delegate's services. The other hooks stay empty until their windows exist.
// Made after the delegate and kept as long as it.
class LiveSurfaces final {
public:
    explicit LiveSurfaces(AppDelegate &delegate);
    ~LiveSurfaces();
    LiveSurfaces(const LiveSurfaces &) = delete;
    LiveSurfaces &operator=(const LiveSurfaces &) = delete;

    AppSurfaces surfaces();
    // The status item and popover while the menu-bar UI is installed, else null.
    MenuBarInstallation *menuBar() const { return m_menuBar.get(); }

private:
    void installMenuBar();
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
    std::unique_ptr<MenuBarInstallation> m_menuBar;
    QPointer<OnboardingWindow> m_onboarding;
};

} // namespace halvex
