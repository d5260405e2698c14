#include "onboarding/OnboardingPermissionsView.h"

#include <algorithm>

#include <QEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "editor/InstalledApplications.h"
#include "kit/AppActiveRefreshObserver.h"
#include "kit/NotificationAuthorizationCenter.h"
#include "onboarding/OnboardingCoordinator.h"
#include "onboarding/OnboardingScreenLayout.h"
#include "permissions/NotificationPermissionRequest.h"
#include "permissions/PermissionManager.h"
#include "permissions/PermissionStatusCard.h"
#include "platform/DesktopEntryIndex.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/KitScrollArea.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

using fennimar::AutomationStatus;
using fennimar::NotificationDisplayState;

QString grantedText()
{
    //% "Allowed"
    return qtTrId("onboarding.permissions.granted");
}

QString deniedText()
{
    //% "Not allowed"
    return qtTrId("settings.permissions.status.denied");
}

} // namespace

OnboardingPermissionsView::OnboardingPermissionsView(OnboardingCoordinator &coordinator,
                                                     Services services, QWidget *parent)
    : QWidget(parent)
    , m_coordinator(coordinator)
    , m_services(services)
    , m_title(new KitLabel({}, Typography::title22Semibold(), Color::ink()))
    , m_subtitle(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_finish(new PrimaryButton({.action = [this] {
        m_coordinator.finish(m_services.persistence, m_services.permissionManager);
    }}))
{
    setObjectName(QStringLiteral("onboarding.permissions"));
    m_notificationRequest = new NotificationPermissionRequest(m_services.authorization, this);
    m_browsers = automationBrowsers();

    auto *list = new QWidget;
    auto *items = new QVBoxLayout(list);
    items->setContentsMargins(0, 0, 0, 8);
    items->setSpacing(16);

    m_notifications = new PermissionStatusCard(
        {.icon = QStringLiteral("bell.fill")}, [this] { handleNotificationFix(); }, list);
    m_notifications->setObjectName(QStringLiteral("onboarding.permissions.notifications"));
    items->addWidget(m_notifications);

    m_accessibility = new PermissionStatusCard(
        {.icon = QStringLiteral("accessibility")}, [this] { handleAccessibilityFix(); }, list);
    m_accessibility->setObjectName(QStringLiteral("onboarding.permissions.accessibility"));
    // Only a browser read through accessibility needs it.
    m_accessibility->setVisible(
        std::any_of(m_browsers.cbegin(), m_browsers.cend(), [](const AutomationBrowserConfig &c) {
            return c.probe->accessKind() == BrowserAccessKind::accessibility;
        }));
    items->addWidget(m_accessibility);

    m_automation = new QWidget(list);
    m_automation->setObjectName(QStringLiteral("onboarding.permissions.automation"));
    auto *automation = new QVBoxLayout(m_automation);
    automation->setContentsMargins(0, 0, 0, 0);
    automation->setSpacing(8);
    m_automationTitle = new KitLabel({}, Typography::body13Medium(), Color::ink(), m_automation);
    m_automationBody = new KitLabel({}, Typography::caption11(), Color::inkMuted(), m_automation);
    m_automationBody->setWordWrap(true);
    automation->addWidget(m_automationTitle);
    automation->addWidget(m_automationBody);
    for (const AutomationBrowserConfig &config : std::as_const(m_browsers)) {
        auto *row = new AutomationBrowserRow(
            config.name, config.bundleId, config.probe->installedIdentifier(), RowStatus::notTested,
            [this, id = config.id] { testAutomation(id); }, m_automation);
        automation->addWidget(row);
        m_rows.insert(config.id, row);
    }
    m_automation->setVisible(!m_browsers.isEmpty());
    items->addWidget(m_automation);
    items->addStretch(1);

    auto *scroll = new KitScrollArea;
    scroll->setObjectName(QStringLiteral("onboarding.permissions.list"));
    scroll->setWidget(list);
    list->setAutoFillBackground(false);

    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    auto *header = new QVBoxLayout;
    header->setContentsMargins(0, 32, 0, 0);
    header->setSpacing(4);
    m_subtitle->setWordWrap(true);
    header->addWidget(m_title);
    header->addWidget(m_subtitle);
    column->addLayout(header);
    column->addWidget(scroll, 1);

    m_finish->setObjectName(QStringLiteral("onboarding.permissions.finish"));
    m_layout = new OnboardingScreenLayout(
        raw(OnboardingStep::permissions), [this] { m_coordinator.goBack(); }, content, m_finish,
        this);
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_layout);

    connect(&m_services.permissionManager, &PermissionManager::snapshotChanged, this, [this] {
        showAccessibility();
        showRows();
    });
    connect(&m_services.authorization, &fennimar::NotificationAuthorizationCenter::statusChanged,
            this, &OnboardingPermissionsView::showNotifications);
    connect(m_notificationRequest, &NotificationPermissionRequest::changed, this,
            &OnboardingPermissionsView::showNotifications);
    retranslate();
}

