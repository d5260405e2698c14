#pragma once

#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include "kit/AutomationStatus.h"
#include "permissions/PermissionStatus.h"

namespace halvex {

// What the application is allowed at one moment: the automation status of
// every browser probed for it, by bundle identifier, and our accessibility
// trust with whether the user was ever asked for it; and the browsers that
// run but cannot be read all the same.
struct PermissionSnapshot {
    QMap<QString, fennimar::AutomationStatus> automationStatus;
    bool isAccessibilityTrusted = false;
    bool isAccessibilityRequested = false;
    // The running browsers whose pages cannot be read although
    // accessibility is on (one opened before it was switched on), by bundle
    // identifier, in order; empty while accessibility is off.
    QStringList unreadableBrowsers;

    bool isUnreadable(const QString &bundleId) const
    {
        return unreadableBrowsers.contains(bundleId);
    }

    // No browser, neither trusted nor asked: the value before the first refresh.
    static PermissionSnapshot empty() { return {}; }

    // How accessibility is shown: granted while trusted; denied once the user
    // was asked and trust did not follow; unchecked before that.
    PermissionStatus accessibilityDisplayStatus() const
    {
        if (isAccessibilityTrusted)
            return PermissionStatus::granted;
        return isAccessibilityRequested ? PermissionStatus::denied : PermissionStatus::unchecked;
    }

    friend bool operator==(const PermissionSnapshot &, const PermissionSnapshot &) = default;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::PermissionSnapshot)
