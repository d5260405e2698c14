#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "SessionBus.h"
#include "WindowManagerSession.h"

namespace platform {
class X11Connection;
}

namespace testing {

// A desktop of the test's own for end-to-end tests on X11: each piece is
// started on request and everything started is torn down when the harness
// goes (programs first, then the services, in reverse order). Keep one as a
// member of the test object; main() is run():
//
//   int main(int argc, char **argv)
//   {
//       // Runs helper windows; otherwise starts Xvfb when there is no
//       // $DISPLAY and a private session bus, then the application and the test.
//       return testing::DesktopHarness::run<tst_Something>(argc, argv, {"HalvexProbe"});
//   }
//
//   void tst_Something::initTestCase()
//   {
//       for (const QString &why : {m_desktop.startWindowManager(), m_desktop.startTrayHost()})
//           QVERIFY2(why.isEmpty(), qPrintable(why));
//       QVERIFY(m_desktop.writeDesktopFile("org.example.Helper", "Helper", "HalvexHelper"));
//       QProcess *helper = m_desktop.startHelperWindow({"HalvexHelper", "helper"});
//       QProcess *app = m_desktop.launch(pathOfTheBinary, {});   // its output: logOf(app)
//       const auto window = m_desktop.waitForWindow({.windowClass = "HalvexHelper"});
//       QVERIFY(window && m_desktop.click(m_desktop.frame(*window).center()));
//       m_desktop.screenshot("helper", *window);
//       m_desktop.runTool("dunstctl", {"count", "displayed"});  // after startNotificationServer()
//   }
//
// Pieces: window manager (openbox), accessibility bus (at-spi-bus-launcher
// on the process's bus), tray host (trayer, owning _NET_SYSTEM_TRAY_S0),
// notification server (dunst with a configuration of ours, so dunstctl
// works against it), Secret Service (gnome-keyring-daemon, secrets only,
// unlocked with an empty password in the temporary home). The bus of the
// process has no service folders unless run() is asked for them, so a
// service the test did not start is absent, not activated.
//
// A tray icon is docked once when the tray host runs before the icon is
// shown, or comes up after it; an icon shown in between may be docked again
// when this process hears of the host, and a click meanwhile is lost.
//
// Programs started through launch() or startHelperWindow() get environment():
// the display, the private session bus, a temporary HOME with XDG folders of
// its own, XDG_CURRENT_DESKTOP pinned, an X11 session (XDG_SESSION_TYPE).
// Main thread only.
class DesktopHarness final {
public:
    using Window = quint32;

    struct RunOptions {
        // The class in the WM_CLASS of this process's windows.
        QString applicationName;
        SessionBus::Activation activation = SessionBus::Activation::none;
        // A display of the test's own whose monitors setMonitors() changes
        // (an X server with RandR outputs to spare), whatever $DISPLAY is.
        // It starts as one 1280x800 monitor.
        bool resizableDisplay = false;
    };

    // The test's main(). A process started by startHelperWindow() shows its
    // window and waits to be ended; otherwise this starts what the test
    // process itself must have before its application object exists (Xvfb
    // when $DISPLAY is empty, a private session bus that Qt's own session
    // connection then goes to), runs the test and tears them down.
    template <class Test> static int run(int argc, char **argv, const RunOptions &options = {})
    {
        return runMain(argc, argv, options, [&] {
            Test test;
            return QTest::qExec(&test, argc, argv);
        });
    }

    // run() for a program that is not a test (a benchmark): `body` runs once
    // the application object exists, and its result is the exit code.
    static int runMain(int argc, char **argv, const RunOptions &options,
                       const std::function<int()> &body);

    DesktopHarness();
    ~DesktopHarness();
    DesktopHarness(const DesktopHarness &) = delete;
    DesktopHarness &operator=(const DesktopHarness &) = delete;

    // Each returns empty when the piece is ready (or already was), else why not.
    QString startWindowManager();
    QString startAccessibilityBus();
    QString startTrayHost();
    QString startNotificationServer();
    QString startSecretService();

    // This process's private session bus (see run()); null without one.
    SessionBus *bus() const { return SessionBus::ofProcess(); }
    QString accessibilityBusAddress() const { return m_accessibilityAddress; }
    qint64 accessibilityLauncherProcessIdentifier() const;
    // The X server's tray selection owner, once the tray host runs.
    std::optional<Window> trayOwner() const;

    // The temporary home of the programs the harness starts, and its
    // applications folder (where writeDesktopFile() writes).
    QString homePath() const { return m_home.path(); }
    QString applicationsPath() const;
    QProcessEnvironment environment() const;
    bool writeDesktopFile(const QString &id, const QString &name, const QString &windowClass,
                          const QString &exec = QStringLiteral("true"));

