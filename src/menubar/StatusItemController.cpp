#include "menubar/StatusItemController.h"

#include <QApplication>
#include <QEvent>

#include "engine/StreakEngine.h"
#include "kit/TrayIconButton.h"
#include "menubar/PopoverWindowController.h"
#include "model/AppSettings.h"
#include "model/Streak.h"
#include "platform/PortalAppearanceWatcher.h"

namespace halvex {

StatusItemController::StatusItemController(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_statusItem(new QSystemTrayIcon(this))
    , m_button(std::make_shared<fennimar::TrayIconButton>(m_statusItem))
    , m_iconView(m_statusItem, m_services.scheduler, systemAppearance(m_services.systemAppearance))
{
    m_statusItem->setObjectName(QStringLiteral("menubar.statusItem"));
    connect(m_statusItem, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Left and right clicks alike; the second click of a quick
                // pair comes as a double click.
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context ||
                    reason == QSystemTrayIcon::DoubleClick)
                    handleButtonClick();
            });

    // The desktop's own theme changed, or may have while we were in the back.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    refreshAppearance();
            });
    if (m_services.appearanceChanges) {
        connect(m_services.appearanceChanges, &platform::PortalAppearanceWatcher::changed, this,
                &StatusItemController::refreshAppearance);
    }

    bindEngine();
    connect(&m_services.popoverController, &PopoverWindowController::didChangeOpenState, this,
            [this](bool open) {
                if (!open)
                    refresh();
            });
    refresh();
    m_statusItem->show();

    if (isTrayAvailable()) {
        m_trayPresence = TrayPresence::present;
    } else {
        m_graceTimer =
            m_services.scheduler.scheduleOnce(trayGraceSeconds, [this] { decideTrayPresence(); });
    }
}

StatusItemController::~StatusItemController()
{
    if (m_graceTimer)
        m_graceTimer->invalidate();
    if (qApp)
        qApp->removeEventFilter(this);
    m_iconView.resetAnimations();
    m_statusItem->hide();
}

void StatusItemController::bindEngine()
{
    StreakEngine &engine = m_services.streakEngine;
    // A list or primary change renews the label only: the reload that
    // follows a reset must not cut its red state short.
    connect(&engine, &StreakEngine::streaksChanged, this, &StatusItemController::refreshLabel);
    connect(&engine, &StreakEngine::primaryStreakIdChanged, this,
            &StatusItemController::refreshLabel);
    // The minute tick: the day count moves on with the clock.
    connect(&engine, &StreakEngine::objectWillChange, this, &StatusItemController::refreshLabel);
    connect(&engine, &StreakEngine::triggerSubject, this, [this] { m_iconView.pulse(); });
    connect(&engine, &StreakEngine::resetSubject, this, [this] { m_iconView.showBreaking(); });
}

QString StatusItemController::accessibilityLabel() const
{
    return m_statusItem->toolTip();
}

void StatusItemController::handleButtonClick()
{
    // Only a tray delivers clicks.
    if (m_trayPresence != TrayPresence::present) {
        m_trayPresence = TrayPresence::present;
        if (m_graceTimer)
            m_graceTimer->invalidate();
    }
    // Nothing of ours opens under a panel: a tray kept above its backdrop
    // (a dock that stays on top) can still be clicked.
    if (!m_services.popoverController.isShown() && m_services.bringPanelForward &&
        m_services.bringPanelForward())
        return;
    m_services.popoverController.toggle(*m_button);
    if (!m_pendingReveals.empty())
        decideTrayPresence();
}

void StatusItemController::revealPopoverWhenReady(std::function<void()> completion)
{
    if (m_trayPresence != TrayPresence::present && isTrayAvailable())
        m_trayPresence = TrayPresence::present;
    switch (m_trayPresence) {
    case TrayPresence::present:
        m_services.popoverController.revealWhenReady(m_button, std::move(completion));
        break;
    case TrayPresence::absent:
        m_services.popoverController.showAsWindow();
        if (completion)
            completion();
        break;
    case TrayPresence::undecided:
        m_pendingReveals.push_back(std::move(completion));
        break;
    }
}

void StatusItemController::decideTrayPresence()
{
    if (m_trayPresence != TrayPresence::present)
        m_trayPresence = isTrayAvailable() ? TrayPresence::present : TrayPresence::absent;
    if (m_pendingReveals.empty())
        return;
    // Asked for more than once meanwhile: one reveal, every completion.
    auto pending = std::move(m_pendingReveals);
    m_pendingReveals.clear();
    revealPopoverWhenReady([pending = std::move(pending)] {
        for (const auto &completion : pending) {
            if (completion)
                completion();
        }
    });
}

bool StatusItemController::isTrayAvailable() const
{
    return m_services.isTrayAvailable ? m_services.isTrayAvailable()
                                      : QSystemTrayIcon::isSystemTrayAvailable();
}

void StatusItemController::refreshAppearance()
{
    m_iconView.setAppearance(systemAppearance(m_services.systemAppearance));
}

bool StatusItemController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::ThemeChange)
        refreshAppearance();
    return QObject::eventFilter(watched, event);
}

void StatusItemController::refresh()
{
    m_iconView.showMark();
    refreshLabel();
}

void StatusItemController::refreshLabel()
{
    const StreakEngine &engine = m_services.streakEngine;
    const std::shared_ptr<Streak> primary =
        primaryStreak(engine.streaks(), engine.primaryStreakId());
    const qint64 days = primary ? engine.days(*primary) : 0;
    m_statusItem->setToolTip(accessibilityLabel(primary.get(), days));
}

std::shared_ptr<Streak>
StatusItemController::primaryStreak(const std::vector<std::shared_ptr<Streak>> &streaks,
                                    const std::optional<QUuid> &primaryId)
{
    if (streaks.empty())
        return nullptr;
    if (primaryId) {
        for (const auto &streak : streaks) {
            if (streak->id() == *primaryId)
                return streak;
        }
    }
    return streaks.front();
}

QString StatusItemController::accessibilityLabel(const Streak *primary, qint64 days)
{
    if (!primary) {
        //% "Halvex - no active streak"
        return qtTrId("a11y.menubar.idle");
    }
    //% "%n\u00a0days, %1"
    return qtTrId("a11y.menubar.streak", int(days)).arg(primary->name());
}

} // namespace halvex
