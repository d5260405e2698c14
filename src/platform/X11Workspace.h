#pragma once

#include <array>
#include <atomic>
#include <memory>

#include <QHash>
#include <QMutex>

#include "platform/ApplicationIdentity.h"
#include "platform/Workspace.h"
#include "platform/X11Connection.h"

class QSocketNotifier;

namespace platform {

// The workspace of an X11 desktop, read from the window manager's EWMH
// properties on a connection of its own: our event mask on the root window
// must not replace the one Qt keeps on its connection. Applications are the
// processes behind the managed top-level windows, each named by the shared
// application identity. Without a display it lists nothing and does nothing.
// runningApplications() may be called from any thread; the rest belongs to
// the thread the workspace lives in.
class X11Workspace final : public Workspace {
    Q_OBJECT
public:
    // An empty display name means $DISPLAY.
    explicit X11Workspace(const ApplicationIdentity &identity, const QByteArray &displayName = {},
                          QObject *parent = nullptr);
    ~X11Workspace() override;
    Q_DISABLE_COPY_MOVE(X11Workspace)

    using RunningApplications::runningApplications;

    // Whether the X server was reached.
    bool isConnected() const;

    // One entry per process, in the order the window manager mapped their
    // first windows; windows that tell nothing about their application are
    // left out.
    QList<RunningApplication> runningApplications() const override;
    std::optional<RunningApplication> frontmostApplication() const override;
    bool hide(const RunningApplication &application) override;
    bool isHidden(const RunningApplication &application) const override;
    bool activate(const RunningApplication &application) override;
    bool openUrl(const QUrl &url) override;
    std::optional<ApplicationWindow> frontmostWindow() const override;
    std::optional<ApplicationWindow> frontWindowOf(const QString &bundleIdentifier) const override;
    QList<ApplicationWindow> windowsOf(const RunningApplication &application) const override;
    bool isOpen(const ApplicationWindow &window) const override;
    bool isFullScreen(const ApplicationWindow &window) const override;
    bool activateWindow(const ApplicationWindow &window) override;
    bool hideWindow(const ApplicationWindow &window) override;

private:
    using Window = X11Connection::Window;

    std::optional<Window> activeClientWindow() const;
    RunningApplication applicationOf(Window window) const;
    QList<Window> clientWindowsOf(const RunningApplication &application) const;
    // The window, when it is still open and still the application's.
    std::optional<Window> openWindow(const ApplicationWindow &window) const;
    void sendActivation(Window window) const;
    bool isWindowHidden(Window window) const;
    void sendToRoot(Window window, quint32 messageType, const std::array<quint32, 5> &data) const;

    void readEvents();
    void scheduleEventRead() const;
    void reportActivation();
    void forgetClosedWindows();

    const ApplicationIdentity &m_identity;
    X11Connection m_connection;
    struct Atoms;
    std::unique_ptr<Atoms> m_atoms;
    QSocketNotifier *m_notifier = nullptr;

    // Identity does not change during a window's life, and resolving it may
    // walk every desktop file: each window is resolved once.
    mutable QMutex m_applicationsMutex;
    mutable QHash<Window, RunningApplication> m_applications;
    std::optional<RunningApplication> m_lastActivated;
    mutable std::atomic<bool> m_readScheduled = false;
};

} // namespace platform
