#pragma once

#include <optional>

#include <QList>
#include <QUrl>

#include "platform/Workspace.h"

namespace testing {

// A desktop a test arranges by hand. Requests are recorded; hide and activate
// also change what the fake reports, as a window manager would.
class FakeWorkspace final : public platform::Workspace {
    Q_OBJECT
public:
    static platform::RunningApplication app(const QString &bundleIdentifier, qint32 pid = 0)
    {
        return {bundleIdentifier, pid};
    }

    // The user brings the application to the front: it runs, is no longer
    // hidden, is frontmost, and the activation is announced.
    void bringToFront(const platform::RunningApplication &application);
    // The front changes without an announcement (only a poll would see it).
    void setFrontmostSilently(const std::optional<platform::RunningApplication> &application);
    // Announces an activation without changing anything else.
    void announceActivation(const platform::RunningApplication &application);
    // The application quits: it leaves the lists and the front.
    void terminate(const platform::RunningApplication &application);

    using platform::RunningApplications::runningApplications;
    QList<platform::RunningApplication> runningApplications() const override { return running; }
    std::optional<platform::RunningApplication> frontmostApplication() const override
    {
        ++frontmostReads;
        return frontmost;
    }
    bool hide(const platform::RunningApplication &application) override;
    bool isHidden(const platform::RunningApplication &application) const override
    {
        return hidden.contains(application);
    }
    bool activate(const platform::RunningApplication &application) override;
    bool openUrl(const QUrl &url) override;

    // Windows: an application with none listed in `windows` has one, id 0.
    // The focused one is `frontWindow` when set and its application is
    // frontmost, else the frontmost application's first.
    std::optional<platform::ApplicationWindow> frontmostWindow() const override;
    std::optional<platform::ApplicationWindow>
    frontWindowOf(const QString &bundleIdentifier) const override;
    QList<platform::ApplicationWindow>
    windowsOf(const platform::RunningApplication &application) const override;
    bool isOpen(const platform::ApplicationWindow &window) const override
    {
        return windowsOf(window.application).contains(window);
    }
    bool isFullScreen(const platform::ApplicationWindow &window) const override
    {
        return fullScreen.contains(window);
    }
    bool activateWindow(const platform::ApplicationWindow &window) override;
    bool hideWindow(const platform::ApplicationWindow &window) override;
    // The window is closed (its application runs on).
    void closeWindow(const platform::ApplicationWindow &window);

    QList<platform::RunningApplication> running;
    std::optional<platform::RunningApplication> frontmost;
    QList<platform::RunningApplication> hidden;
    QList<platform::ApplicationWindow> windows;
    std::optional<platform::ApplicationWindow> frontWindow;
    QList<platform::ApplicationWindow> fullScreen;
    QList<platform::ApplicationWindow> hiddenWindows;
    QList<platform::ApplicationWindow> closed;

    // What was asked of the desktop, in order.
    QList<platform::RunningApplication> hideRequests;
    QList<platform::RunningApplication> activateRequests;
    QList<platform::ApplicationWindow> windowRequests; // activations and hides of one window
    QList<QUrl> openedUrls;
    mutable int frontmostReads = 0;

    // Set false to make the request fail (nothing changes).
    bool hideSucceeds = true;
    // Processes whose hide fails alone: they have no window to hide.
    QList<platform::RunningApplication> windowless;
    bool activateSucceeds = true;
    // Set false for a window manager that takes an activation request and
    // acts on it later, when the test calls bringToFront.
    bool activatesAtOnce = true;
    bool openUrlSucceeds = true;
};

} // namespace testing
