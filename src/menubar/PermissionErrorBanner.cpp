#include "menubar/PermissionErrorBanner.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QPainter>

#include "browsers/BrowserCatalog.h"
#include "engine/StreakEngine.h"
#include "menubar/ClampedLabel.h"
#include "model/Streak.h"
#include "permissions/PermissionManager.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PrimaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

using fennimar::AutomationStatus;

PermissionErrorBanner::PermissionErrorBanner(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_message(new ClampedLabel({}, Typography::body13Medium(), Color::ink(), messageLines,
                                 Qt::ElideRight, this))
    , m_fix(new PrimaryButton({.action = [this] { fix(); }, .compact = true}, this))
{
    setObjectName(QStringLiteral("PermissionErrorBanner"));
    m_fix->setObjectName(QStringLiteral("PermissionErrorBanner.Fix"));
    m_fix->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_message->setObjectName(QStringLiteral("PermissionErrorBanner.message"));

    auto *icon = new SymbolView(QStringLiteral("exclamationmark.triangle.fill"),
                                Symbol::sizeForFont(14), Color::warning(), this);
    icon->setAccessibleName(QString());
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 10, 12, 10);
    row->setSpacing(8);
    row->addWidget(icon, 0, Qt::AlignVCenter);
    row->addWidget(m_message, 1, Qt::AlignVCenter);
    row->addWidget(m_fix, 0, Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor(0, 0, 0, qRound(0.12 * 255)));
    shadow->setBlurRadius(16);
    shadow->setOffset(0, 2);
    setGraphicsEffect(shadow);

    connect(&m_services.engine, &StreakEngine::streaksChanged, this,
            &PermissionErrorBanner::recompute);
    connect(&m_services.permissions, &PermissionManager::snapshotChanged, this,
            &PermissionErrorBanner::recompute);
    recompute();
    watchWindow();
}

PermissionErrorBanner::~PermissionErrorBanner()
{
    setMonitoring(false);
}

QStringList
PermissionErrorBanner::requiredBrowserBundleIds(const std::vector<std::shared_ptr<Streak>> &streaks)
{
    QStringList ids;
    for (const std::shared_ptr<Streak> &streak : streaks) {
        for (const QString &key : streak->browsers()) {
            for (const BrowserCatalog::Entry &entry : BrowserCatalog::entries()) {
                if (entry.friendlyKey != key)
                    continue;
                if (!ids.contains(entry.bundleIdentifier))
                    ids << entry.bundleIdentifier;
                break;
            }
        }
    }
    return ids;
}

std::optional<PermissionErrorBanner::Gap>
PermissionErrorBanner::automationGap(const PermissionSnapshot &snapshot) const
{
    // Only the browsers the manager probes for automation: any other is read
    // through accessibility (or not at all) and no automation grant reaches it.
    const QStringList &probed = m_services.permissions.browserBundleIds();
    for (const QString &id : requiredBrowserBundleIds(m_services.engine.streaks())) {
        if (!probed.contains(id))
            continue;
        const auto status = snapshot.automationStatus.constFind(id);
        if (status == snapshot.automationStatus.cend() || *status != AutomationStatus::granted)
            //% "Halvex needs permission to see %1"
            return Gap{Gap::Kind::automation, id,
                       qtTrId("permissionError.banner.automation").arg(browserName(id))};
    }
    return std::nullopt;
}

std::optional<PermissionErrorBanner::Gap>
PermissionErrorBanner::accessibilityGap(const PermissionSnapshot &snapshot) const
{
    if (snapshot.isAccessibilityTrusted || !hasSiteStreak())
        return std::nullopt;
    // Which browsers are read through accessibility is the bridges' to say:
    // on Linux that is every one of them, not only Firefox.
    for (const BrowserCatalog::Entry &entry : BrowserCatalog::entries()) {
        const auto probe = m_services.probes.value(entry.bundleIdentifier);
        if (!probe || probe->accessKind() != BrowserAccessKind::accessibility)
            continue;
        if (m_services.isInstalled && m_services.isInstalled(entry.bundleIdentifier))
            return Gap{Gap::Kind::accessibility, entry.bundleIdentifier,
                       qtTrId("permissionError.banner.automation")
                           .arg(browserName(entry.bundleIdentifier))};
    }
    return std::nullopt;
}

