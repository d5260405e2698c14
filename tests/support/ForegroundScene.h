#pragma once

#include <functional>
#include <memory>

#include <QProcess>
#include <QString>
#include <QWidget>

#include "DesktopHarness.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Workspace.h"

namespace testing {

// Two applications on the live X11 workspace, each known by a desktop file:
// this process, with a window of its own, and a helper process showing the
// window of the application a test brings to the front. Run the test with
// DesktopHarness::run and the own application's window class as its
// application name.
class ForegroundScene final {
public:
    struct Application {
        QString id; // the desktop-file id
        QString name;
        QString windowClass;
    };

    // The blocked application of the end-to-end tests.
    static Application distraction();

    ForegroundScene(DesktopHarness &desktop, Application own, Application helper = distraction());
    ~ForegroundScene();
    ForegroundScene(const ForegroundScene &) = delete;
    ForegroundScene &operator=(const ForegroundScene &) = delete;

    // Writes both desktop files, starts the window manager, shows the own
    // window, starts the helper and waits until the workspace lists it.
    // Empty on success, else why not.
    QString setUp(const DesktopHarness::HelperWindow &helperWindow);

    platform::X11Workspace &workspace() const { return *m_workspace; }
    const platform::ApplicationIdentity &identity() const { return *m_identity; }
    QWidget &ownWindow() { return m_own; }
    platform::RunningApplication ownApp() const;
    platform::RunningApplication helperApp() const;

    // Activates the application and waits, bounded, until the workspace has
    // it in front and `andThen` (when given) holds.
    bool bringToFront(const platform::RunningApplication &application,
                      const std::function<bool()> &andThen = {}, int timeoutMs = 10000);

private:
    DesktopHarness &m_desktop;
    Application m_ownApplication;
    Application m_helperApplication;
    std::unique_ptr<platform::DesktopEntryIndex> m_index;
    std::unique_ptr<platform::ApplicationIdentity> m_identity;
    std::unique_ptr<platform::X11Workspace> m_workspace;
    QWidget m_own;
    QProcess *m_helper = nullptr;
};

} // namespace testing
