#include "settings/PermissionsTab.h"

#include <algorithm>

#include <QEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "kit/AppActiveRefreshObserver.h"
#include "kit/NotificationAuthorizationCenter.h"
#include "permissions/AutomationBrowserRow.h"
#include "permissions/NotificationPermissionRequest.h"
#include "permissions/PermissionManager.h"
#include "permissions/PermissionStatusCard.h"
#include "settings/SettingsTab.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

using fennimar::AutomationStatus;
using fennimar::NotificationDisplayState;
using RowStatus = AutomationBrowserRow::RowStatus;

} // namespace

PermissionsTab::PermissionsTab(Services services, QWidget *parent)
    : SettingsScrollPage(parent)
    , m_services(std::move(services))
    , m_seen(m_services.permissions.snapshot())
    , m_notificationRequest(new NotificationPermissionRequest(m_services.notifications, this))
{
    setObjectName(QStringLiteral("settings.permissions"));

    for (auto it = m_services.probes.cbegin(); it != m_services.probes.cend(); ++it) {
        if (m_services.isInstalled && m_services.isInstalled(it.key()))
            m_browsers << it.key();
    }
    const auto nameOf = [this](const QString &id) {
        const auto probe = m_services.probes.value(id);
        return probe ? probe->name() : id;
    };
    // Plain comparison, so the table's hash order never shows.
    std::sort(m_browsers.begin(), m_browsers.end(), [&](const QString &a, const QString &b) {
        const QString nameA = nameOf(a), nameB = nameOf(b);
        return nameA < nameB || (nameA == nameB && a < b);
    });

    m_notifications = new PermissionStatusCard({.icon = QStringLiteral("bell.fill")},
                                               [this] { handleNotificationAction(); });
    m_notifications->setObjectName(QStringLiteral("settings.permissions.notifications"));
    column()->addWidget(m_notifications);

    m_accessibility = new PermissionStatusCard({.icon = QStringLiteral("accessibility")},
                                               [this] { handleAccessibilityAction(); });
    m_accessibility->setObjectName(QStringLiteral("settings.permissions.accessibility"));
    m_accessibility->setVisible(
        std::any_of(m_browsers.cbegin(), m_browsers.cend(),
                    [this](const QString &id) { return readsThroughAccessibility(id); }));
    column()->addWidget(m_accessibility);

    m_browserSection = new QWidget;
    m_browserSection->setObjectName(QStringLiteral("settings.permissions.browsers"));
    auto *section = new QVBoxLayout(m_browserSection);
    section->setContentsMargins(0, 0, 0, 0);
    section->setSpacing(8);
    m_browsersTitle =
        new KitLabel({}, Typography::headline17Semibold(), Color::ink(), m_browserSection);
    section->addWidget(m_browsersTitle);
    for (const QString &id : std::as_const(m_browsers)) {
        const auto probe = m_services.probes.value(id);
        auto *row = new AutomationBrowserRow(
            nameOf(id), id, probe ? probe->installedIdentifier() : QString(), RowStatus::notTested,
            [this, id] { testConnection(id); }, m_browserSection);
        section->addWidget(row);
        m_rows.insert(id, row);
    }
    column()->addWidget(m_browserSection);
    column()->addStretch(1);

    connect(&m_services.permissions, &PermissionManager::snapshotChanged, this,
            &PermissionsTab::applySnapshot);
    connect(&m_services.notifications, &fennimar::NotificationAuthorizationCenter::statusChanged,
            this, &PermissionsTab::showNotifications);
    connect(m_notificationRequest, &NotificationPermissionRequest::changed, this,
            &PermissionsTab::showNotifications);
    retranslate();
}

PermissionsTab::~PermissionsTab()
{
    setVisibleOnScreen(false);
}

bool PermissionsTab::readsThroughAccessibility(const QString &bundleId) const
{
    const auto probe = m_services.probes.value(bundleId);
    return probe && probe->accessKind() == BrowserAccessKind::accessibility;
}

AutomationStatus PermissionsTab::snapshotStatus(const QString &bundleId,
                                                const PermissionSnapshot &snapshot) const
{
    if (readsThroughAccessibility(bundleId))
        return snapshot.isAccessibilityTrusted ? AutomationStatus::granted
                                               : AutomationStatus::notDetermined;
    return snapshot.automationStatus.value(bundleId, AutomationStatus::notDetermined);
}

AutomationStatus PermissionsTab::rowStatus(const QString &bundleId) const
{
    const auto result = m_lastResults.constFind(bundleId);
    if (result != m_lastResults.cend())
        return *result;
    return snapshotStatus(bundleId, m_services.permissions.snapshot());
}

NotificationDisplayState PermissionsTab::notificationState() const
{
    return m_notificationRequest->state();
}

void PermissionsTab::showEvent(QShowEvent *event)
{
    SettingsScrollPage::showEvent(event);
    setVisibleOnScreen(true);
}

void PermissionsTab::hideEvent(QHideEvent *event)
{
    setVisibleOnScreen(false);
    SettingsScrollPage::hideEvent(event);
}

