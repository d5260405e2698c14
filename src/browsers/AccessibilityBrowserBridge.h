#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QObject>

#include "browsers/AXBackButton.h"
#include "browsers/BrowserURLProbe.h"
#include "kit/AccessibilityProbe.h"
#include "platform/AccessibilityHost.h"
#include "platform/KeystrokeSending.h"
#include "platform/ProcessStartTime.h"
#include "platform/TimerScheduler.h"
#include "platform/Workspace.h"

namespace halvex {

class AXURLReader;

// What the accessibility bridges call on; all of it outlives the bridge.
struct AccessibilityBridgeServices {
    // The running applications, and activation before a keystroke.
    platform::Workspace *workspace = nullptr;
    platform::KeystrokeSending *keystrokes = nullptr;
    // The tree the back button is looked for in.
    platform::AccessibilityHost *accessibility = nullptr;
    const fennimar::AccessibilityProbe *trust = nullptr;
    const AXURLReader *reader = nullptr;
    // Bounds the waits for the browser to come to the front and to show a step.
    platform::TimerScheduler *scheduler = nullptr;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTimeUtc(); };
    // When a process started, in the clock's time; nothing when unknown.
    std::function<std::optional<QDateTime>(qint32 processIdentifier)> processStartTime =
        &platform::processStartTime;
};

// A browser read through the accessibility tree and steered by keystrokes,
// with a press of its toolbar's back button when a keystroke cannot go. Its
// permission is our accessibility trust. The tree is read at most once a
// second: a read is cached, whether or not it found a URL, until a step
// back or a tab close.
//
// A step waits for the browser to come to the front (the workspace's
// announcement, not a pause), and then for the browser to show it: a step
// back answers true once another page is read in the tab, and false when
// none was within a while. A page that cannot be read yet (one still
// loading) is neither the page the step left nor another. Meanwhile reads
// find no page; after it, the page it landed on is the last read, so a look right after the step
// sees where the tab went even before its tree is whole again. A tab is closed only where the
// browser is known to run on: with other tabs in its strip, or once a new tab has come up in front
// of it (closing a window's last tab would end the browser on this desktop). Without a strip to
// count, or while a step back may still land, nothing is closed. Lives on the main thread.
class AccessibilityBrowserBridge : public QObject, public BrowserURLProbe {
    Q_OBJECT
public:
    static constexpr double cacheLifetime = 1.0;
    // How long the browser may take to come to the front; the step then
    // goes ahead, and a keystroke is refused unless it did.
    static constexpr double activationTimeout = 2.0;
    // How often the tree is read while a step shows, and for how long.
    static constexpr double pollInterval = 0.125;
    static constexpr double stepTimeout = 2.0;

    ~AccessibilityBrowserBridge() override;
    Q_DISABLE_COPY_MOVE(AccessibilityBrowserBridge)

    BrowserAccessKind accessKind() const final { return BrowserAccessKind::accessibility; }
    QString installedIdentifier() const final { return m_installedIdentifier; }

    // Granted while trusted, otherwise not determined; never denied.
    fennimar::AutomationStatus automationStatus() final;
    QFuture<URLReadResult> fetchURL() final;
    QFuture<bool> goBack() final;
    QFuture<bool> closeTab() final;
    QFuture<fennimar::AutomationStatus> requestAccess() final;

protected:
    // `installedIdentifier`: the desktop-file id of the browser installed
    // under this bridge's identifier, empty when none is.
    AccessibilityBrowserBridge(AccessibilityBridgeServices services, QString installedIdentifier,
                               QObject *parent);

    const AccessibilityBridgeServices &services() const { return m_services; }

    // The address the browser's focused window shows, read from its tree
    // (trust and a running browser are checked before).
    virtual std::optional<QString> readAddress() = 0;
    virtual BackButtonLook backButton() const = 0;
    // Whether a step back presses the back button before it tries a
    // keystroke (otherwise the button is pressed when the keystroke cannot
    // go). Either way a greyed-out button means there is no page to go back
    // to, and nothing is sent.
    virtual bool pressesBackButtonFirst() const { return false; }

private:
    struct Cached {
        std::optional<QUrl> url;
        QDateTime readAt;
        // The window read: a read of another answers nothing for this one.
        std::optional<platform::ApplicationWindow> window;
    };
    using Done = std::function<void(bool)>;
    // A step on the browser's window in front, given the address it showed
    // when the step began.
    using Step = void (AccessibilityBrowserBridge::*)(const platform::ApplicationWindow &,
                                                      const std::optional<QString> &, Done);

    // Activates the browser and runs the step once it is in front, in the
    // window in front when the step was asked for.
    QFuture<bool> inFront(Step step);
    void stepBack(const platform::ApplicationWindow &window, const std::optional<QString> &shown,
                  Done done);
    void closeFrontTab(const platform::ApplicationWindow &window,
                       const std::optional<QString> &shown, Done done);
    // The only page of a window without tabs (a popup): the window goes,
    // where the browser has another to run on.
    void closeOnlyPage(const platform::ApplicationWindow &window, Done done);
    // While a step runs: whether its window is still the one in front. What
    // is read or sent once another window is in front would concern that one.
    bool inStepWindow() const;
    // The address the step's window shows; nothing once it is not in front.
    std::optional<QString> readStepAddress();
    // Answers `done` with true once the page shown is read and is no longer
    // `before`, or with false after the step's time-out.
    void settle(const std::optional<QString> &before, Done done);
    // Calls `then` with true as soon as `condition` holds, checked now and
    // every poll, or with false once the step's time-out has passed.
    void waitUntil(std::function<bool()> condition, Done then, int pollsLeft);
    // Refused unless the step's window is in front.
    bool send(quint16 keyCode, const platform::ApplicationWindow &window);
    bool isRunning() const;

    AccessibilityBridgeServices m_services;
    QString m_installedIdentifier;
    std::optional<Cached> m_cached;
    // The page a step back was seen to land on, read as it landed.
    std::optional<Cached> m_landed;
    // The last step back was sent but not seen to land, and may land yet.
    bool m_stepUnseen = false;
    // The window the step under way acts in; set while one is.
    std::optional<platform::ApplicationWindow> m_stepWindow;
};

} // namespace halvex
