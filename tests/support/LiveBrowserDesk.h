#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include "DesktopHarness.h"
#include "LivePages.h"
#include "browsers/AccessibilityBrowserBridge.h"
#include "platform/RunningApplications.h"

namespace platform {
class ApplicationIdentity;
class AtspiAccessibilityHost;
class DesktopEntryIndex;
class UserDefaults;
class X11Connection;
class X11FrontWindowSource;
class X11KeystrokeSender;
class X11Workspace;
} // namespace platform

namespace fennimar {
class AccessibilityProbe;
}

namespace halvex {
class AXURLReader;
}

namespace testing {

// A desktop of the test's own on which real browsers run and are read and
// steered as Halvex does it: the accessibility bus and a window manager, the
// live services a browser bridge works with (workspace, accessibility host
// and trust, address reader, XTest keystrokes, the event loop's timers),
// pages served on the loopback interface, and the browsers themselves,
// started quietly (no first-run pages, nothing that reaches for the network)
// with a profile of their own each. A browser joins the bus only if the
// switch was on when it started: switch it on first. Keep one as a member of
// the test object and run the test with DesktopHarness::run, the own
// window's class as its application name:
//
//   void tst_Something::initTestCase()
//   {
//       QVERIFY2(m_desk.start().isEmpty(), "...");
//       QVERIFY(m_desk.switchAccessibilityOn() && m_desk.showOwnWindow());
//       m_bridge = std::make_unique<ChromiumAccessibilityBridge>(
//           id, name, m_desk.bridgeServices());
//       QProcess *browser = m_desk.startChromium({m_desk.pageUrl("/first")});
//   }
//
// Its profiles and files outlive the browsers, which end with the desk.
// Main thread only.
class LiveBrowserDesk final {
public:
    enum class Browser { chromium, firefox };
    // How long a browser may take to start and show its first page.
    static constexpr int startTimeoutMs = 60000;

    // The identity the workspace gives the browser's windows.
    static QString identifier(Browser browser);
    static bool isInstalled(Browser browser);

    explicit LiveBrowserDesk(QHash<QByteArray, LivePages::Page> pages = {});
    ~LiveBrowserDesk();
    LiveBrowserDesk(const LiveBrowserDesk &) = delete;
    LiveBrowserDesk &operator=(const LiveBrowserDesk &) = delete;

    // Checks that the browsers are installed (both, unless told which),
    // starts the accessibility bus, the window manager and the page server,
    // and builds the services. Empty when ready, else why not. The
    // accessibility switch stays off.
    QString start(const QList<Browser> &required = {Browser::chromium, Browser::firefox});
    // Switches accessibility on, as Halvex asks the user to; true when on.
    bool switchAccessibilityOn();
    // Shows this process's own window (which nothing blocks) and waits
    // until it is exposed.
    bool showOwnWindow();
    platform::RunningApplication ownApp() const;

    DesktopHarness &desktop() { return m_desktop; }
    // A path in a folder that outlives every browser started here.
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString pageUrl(const QByteArray &path) const { return m_pages.url(path); }

    platform::X11Workspace &workspace() const { return *m_workspace; }
    const platform::DesktopEntryIndex &entries() const { return *m_entries; }
    platform::AtspiAccessibilityHost &host() const { return *m_host; }
    fennimar::AccessibilityProbe &trust() const { return *m_trust; }
    halvex::AXURLReader &reader() const { return *m_reader; }
    // Live keystrokes and timers, and the wall clock.
    halvex::AccessibilityBridgeServices bridgeServices() const;

    // Starts the browser on these addresses, one tab each, the first in
    // front; null when it could not be started.
    QProcess *startChromium(const QStringList &urls, const QStringList &extraArguments = {});
    QProcess *startFirefox(const QStringList &urls);
    // Ends the browser and waits until the workspace no longer lists it.
    bool stop(QProcess *browser, Browser which);

    // Another window of a browser started here, on the address, opened as a
    // launcher does it (the running browser takes the request over), a
    // private one (Incognito) if asked; the new window once it is in front,
    // none when it does not come.
    std::optional<DesktopHarness::Window>
    openWindow(QProcess *browser, Browser which, const QString &url, bool privateWindow = false);
    // The process's managed windows, in the order mapped.
    QList<DesktopHarness::Window> windowsOf(qint32 processIdentifier) const;
    // What a user does through the window manager, each waited for until
    // the window manager shows it done: bring a window to the front (going
    // to its desktop, or restoring it, as needed), iconify it, move it to
    // another desktop, or go to another desktop (the first is 0).
    bool activateWindow(DesktopHarness::Window window) const;
    bool minimiseWindow(DesktopHarness::Window window) const;
    bool moveWindowToDesktop(DesktopHarness::Window window, int desktop) const;
    bool switchToDesktop(int desktop) const;
    bool isMinimised(DesktopHarness::Window window) const;
    // Whether the window manager stacks `upper` above `lower`.
    bool isStackedAbove(DesktopHarness::Window upper, DesktopHarness::Window lower) const;
    // Asks the window to close, as a task bar does, and waits until it has.
    bool closeWindow(DesktopHarness::Window window) const;

    // The browser's process on the workspace; 0 when none runs.
    qint32 processOf(Browser browser) const;
    // The address the browser's focused window shows, read afresh (the
    // bridges cache theirs); empty when none is read.
    QString shownAddress(Browser browser) const;
    // For a failure's message: what the process's accessible window in
    // front holds, or why none is found.
    QString frontWindowTree(qint32 processIdentifier) const;
    // The tabs in the strip of the process's focused window; -1 when no
    // strip is found.
    int tabCount(qint32 processIdentifier) const;
    // Follows the link of that name on the page the process's focused
    // window shows, as a click would. False when no such link was pressed.
    bool followLink(qint32 processIdentifier, const QString &name) const;
    // Presses keys on the focused window, as the user would: key names
    // between spaces ("F11", "ctrl+t").
    bool pressKeys(const QString &keys) const;

private:
    QString newProfile();
    QStringList chromiumArguments(const QString &profile) const;
    bool windowTool(const QStringList &arguments, const std::function<bool()> &done) const;

    // Before the desktop: a profile folder gone before its browser would be
    // written again on the browser's way out.
    QTemporaryDir m_dir;
    DesktopHarness m_desktop;
    LivePages m_pages;
    QWidget m_own;
    int m_profiles = 0;
    QHash<const QProcess *, QString> m_profileOf;

    std::unique_ptr<platform::DesktopEntryIndex> m_entries;
    std::unique_ptr<platform::ApplicationIdentity> m_identity;
    std::unique_ptr<platform::X11Workspace> m_workspace;
    std::unique_ptr<platform::X11Connection> m_connection;
    std::unique_ptr<platform::X11FrontWindowSource> m_frontWindows;
    std::unique_ptr<platform::AtspiAccessibilityHost> m_host;
    std::unique_ptr<platform::UserDefaults> m_defaults;
    std::unique_ptr<fennimar::AccessibilityProbe> m_trust;
    std::unique_ptr<halvex::AXURLReader> m_reader;
    std::unique_ptr<platform::X11KeystrokeSender> m_keystrokes;
};

} // namespace testing