std::optional<PermissionErrorBanner::Gap>
PermissionErrorBanner::unreadableGap(const PermissionSnapshot &snapshot) const
{
    // A site is blocked in every browser the watcher reads, whatever a
    // streak's browser list says: any site streak needs them all.
    if (snapshot.unreadableBrowsers.isEmpty() || !hasSiteStreak())
        return std::nullopt;
    QStringList order;
    for (const BrowserCatalog::Entry &entry : BrowserCatalog::entries())
        order << entry.bundleIdentifier;
    order << snapshot.unreadableBrowsers;
    for (const QString &id : std::as_const(order)) {
        if (!snapshot.isUnreadable(id))
            continue;
        const QString name = browserName(id);
        //% "Halvex cannot read %1: it was opened before accessibility was on. "
        //% "Quit %1 and open it again."
        return Gap{Gap::Kind::unreadable, id,
                   qtTrId("permissionError.banner.restartBrowser").arg(name)};
    }
    return std::nullopt;
}

bool PermissionErrorBanner::hasSiteStreak() const
{
    const auto &streaks = m_services.engine.streaks();
    return std::any_of(streaks.cbegin(), streaks.cend(),
                       [](const auto &s) { return s->typeRaw() != QLatin1String("app"); });
}

QString PermissionErrorBanner::browserName(const QString &bundleId) const
{
    // The installed browser's own name, as its bridge bears it.
    const auto probe = m_services.probes.value(bundleId);
    return probe ? probe->name() : BrowserCatalog::displayName(bundleId);
}

std::optional<PermissionErrorBanner::Gap> PermissionErrorBanner::currentGap() const
{
    const PermissionSnapshot &snapshot = m_services.permissions.snapshot();
    if (auto gap = automationGap(snapshot))
        return gap;
    if (auto gap = accessibilityGap(snapshot))
        return gap;
    return unreadableGap(snapshot);
}

void PermissionErrorBanner::recompute()
{
    m_gap = currentGap();
    if (m_gap) {
        // What to do about a browser that cannot be read is the whole
        // message, and a long browser name takes a line of its own.
        m_message->setMaximumLines(m_gap->kind == Gap::Kind::unreadable ? unreadableMessageLines
                                                                        : messageLines);
        m_message->setText(m_gap->message);
        setAccessibleName(m_gap->message);
    }
    //% "Fix"
    m_fix->setText(qtTrId("permissionError.banner.action.fix"));
    // Nothing to grant: the message says what the user can do.
    m_fix->setVisible(m_gap && m_gap->kind != Gap::Kind::unreadable);
    setVisible(m_gap.has_value());
}

void PermissionErrorBanner::fix()
{
    if (!m_gap || m_gap->kind == Gap::Kind::unreadable)
        return;
    if (m_gap->kind == Gap::Kind::accessibility) {
        m_services.permissions.requestAccessibility();
        return;
    }
    const QString id = m_gap->bundleId;
    const auto probe = m_services.probes.value(id);
    if (!probe)
        return;
    // The bridge's own request starts the browser when needed, brings us to
    // the front and asks the user.
    const QPointer<PermissionErrorBanner> self(this);
    probe->requestAccess().then(this, [self](AutomationStatus status) {
        if (!self)
            return;
        self->m_services.permissions.refresh();
        if (status != AutomationStatus::granted)
            self->m_services.permissions.openAutomationSettings();
    });
}

void PermissionErrorBanner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Color::surface().resolve(this));
    p.setPen(QPen(Color::warning().resolve(this), 1.0));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4.0, 4.0);
}

bool PermissionErrorBanner::event(QEvent *event)
{
    if (Environment::isChange(event))
        QWidget::update();
    switch (event->type()) {
    case QEvent::LanguageChange:
        recompute();
        break;
    case QEvent::ParentChange:
        watchWindow();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void PermissionErrorBanner::watchWindow()
{
    // Alone, the banner is no window of anyone's to follow.
    QWidget *top = parentWidget() ? parentWidget()->window() : nullptr;
    if (top == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = top;
    if (m_window)
        m_window->installEventFilter(this);
    setMonitoring(m_window && m_window->isVisible());
}

bool PermissionErrorBanner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show)
            setMonitoring(true);
        else if (event->type() == QEvent::Hide)
            setMonitoring(false);
        else if (event->type() == QEvent::ParentChange)
            // No longer a window: follow the one it went into.
            watchWindow();
    }
    return QWidget::eventFilter(watched, event);
}

void PermissionErrorBanner::setMonitoring(bool monitoring)
{
    if (monitoring == m_monitoring)
        return;
    m_monitoring = monitoring;
    if (monitoring) {
        m_services.permissions.refresh();
        m_services.permissions.startMonitoring();
    } else {
        m_services.permissions.stopMonitoring();
    }
}

} // namespace halvex
