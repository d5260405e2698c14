#pragma once

#include <optional>

#include <QObject>
#include <QUrl>

#include "platform/RunningApplications.h"

namespace platform {

// One top-level window of a running application, as the window manager has it.
struct ApplicationWindow {
    RunningApplication application;
    // The window's id on the display; 0 where the desktop tells no windows
    // apart, which then stands for the application's window in front.
    quint32 id = 0;

    friend bool operator==(const ApplicationWindow &, const ApplicationWindow &) = default;
};

// The desktop as the application sees it: which applications run, which one
// is in front, and the few things we ask of them. An application is named by
// its bundle identifier (the shared application identity); one whose windows
// tell nothing about it has an empty identifier.
class Workspace : public QObject, public RunningApplications {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Workspace() override;
    Q_DISABLE_COPY_MOVE(Workspace)

    // The application owning the focused window; nothing when no window has
    // the focus or no window manager tells which one does.
    virtual std::optional<RunningApplication> frontmostApplication() const = 0;

    // Puts all of the application's windows out of sight (iconified). False
    // when it has no window we could ask that of.
    virtual bool hide(const RunningApplication &application) = 0;
    // True while every window of the application is out of sight.
    virtual bool isHidden(const RunningApplication &application) const = 0;

    // Brings the application's most recent window to the front with the
    // focus. False when it has no window we could ask that of.
    virtual bool activate(const RunningApplication &application) = 0;

    // Hands the address to the desktop's handler for it.
    virtual bool openUrl(const QUrl &url) = 0;

    // The window with the focus; nothing when frontmostApplication() is
    // nothing.
    virtual std::optional<ApplicationWindow> frontmostWindow() const = 0;
    // Of the windows of every process with this identifier, the one in
    // front: the focused one when it is among them, else the highest in the
    // stacking order. Activating its application brings this one forward.
    virtual std::optional<ApplicationWindow>
    frontWindowOf(const QString &bundleIdentifier) const = 0;
    // The application's open windows.
    virtual QList<ApplicationWindow> windowsOf(const RunningApplication &application) const = 0;
    // Whether the window is still open.
    virtual bool isOpen(const ApplicationWindow &window) const = 0;
    virtual bool isFullScreen(const ApplicationWindow &window) const = 0;
    // Brings that window to the front with the focus (to its desktop, out
    // of its icon); false when it is gone or nothing could be asked.
    virtual bool activateWindow(const ApplicationWindow &window) = 0;
    // Puts that window alone out of sight (iconified); false when it is gone
    // or nothing could be asked.
    virtual bool hideWindow(const ApplicationWindow &window) = 0;

    // The process of the window frontWindowOf() names.
    std::optional<RunningApplication> frontmostOf(const QString &bundleIdentifier) const override;

    // Whether the application still runs (it is in runningApplications()).
    bool isRunning(const RunningApplication &application) const;

signals:
    // An application came to the front: the focus moved to its window from
    // another application's, or from no window at all. Focus moving among
    // one application's windows announces nothing, unless no window had the
    // focus for a moment in between.
    void applicationActivated(const platform::RunningApplication &application);
};

} // namespace platform
