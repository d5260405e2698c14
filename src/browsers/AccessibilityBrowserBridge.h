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
    // Measures the pause between activating the browser and the keystroke.
    platform::TimerScheduler *scheduler = nullptr;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTimeUtc(); };
};

// A browser read through the accessibility tree and steered by keystrokes,
// with a press of its toolbar's back button when a keystroke cannot go. Its
// permission is our accessibility trust. The tree is read at most once a
// second: a read is cached, whether or not it found a URL, until a step
// back or a tab close. Lives on the main thread.
class AccessibilityBrowserBridge : public QObject, public BrowserURLProbe {
    Q_OBJECT
public:
    static constexpr double cacheLifetime = 1.0;
    // Gives the browser time to take the focus before a keystroke.
    static constexpr double activationPause = 0.15;

    ~AccessibilityBrowserBridge() override;
    Q_DISABLE_COPY_MOVE(AccessibilityBrowserBridge)

    BrowserAccessKind accessKind() const final { return BrowserAccessKind::accessibility; }

    // Granted while trusted, otherwise not determined; never denied.
    fennimar::AutomationStatus automationStatus() final;
    QFuture<URLReadResult> fetchURL() final;
    QFuture<bool> goBack() final;
    QFuture<bool> closeTab() final;
    QFuture<fennimar::AutomationStatus> requestAccess() final;

protected:
    AccessibilityBrowserBridge(AccessibilityBridgeServices services, QObject *parent);

    const AccessibilityBridgeServices &services() const { return m_services; }

    // The address the browser's focused window shows, read from its tree
    // (trust and a running browser are checked before).
    virtual std::optional<QString> readAddress() = 0;
    virtual BackButtonLook backButton() const = 0;

private:
    struct Cached {
        std::optional<QUrl> url;
        QDateTime readAt;
    };

    // Activates the browser and, after the pause, sends the key.
    QFuture<bool> sendAfterActivation(quint16 keyCode, bool pressBackButtonOnRefusal);
    bool isRunning() const;

    AccessibilityBridgeServices m_services;
    std::optional<Cached> m_cached;
};

} // namespace halvex