    // Starts a program with environment() (plus `extra`), its output going
    // to logOf(process); ended with the harness.
    QProcess *launch(const QString &program, const QStringList &arguments = {},
                     const QProcessEnvironment &extra = {});
    // Where the output of a launched program goes: <home>/logs/<name>.log.
    QString logOf(const QProcess *process) const;
    // The end of what the process logged, for a failure's message; empty
    // when it logged nothing.
    QString logEndOf(const QProcess *process) const;
    // Runs a program to its end with environment(); its output when it exits
    // with 0, nothing otherwise.
    std::optional<QByteArray> runTool(const QString &program, const QStringList &arguments,
                                      const QByteArray &input = {}) const;

    // A window of another process, shown until the harness ends it.
    struct HelperWindow {
        QString windowClass = {};
        QString title = {};
        QSize size = QSize(240, 120);
        QColor background = QColor(Qt::lightGray);
        QString text = {}; // shown large in the middle
    };
    QProcess *startHelperWindow(const HelperWindow &window);

    // Mapped windows, top-level and embedded alike; empty fields match anything.
    struct WindowMatch {
        QString windowClass = {}; // the WM_CLASS class, letter case ignored
        QString title = {};       // _NET_WM_NAME or WM_NAME, exactly
        std::optional<qint64> processIdentifier = {};
        std::optional<QSize> size = {};   // in pixels
        std::optional<QRect> within = {}; // the whole frame inside, in root pixels
    };
    std::optional<Window> findWindow(const WindowMatch &match) const;
    // Every one that matches, in the order findWindow() meets them.
    QList<Window> findWindows(const WindowMatch &match) const;
    std::optional<Window> waitForWindow(const WindowMatch &match, int timeoutMs = 10000) const;
    // The process's icon once it is docked in the tray host's panel. The
    // panel is measured afresh at each look: it grows with each icon it
    // docks, and shrinks to a sliver with none.
    std::optional<Window> waitForTrayIcon(qint64 processIdentifier, int timeoutMs = 10000) const;
    // In root (screen) pixels; empty when the window is gone.
    QRect frame(Window window) const;
    // The X server's screen, in pixels: whatever size the display was given.
    QSize screenSize() const;
    // The frame as the user sees it: the window's area with the decorations
    // the window manager names (_NET_FRAME_EXTENTS), in root pixels.
    QRect outerFrame(Window window) const;

    // Monitors side by side from the left, of these sizes in pixels, the
    // first one primary; empty once the X server and the window manager show
    // them, else why not. Only on a resizable display (see RunOptions).
    QString setMonitors(const QList<QSize> &sizes);
    // The X server's monitors (RandR), left to right, in pixels.
    QList<QRect> monitors() const;

    // Empty once the window manager has handled every window mapped before
    // the call, else why not: it handles them in order, so a window of the
    // harness's own, mapped now, is managed after them.
    QString waitForWindowManager();

    // A click of the real pointer through XTest, at a point in root pixels.
    bool click(const QPoint &point, Qt::MouseButton button = Qt::LeftButton) const;

    // The window that has the focus as the window manager says
    // (_NET_ACTIVE_WINDOW); none when nothing has it.
    std::optional<Window> activeWindow() const;

    // The window (0: the whole screen, every monitor) as it shows now; null
    // on failure.
    QImage grab(Window window = 0) const;
    // Saves the window (0: the whole screen, every monitor) as <name>.png
    // among the screenshots; returns the path, empty on failure.
    QString screenshot(const QString &name, Window window = 0) const;

private:
    QString startService(const QString &what, const QString &program, const QStringList &arguments,
                         const QByteArray &input, const std::function<bool()> &ready);
    // Starts the program once, into `slot`, and waits until it owns `name`
    // on the private bus.
    QString startBusService(QProcess *&slot, const QString &name, const QString &program,
                            const QStringList &arguments, const QByteArray &input = {});
    // The mapped windows that match, in tree order; only the first one, or all.
    QList<Window> search(const WindowMatch &match, bool firstOnly) const;
    platform::X11Connection &x11() const;
    QString newLogPath(const QString &program) const;

    QTemporaryDir m_home;
    WindowManagerSession m_windowManager;
    QString m_accessibilityAddress;
    mutable std::unique_ptr<platform::X11Connection> m_x11;
    // Services and programs, in the order started.
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcess *m_accessibilityLauncher = nullptr;
    QProcess *m_trayHost = nullptr;
    QProcess *m_notificationServer = nullptr;
    QProcess *m_secretService = nullptr;
    QHash<const QProcess *, QString> m_logs;
};

// "x,y wxh", for failure messages about frames and monitors.
QString describe(const QRect &rect);

} // namespace testing