OnboardingPermissionsView::~OnboardingPermissionsView()
{
    if (!m_appeared)
        return;
    m_activation.reset();
    m_services.permissionManager.stopMonitoring();
    m_services.authorization.stopPolling();
}

bool OnboardingPermissionsView::isInstalled(const QString &bundleId,
                                            const platform::DesktopEntryIndex &index)
{
    return InstalledApplications(index).find(bundleId).has_value();
}

QList<AutomationBrowserConfig> OnboardingPermissionsView::automationBrowsers() const
{
    QList<AutomationBrowserConfig> browsers;
    for (const std::shared_ptr<BrowserURLProbe> &probe : m_services.browserProbes) {
        if (!probe || !isInstalled(probe->bundleIdentifier(), m_services.installed))
            continue;
        browsers << AutomationBrowserConfig{probe->bundleIdentifier(), probe->name(),
                                            probe->bundleIdentifier(), probe};
    }
    // Plain comparison, so the table's hash order never shows.
    std::sort(browsers.begin(), browsers.end(),
              [](const AutomationBrowserConfig &a, const AutomationBrowserConfig &b) {
                  return a.name < b.name || (a.name == b.name && a.id < b.id);
              });
    return browsers;
}

AutomationBrowserRow *OnboardingPermissionsView::row(const QString &bundleId) const
{
    return m_rows.value(bundleId);
}

NotificationDisplayState OnboardingPermissionsView::notificationState() const
{
    return m_notificationRequest->state();
}

void OnboardingPermissionsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_appeared)
        return;
    m_appeared = true;
    seedAutomationStatuses();
    m_services.permissionManager.startMonitoring();
    m_services.authorization.startPolling();
    m_activation = std::make_unique<fennimar::AppActiveRefreshObserver>(
        [this] { refreshAutomationStatuses(); });
    showAccessibility();
}

void OnboardingPermissionsView::seedAutomationStatuses()
{
    for (const AutomationBrowserConfig &config : std::as_const(m_browsers)) {
        if (!m_rowStatuses.contains(config.id))
            setRowStatus(config.id,
                         AutomationBrowserRow::statusOf(config.probe->automationStatus()));
    }
}

void OnboardingPermissionsView::refreshAutomationStatuses()
{
    for (const AutomationBrowserConfig &config : std::as_const(m_browsers)) {
        if (m_rowStatuses.value(config.id) != RowStatus::testing)
            setRowStatus(config.id,
                         AutomationBrowserRow::statusOf(config.probe->automationStatus()));
    }
    m_services.permissionManager.refresh();
}

void OnboardingPermissionsView::testAutomation(const QString &bundleId)
{
    const auto config =
        std::find_if(m_browsers.cbegin(), m_browsers.cend(),
                     [&](const AutomationBrowserConfig &c) { return c.id == bundleId; });
    if (config == m_browsers.cend())
        return;
    setRowStatus(bundleId, RowStatus::testing);
    const QPointer<OnboardingPermissionsView> self(this);
    config->probe->requestAccess().then(this, [self, bundleId](AutomationStatus status) {
        if (self)
            self->applyAutomationResult(bundleId, status);
    });
}

