#pragma once

#include <functional>
#include <memory>

#include <QHash>
#include <QSet>
#include <QStringList>

#include "browsers/BrowserURLProbe.h"
#include "kit/NotificationDisplayState.h"
#include "permissions/PermissionSnapshot.h"
#include "settings/SettingsScrollPage.h"

namespace fennimar {
class AppActiveRefreshObserver;
class NotificationAuthorizationCenter;
} // namespace fennimar

namespace halvex {

class AutomationBrowserRow;
class KitLabel;
class NotificationPermissionRequest;
class PermissionManager;
class PermissionStatusCard;

// The settings window's Permissions section: the notifications card, the
// accessibility card when an installed browser is read through
// accessibility, and one row per installed browser of the probe table, by
// name, each with its "Test connection". A row shows the last decisive test
// result when there is one, else the snapshot: our accessibility trust for a
// browser read through accessibility, its automation status otherwise. A
// test result is dropped once a published snapshot changes what the row
// would show without it, so a permission granted or taken back later is not
// hidden behind an old result. A browser the snapshot lists as running but
// unreadable shows as not readable, with the reason, over either: a test
// cannot make it readable, only reopening the browser can.
//
// While shown, the section holds a monitoring count of the permission
// manager and polls the notification centre, and refreshes the manager each
// time the application becomes active. Built afresh each time the section
// is shown: test results and request flags live only as long as the page.
//
// Identifiers: "settings.permissions" (the page),
// "settings.permissions.notifications" and ".accessibility" (the cards) with
// their fix buttons ".notifications.action" and ".accessibility.action",
// "settings.permissions.browsers" (the section) and its browser rows.
class PermissionsTab final : public SettingsScrollPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PermissionsTab)
public:
    struct Services {
        PermissionManager &permissions;
        const BrowserProbeTable &probes;
        fennimar::NotificationAuthorizationCenter &notifications;
        // Whether the browser of a bundle identifier is installed.
        std::function<bool(const QString &bundleId)> isInstalled;
    };

    // Everything in `services` must outlive the page.
    explicit PermissionsTab(Services services, QWidget *parent = nullptr);
    ~PermissionsTab() override;

    fennimar::AutomationStatus rowStatus(const QString &bundleId) const;
    bool isTesting(const QString &bundleId) const { return m_inFlight.contains(bundleId); }
    const QHash<QString, fennimar::AutomationStatus> &lastResults() const { return m_lastResults; }
    fennimar::NotificationDisplayState notificationState() const;

    // A browser's "Test connection": its bridge's access request.
    void testConnection(const QString &bundleId);
    void handleNotificationAction();
    void handleAccessibilityAction();

    PermissionStatusCard *notificationsCard() const { return m_notifications; }
    PermissionStatusCard *accessibilityCard() const { return m_accessibility; }
    AutomationBrowserRow *row(const QString &bundleId) const { return m_rows.value(bundleId); }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool readsThroughAccessibility(const QString &bundleId) const;
    // What a row shows from the snapshot alone.
    fennimar::AutomationStatus snapshotStatus(const QString &bundleId,
                                              const PermissionSnapshot &snapshot) const;
    void applySnapshot(const PermissionSnapshot &snapshot);
    void setVisibleOnScreen(bool visible);
    void showNotifications();
    void showAccessibility();
    void showRow(const QString &bundleId);
    void retranslate();

    Services m_services;
    QStringList m_browsers;
    QSet<QString> m_inFlight;
    QHash<QString, fennimar::AutomationStatus> m_lastResults;
    // The snapshot the rows were last shown from.
    PermissionSnapshot m_seen;
    NotificationPermissionRequest *m_notificationRequest;
    bool m_onScreen = false;
    std::unique_ptr<fennimar::AppActiveRefreshObserver> m_activation;

    PermissionStatusCard *m_notifications;
    PermissionStatusCard *m_accessibility;
    QWidget *m_browserSection;
    KitLabel *m_browsersTitle;
    QHash<QString, AutomationBrowserRow *> m_rows;
};

} // namespace halvex