void PermissionsTab::setVisibleOnScreen(bool visible)
{
    if (visible == m_onScreen)
        return;
    m_onScreen = visible;
    if (visible) {
        m_services.permissions.refresh();
        m_services.permissions.startMonitoring();
        m_services.notifications.startPolling();
        m_activation = std::make_unique<fennimar::AppActiveRefreshObserver>(
            [this] { m_services.permissions.refresh(); });
    } else {
        m_activation.reset();
        m_services.permissions.stopMonitoring();
        m_services.notifications.stopPolling();
    }
}

void PermissionsTab::applySnapshot(const PermissionSnapshot &snapshot)
{
    // A kept result outranks the snapshot only until the snapshot itself
    // moves for that browser: then the new state is what the user did since.
    for (auto it = m_lastResults.begin(); it != m_lastResults.end();) {
        if (snapshotStatus(it.key(), m_seen) != snapshotStatus(it.key(), snapshot))
            it = m_lastResults.erase(it);
        else
            ++it;
    }
    m_seen = snapshot;
    showAccessibility();
    for (const QString &id : std::as_const(m_browsers))
        showRow(id);
}

void PermissionsTab::testConnection(const QString &bundleId)
{
    if (m_inFlight.contains(bundleId))
        return;
    m_inFlight.insert(bundleId);
    showRow(bundleId);
    const auto probe = m_services.probes.value(bundleId);
    QFuture<AutomationStatus> request =
        probe ? probe->requestAccess() : QtFuture::makeReadyFuture(AutomationStatus::notDetermined);
    const QPointer<PermissionsTab> self(this);
    request.then(this, [self, bundleId](AutomationStatus status) {
        if (!self)
            return;
        if (status == AutomationStatus::notDetermined)
            self->m_lastResults.remove(bundleId);
        else
            self->m_lastResults.insert(bundleId, status);
        self->m_inFlight.remove(bundleId);
        self->m_services.permissions.refresh();
        self->showRow(bundleId);
        if (status != AutomationStatus::denied)
            return;
        if (self->readsThroughAccessibility(bundleId))
            self->m_services.permissions.openAccessibilitySettings();
        else
            self->m_services.permissions.openAutomationSettings();
    });
}

void PermissionsTab::handleNotificationAction()
{
    switch (notificationState()) {
    case NotificationDisplayState::granted:
    case NotificationDisplayState::requesting:
        return;
    case NotificationDisplayState::denied:
        m_services.notifications.openSystemSettings();
        return;
    case NotificationDisplayState::idle:
        break;
    }
    m_notificationRequest->request();
}

void PermissionsTab::handleAccessibilityAction()
{
    m_services.permissions.fixAccessibility();
    showAccessibility();
}

void PermissionsTab::showNotifications()
{
    const NotificationDisplayState state = notificationState();
    const PermissionStatus status =
        state == NotificationDisplayState::granted  ? PermissionStatus::granted
        : state == NotificationDisplayState::denied ? PermissionStatus::denied
                                                    : PermissionStatus::unchecked;
    PermissionStatusCard::Model model = m_notifications->model();
    //% "Notifications"
    model.name = qtTrId("settings.permissions.notifications.name");
    //% "Halvex celebrates your milestones with a notification."
    model.detail = qtTrId("settings.permissions.notifications.detail");
    model.status = status;
    model.statusText = PermissionStatusCard::defaultStatusText(status);
    model.isRequesting = state == NotificationDisplayState::requesting;
    model.fixTitle = PermissionStatusCard::defaultFixTitle(status);
    model.fixIdentifier = QStringLiteral("settings.permissions.notifications.action");
    m_notifications->setModel(std::move(model));
}

void PermissionsTab::showAccessibility()
{
    const PermissionStatus status = m_services.permissions.snapshot().accessibilityDisplayStatus();
    m_accessibility->setModel(PermissionStatusCard::accessibilityModel(
        status, PermissionStatusCard::defaultStatusText(status),
        QStringLiteral("settings.permissions.accessibility.action")));
}

void PermissionsTab::showRow(const QString &bundleId)
{
    AutomationBrowserRow *row = m_rows.value(bundleId);
    if (!row)
        return;
    const auto probe = m_services.probes.value(bundleId);
    row->show(isTesting(bundleId) ? RowStatus::testing
                                  : AutomationBrowserRow::statusOf(rowStatus(bundleId)),
              m_services.permissions.snapshot().isUnreadable(bundleId),
              probe ? probe->unreadableReason() : std::nullopt);
}

void PermissionsTab::retranslate()
{
    heading()->setText(title(SettingsTab::permissions));
    //% "Per-browser access"
    m_browsersTitle->setText(qtTrId("settings.permissions.browsers.title"));
    showNotifications();
    showAccessibility();
    for (const QString &id : std::as_const(m_browsers))
        showRow(id);
}

void PermissionsTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    SettingsScrollPage::changeEvent(event);
}

} // namespace halvex
