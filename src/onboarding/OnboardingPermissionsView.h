#pragma once

#include <memory>

#include <QHash>
#include <QList>
#include <QWidget>

#include "browsers/BrowserURLProbe.h"
#include "kit/NotificationDisplayState.h"
#include "permissions/AutomationBrowserRow.h"

namespace fennimar {
class AppActiveRefreshObserver;
class NotificationAuthorizationCenter;
} // namespace fennimar

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class KitLabel;
class NotificationPermissionRequest;
class OnboardingCoordinator;
class OnboardingScreenLayout;
class PermissionManager;
class PermissionStatusCard;
class PersistenceController;
class PrimaryButton;

// One installed browser the permissions step can test.
struct AutomationBrowserConfig {
    QString id;
    QString name;
    QString bundleId;
    std::shared_ptr<BrowserURLProbe> probe;
};

// The last step: what Halvex needs and a button for each, nothing asked on
// its own. The notifications card; the accessibility card when an installed
// browser is read through accessibility; and one row per installed browser,
// each tested by its own button (the probe's access request). Statuses are
// read without a prompt when the screen appears, kept fresh while it is
// shown, and the browser rows re-read each time the application becomes
// active. A browser that runs but cannot be read (the permission manager's
// snapshot lists it) shows as not readable with the reason, whatever its
// permission, from the moment the snapshot says so. Finishing never waits
// for anything granted: the test outcomes go to the coordinator, which
// derives limited mode from them; a test of a browser that cannot be read
// counts as refused.
//
// Identifiers: "onboarding.permissions.notifications" and
// ".accessibility" (the cards), the cards' fix buttons (see the card
// table), the browser rows, and "onboarding.permissions.finish".
class OnboardingPermissionsView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnboardingPermissionsView)
public:
    using RowStatus = AutomationBrowserRow::RowStatus;

    struct Services {
        PermissionManager &permissionManager;
        PersistenceController &persistence;
        const BrowserProbeTable &browserProbes;
        fennimar::NotificationAuthorizationCenter &authorization;
        // The installed applications; a browser none of whose desktop ids
        // is here gets no row.
        const platform::DesktopEntryIndex &installed;
    };

    // Everything in `services` must outlive the screen.
    OnboardingPermissionsView(OnboardingCoordinator &coordinator, Services services,
                              QWidget *parent = nullptr);
    ~OnboardingPermissionsView() override;

    // The installed browsers of the probe table, by name.
    QList<AutomationBrowserConfig> automationBrowsers() const;
    static bool isInstalled(const QString &bundleId, const platform::DesktopEntryIndex &index);

    fennimar::NotificationDisplayState notificationState() const;

    // Reads the rows that have no status yet, without a prompt.
    void seedAutomationStatuses();
    // Reads every row that is not being tested, then the permission manager.
    void refreshAutomationStatuses();
    // The row's test: the probe's access request, its outcome recorded.
    void testAutomation(const QString &bundleId);
    void handleNotificationFix();
    void requestNotifications();
    void handleAccessibilityFix();

    PermissionStatusCard *notificationsCard() const { return m_notifications; }
    PermissionStatusCard *accessibilityCard() const { return m_accessibility; }
    AutomationBrowserRow *row(const QString &bundleId) const;
    OnboardingScreenLayout *screenLayout() const { return m_layout; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyAutomationResult(const QString &bundleId, fennimar::AutomationStatus status);
    void setRowStatus(const QString &bundleId, RowStatus status);
    // A row as its last answer and the snapshot show it together.
    void showRow(const QString &bundleId);
    void showRows();
    void showNotifications();
    void showAccessibility();
    void retranslate();

    OnboardingCoordinator &m_coordinator;
    Services m_services;
    QList<AutomationBrowserConfig> m_browsers;
    QHash<QString, RowStatus> m_rowStatuses;
    NotificationPermissionRequest *m_notificationRequest;
    bool m_appeared = false;
    std::unique_ptr<fennimar::AppActiveRefreshObserver> m_activation;

    KitLabel *m_title;
    KitLabel *m_subtitle;
    PermissionStatusCard *m_notifications;
    PermissionStatusCard *m_accessibility;
    QWidget *m_automation;
    KitLabel *m_automationTitle;
    KitLabel *m_automationBody;
    QHash<QString, AutomationBrowserRow *> m_rows;
    PrimaryButton *m_finish;
    OnboardingScreenLayout *m_layout;
};

} // namespace halvex
