#pragma once

#include <optional>

#include <QObject>
#include <QUrl>

#include "platform/RunningApplications.h"

namespace platform {

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
