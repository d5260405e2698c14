#pragma once

#include <memory>

#include <optional>

#include <QFuture>
#include <QHash>
#include <QString>
#include <QUrl>

#include "browsers/BrowserAccessKind.h"
#include "browsers/ProbeError.h"
#include "kit/AutomationStatus.h"
#include "platform/Expected.h"

namespace halvex {

// A URL read: a URL, no URL (not running, no window, no page), or a failure.
using URLReadResult = platform::Expected<std::optional<QUrl>, ProbeError>;

// One browser bridge. No operation fails other than through its result.
class BrowserURLProbe {
public:
    virtual ~BrowserURLProbe() = default;

    virtual QString bundleIdentifier() const = 0;
    virtual QString name() const = 0;
    virtual BrowserAccessKind accessKind() const = 0;

    // The permission as it stands, found without asking the user.
    virtual fennimar::AutomationStatus automationStatus() = 0;
    // The URL of the front tab of the front window.
    virtual QFuture<URLReadResult> fetchURL() = 0;
    // Steps the front tab back; true when the step was sent.
    virtual QFuture<bool> goBack() = 0;
    // Closes the front tab; true when the close was sent.
    virtual QFuture<bool> closeTab() = 0;
    // Asks the user for the permission; may launch the browser and bring
    // this application forward. The state that follows.
    virtual QFuture<fennimar::AutomationStatus> requestAccess() = 0;

    // The installed browser's own identifier on this desktop (its
    // desktop-file id, "chromium"); empty when none is installed.
    virtual QString installedIdentifier() const { return {}; }

    // Looks now whether the browser runs but its pages cannot be read
    // although the permission stands; true when they cannot. Cheap enough
    // for the permission refresh: at most one lookup on the accessibility
    // bus. A browser that does not run is never unreadable.
    virtual bool checkUnreadable() { return false; }
    // Why the browser's pages cannot be read although the permission
    // stands, as last found (by a look or a read), in words the user can act
    // on; nothing when no such reason is known.
    virtual std::optional<QString> unreadableReason() const { return std::nullopt; }
};

// The browser bridges by the bundle identifier of their browser, built once
// at start-up and shared by the watcher, the panel and the permission screens.
using BrowserProbeTable = QHash<QString, std::shared_ptr<BrowserURLProbe>>;

} // namespace halvex
