#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "app/AppPlatform.h"
#include "app/AppSurfaces.h"

namespace halvex {

class AppMenuCommands;
class FrictionPanelController;
class LanguageSwitch;
class QuitFunnel;
class ThemeController;
class TranslationLoader;
struct CoreServices;

// The application's owner: brings the program up in order, branches between
// a first launch (onboarding) and a normal one, installs and removes the
// menu-bar UI, and takes everything down through the one quit funnel. It
// owns the services and the windows for the whole run. Main thread only.
class AppDelegate final : public QObject {
    Q_OBJECT
public:
    // The environment key of a process that only hosts unit tests.
    static constexpr const char *testHostKey = "XCTestConfigurationFilePath";
    static constexpr const char *uiTestArgument = "--ui-test";
    // How long quitting waits for pending notifications to be taken back.
    static constexpr double retractionTimeoutSeconds = 2.0;

    AppDelegate(AppPlatform platform, AppSurfaces surfaces, QObject *parent = nullptr);
    ~AppDelegate() override;
    Q_DISABLE_COPY_MOVE(AppDelegate)

    // The surfaces, when they are made over the delegate; before start-up.
    void setSurfaces(AppSurfaces surfaces) { m_surfaces = std::move(surfaces); }

    // Before launch finishes: decides whether this is a launch at login.
    void applicationWillFinishLaunching();
    // The start-up sequence.
    void applicationDidFinishLaunching();

    // Starts the watching services; each that is missing is skipped, and a
    // repeat changes nothing.
    void startRuntime();
    // Plans the milestone notifications and the weekly digest again.
    void planNotifications();
    // uiAllowed follows the record's first-launch flag.
    void evaluateUIAllowed();

    // The menu-bar UI: the friction panel controller, the status item and
    // popover, the review prompt. Installed once; removed only when the
    // first launch is no longer completed.
    void installAppUI();
    void tearDownAppUI();

    // The popover's handlers and the menu commands.
    void openStats();
    void openSettings();
    void showAbout();
    // Another launch asked us to show ourselves: the popover, or, while a
    // friction panel is up, the panel brought forward instead.
    void revealOnRequest();
    // Reveals the popover from the status item, then runs the completion;
    // false, without the completion, when there is no status item.
    bool revealPopover(std::function<void()> completion);

    // The quit funnel: every way out comes here. Pending notifications are
    // taken back first (for at most two seconds), then the services stop,
    // the store is saved and the event loop ends, once.
    void requestQuit();
    // Lets the application's own quit (the session ending, quit()) through the funnel.
    void interceptApplicationQuit();
    // The orderly stop of the services.
    void tearDown();

    bool uiAllowed() const { return m_uiAllowed; }
    bool isAppUIInstalled() const { return m_appUIInstalled; }
    bool isPopoverRevealPending() const { return m_pendingPopoverReveal; }
    // The start-up notices are on screen; the first window waits for them.
    bool areNoticesOpen() const { return m_noticesOpen; }
    bool isQuitting() const;

    // What start-up made; nothing before it, or in a unit-test host.
    PersistenceController *persistence() const { return m_persistence; }
    CoreServices *coreServices() const { return m_coreServices.get(); }
    FrictionPanelController *frictionPanelController() const
    {
        return m_frictionPanelController.get();
    }
    ThemeController *themeController() const { return m_themeController.get(); }
    TranslationLoader *translations() const { return m_translations.get(); }
    AppMenuCommands *menuCommands() const { return m_menuCommands.get(); }
    const AppPlatform &platform() const { return m_platform; }

signals:
    void uiAllowedChanged(bool allowed);

private:
    void setUIAllowed(bool allowed);
    void installUIAllowedWiring();
    void subscribeLimitedModeReconcile();
    void subscribePermissionRefreshOnActivation();
    void presentStartupNotices();
    void startupNoticesRead(const StartupNotices &notices);
    void openOnboardingWindow();
    void reopenOnboardingAfterReset();
    void revealPendingPopover();
    bool firstLaunchCompleted() const;

    AppPlatform m_platform;
    AppSurfaces m_surfaces;

    PersistenceController *m_persistence = nullptr;
    std::unique_ptr<TranslationLoader> m_translations;
    std::unique_ptr<ThemeController> m_themeController;
    std::unique_ptr<LanguageSwitch> m_languageSwitch;
    std::unique_ptr<CoreServices> m_coreServices;
    std::unique_ptr<FrictionPanelController> m_frictionPanelController;
    std::unique_ptr<AppMenuCommands> m_menuCommands;
    std::unique_ptr<QuitFunnel> m_quitFunnel;

    bool m_uiAllowed = false;
    bool m_uiAllowedWired = false;
    bool m_appUIInstalled = false;
    bool m_pendingPopoverReveal = false;
    bool m_noticesOpen = false;
    bool m_onboardingWaits = false;
};

} // namespace halvex