void OnboardingPermissionsView::applyAutomationResult(const QString &bundleId,
                                                      AutomationStatus status)
{
    // Refreshed first: a permission that stands for a browser that cannot
    // be read is no answer the coordinator may count as granted.
    m_services.permissionManager.refresh();
    const bool readable = !m_services.permissionManager.snapshot().isUnreadable(bundleId);
    setRowStatus(bundleId, AutomationBrowserRow::statusOf(status));
    m_coordinator.setAutomationResult(bundleId, status == AutomationStatus::granted && readable
                                                    ? PermissionStatus::granted
                                                    : PermissionStatus::denied);
}

void OnboardingPermissionsView::setRowStatus(const QString &bundleId, RowStatus status)
{
    m_rowStatuses.insert(bundleId, status);
    showRow(bundleId);
}

void OnboardingPermissionsView::showRow(const QString &bundleId)
{
    AutomationBrowserRow *row = m_rows.value(bundleId);
    const auto config =
        std::find_if(m_browsers.cbegin(), m_browsers.cend(),
                     [&](const AutomationBrowserConfig &c) { return c.id == bundleId; });
    if (!row || config == m_browsers.cend())
        return;
    row->show(m_rowStatuses.value(bundleId, RowStatus::notTested),
              m_services.permissionManager.snapshot().isUnreadable(bundleId),
              config->probe->unreadableReason());
}

void OnboardingPermissionsView::showRows()
{
    for (const AutomationBrowserConfig &config : std::as_const(m_browsers))
        showRow(config.id);
}

void OnboardingPermissionsView::handleNotificationFix()
{
    if (notificationState() == NotificationDisplayState::denied)
        m_services.authorization.openSystemSettings();
    else
        requestNotifications();
}

void OnboardingPermissionsView::requestNotifications()
{
    m_notificationRequest->request();
}

void OnboardingPermissionsView::handleAccessibilityFix()
{
    m_services.permissionManager.fixAccessibility();
    showAccessibility();
}

void OnboardingPermissionsView::showNotifications()
{
    const NotificationDisplayState state = notificationState();
    const bool denied = state == NotificationDisplayState::denied;
    PermissionStatusCard::Model model = m_notifications->model();
    //% "Notifications"
    model.name = qtTrId("onboarding.permissions.notifications.title");
    //% "Milestones and the weekly summary arrive as notifications."
    model.detail = qtTrId("onboarding.permissions.notifications.body");
    model.status = state == NotificationDisplayState::granted ? PermissionStatus::granted
                   : denied                                   ? PermissionStatus::denied
                                                              : PermissionStatus::unchecked;
    model.statusText = state == NotificationDisplayState::granted ? std::optional(grantedText())
                       : denied                                   ? std::optional(deniedText())
                                                                  : std::nullopt;
    model.isRequesting = state == NotificationDisplayState::requesting;
    model.fixTitle = PermissionStatusCard::defaultFixTitle(model.status);
    model.fixIdentifier = denied ? QStringLiteral("onboarding.permissions.openSettingsButton")
                                 : QStringLiteral("onboarding.permissions.allow");
    m_notifications->setModel(std::move(model));
}

void OnboardingPermissionsView::showAccessibility()
{
    const PermissionStatus status =
        m_services.permissionManager.snapshot().accessibilityDisplayStatus();
    m_accessibility->setModel(PermissionStatusCard::accessibilityModel(
        status,
        status == PermissionStatus::granted  ? std::optional(grantedText())
        : status == PermissionStatus::denied ? std::optional(deniedText())
                                             : std::nullopt,
        QStringLiteral("onboarding.permissions.accessibility.action")));
}

void OnboardingPermissionsView::retranslate()
{
    //% "A few permissions"
    m_title->setText(qtTrId("onboarding.permissions.title"));
    //% "Nothing is asked for on its own. Allow what you like; "
    //% "you can finish without any of it."
    m_subtitle->setText(qtTrId("onboarding.permissions.subtitle"));
    //% "Browsers"
    m_automationTitle->setText(qtTrId("onboarding.permissionIntro.automation.name"));
    //% "To see which site is open, Halvex reads the browser’s address through "
    //% "accessibility. Test each browser you use."
    m_automationBody->setText(qtTrId("onboarding.permissions.automation.body"));
    //% "Finish"
    m_finish->setText(qtTrId("onboarding.automation.finish"));
    showNotifications();
    showAccessibility();
    showRows();
}

void OnboardingPermissionsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
