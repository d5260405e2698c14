#include "menubar/PopoverWindowController.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHideEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "engine/StreakEngine.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/PopoverFocusDismissal.h"
#include "kit/StatusItemReveal.h"
#include "kit/TrayIconButton.h"
#include "kit/WindowPlacement.h"
#include "platform/X11TaskbarPresence.h"
#include "ui/BrandMark.h"
#include "ui/Color.h"
#include "ui/EscClosableWindow.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr Qt::WindowFlags anchoredFlags = Qt::Tool | Qt::FramelessWindowHint;
constexpr Qt::WindowFlags standaloneFlags = Qt::Window | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                            Qt::WindowMinimizeButtonHint;

QString brandText()
{
    //% "Halvex"
    return qtTrId("popover.brand");
}

// What the popover shows until the shell hands it its content.
class PopoverPlaceholderView final : public QWidget {
public:
    explicit PopoverPlaceholderView(QWidget *parent)
        : QWidget(parent)
        , m_title(new KitLabel(brandText(), Typography::title22Semibold(), Color::ink(), this))
    {
        setObjectName(QStringLiteral("popover.placeholder"));
        m_title->setObjectName(QStringLiteral("popover.brand"));
        m_title->setAlignment(Qt::AlignCenter);
        auto *stack = new QVBoxLayout(this);
        stack->setSpacing(12);
        stack->addStretch();
        stack->addWidget(BrandMark::square(64, this), 0, Qt::AlignHCenter);
        stack->addWidget(m_title, 0, Qt::AlignHCenter);
        stack->addStretch();
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_title->setText(brandText());
        QWidget::changeEvent(event);
    }

private:
    KitLabel *m_title;
};

// The library's view of the controller's popover; it must not keep the
// controller alive. The one the focus dismissal holds closes as a
// dismissal by a focus change.
class ControllerPopover final : public fennimar::Popover {
public:
    ControllerPopover(PopoverWindowController *controller, bool closesForFocusChange)
        : m_controller(controller)
        , m_closesForFocusChange(closesForFocusChange)
    {}
    bool isShown() const override { return m_controller && m_controller->isShown(); }
    fennimar::PopoverBehavior behavior() const override
    {
        // An ordinary window stays until the user closes it.
        if (!m_controller || m_controller->isStandalone())
            return fennimar::PopoverBehavior::applicationDefined;
        return m_controller->behavior();
    }
    void performClose() override;

private:
    QPointer<PopoverWindowController> m_controller;
    bool m_closesForFocusChange;
};

} // namespace

// The popover's window: the background token, a hairline border while it
// is frameless, and the controller told when it closes however it closes
// (a click on the icon, Esc, the window manager's close button).
class PopoverWindow final : public EscClosableWindow {
public:
    explicit PopoverWindow(PopoverWindowController &controller)
        : EscClosableWindow(nullptr, anchoredFlags)
        , m_controller(controller)
    {
        setObjectName(QStringLiteral("popover"));
        setFixedSize(PopoverWindowController::contentSize);
        setWindowTitle(brandText());
        m_layout = new QVBoxLayout(this);
        m_layout->setContentsMargins(0, 0, 0, 0);
        m_layout->setSpacing(0);
    }

    QVBoxLayout *contentLayout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Color::background().resolve(this));
        if (windowFlags().testFlag(Qt::FramelessWindowHint)) {
            p.setPen(Color::divider().resolve(this));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    void hideEvent(QHideEvent *event) override
    {
        // A spontaneous hide is the window being iconified: still open.
        if (!event->spontaneous())
            m_controller.didClose();
        EscClosableWindow::hideEvent(event);
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            setWindowTitle(brandText());
        EscClosableWindow::changeEvent(event);
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return EscClosableWindow::event(event);
    }

private:
    PopoverWindowController &m_controller;
    QVBoxLayout *m_layout;
};

void ControllerPopover::performClose()
{
    if (!m_controller)
        return;
    if (m_closesForFocusChange)
        m_controller->dismissForFocusChange();
    else
        m_controller->performClose();
}

PopoverWindowController::PopoverWindowController(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_window(new PopoverWindow(*this))
    , m_popover(std::make_shared<ControllerPopover>(this, false))
{
    if (!m_services.taskbar)
        m_ownTaskbar = std::make_unique<platform::X11TaskbarPresence>();
    setContentWidget(new PopoverPlaceholderView(m_window));
    Environment::setModalPanelPresenter(m_window, modalPanelPresenter());
    m_focusDismissal = std::make_unique<fennimar::PopoverFocusDismissal>(
        std::make_shared<ControllerPopover>(this, true), m_services.workspace);
    // X11 folds a quick turn to another application and on to a window of
    // ours (the friction panel coming up over a blocked application) into
    // no activation at all: the popover also goes when another window of
    // ours takes the focus, unless it is a menu or dialog of its own.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focused) {
        if (focused && isShown() && m_popover->behavior() == fennimar::PopoverBehavior::transient &&
            !QGuiApplication::modalWindow() && !belongsToPopover(focused))
            dismissForFocusChange();
    });
}

bool PopoverWindowController::belongsToPopover(const QWindow *window) const
{
    if (window->type() == Qt::Popup || window->type() == Qt::ToolTip)
        return true;
    for (const QWindow *w = window; w; w = w->transientParent()) {
        if (w == m_window->windowHandle())
            return true;
    }
    return false;
}

PopoverWindowController::~PopoverWindowController()
{
    m_focusDismissal.reset();
    performClose();
    delete m_window;
}

QWidget *PopoverWindowController::window() const
{
    return m_window;
}

bool PopoverWindowController::isShown() const
{
    return m_window->isVisible();
}

void PopoverWindowController::setPermissionHooks(PermissionHooks hooks)
{
    // A hold taken through the old hooks is given back through them.
    if (m_holdsPermissionMonitoring && m_permissionHooks.stopMonitoring)
        m_permissionHooks.stopMonitoring();
    m_holdsPermissionMonitoring = false;
    m_permissionHooks = std::move(hooks);
    if (m_isOpen && m_permissionHooks.startMonitoring) {
        m_permissionHooks.startMonitoring();
        m_holdsPermissionMonitoring = true;
    }
}

void PopoverWindowController::setContentWidget(QWidget *content)
{
    if (!content || content == m_content)
        return;
    if (m_content) {
        m_content->hide();
        m_window->contentLayout()->removeWidget(m_content);
        m_content->deleteLater();
    }
    content->setParent(m_window);
    m_window->contentLayout()->addWidget(content);
    m_content = content;
    content->show();
}

void PopoverWindowController::openStats()
{
    performClose();
    if (m_openStatsHandler)
        m_openStatsHandler();
}

void PopoverWindowController::openSettings()
{
    performClose();
    if (m_openSettingsHandler)
        m_openSettingsHandler();
}

Environment::ModalPanelPresenter PopoverWindowController::modalPanelPresenter()
{
    QPointer<PopoverWindowController> self(this);
    return [self](std::function<void()> present) {
        if (!self) {
            present();
            return;
        }
        const fennimar::PopoverBehavior remembered = self->behavior();
        self->setBehavior(fennimar::PopoverBehavior::applicationDefined);
        present();
        if (self)
            self->setBehavior(remembered);
    };
}

void PopoverWindowController::show(const fennimar::StatusItemButton &button)
{
    QRect icon;
    if (const std::optional<QRect> frame = button.windowFrame()) {
        icon = *frame;
    } else if (QScreen *screen = fennimar::WindowPlacement::screenUnderMouse()) {
        icon = fennimar::TrayIconButton::fallbackFrame(*screen);
    }
    if (!isShown())
        setStandalone(false);
    if (!m_standalone)
        m_window->setGeometry(anchoredFrame(icon));
    present();
}

void PopoverWindowController::showAsWindow()
{
    if (!isShown()) {
        setStandalone(true);
        fennimar::WindowPlacement::centerOnMouseScreen(m_window);
    }
    present();
}

void PopoverWindowController::present()
{
    m_dismissedByFocusAt.reset();
    if (!isShown()) {
        willShow();
        if (!m_standalone)
            skipTaskbar();
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
}

void PopoverWindowController::toggle(const fennimar::StatusItemButton &button)
{
    ++m_userToggles;
    if (isShown()) {
        performClose();
        return;
    }
    if (m_dismissedByFocusAt && now() - *m_dismissedByFocusAt < clickAfterDismissalSeconds) {
        m_dismissedByFocusAt.reset();
        return;
    }
    // Opened by the user's click: an ordinary popover, even while a reveal
    // that would hold it open is still settling.
    setBehavior(fennimar::PopoverBehavior::transient);
    show(button);
}

void PopoverWindowController::performClose()
{
    if (isShown())
        m_window->hide();
}

void PopoverWindowController::dismissForFocusChange()
{
    if (!isShown())
        return;
    performClose();
    m_dismissedByFocusAt = now();
}

void PopoverWindowController::revealWhenReady(
    std::shared_ptr<const fennimar::StatusItemButton> button, Handler completion)
{
    QPointer<PopoverWindowController> self(this);
    fennimar::StatusItemReveal::Handlers handlers{
        .isShown = [self] { return self && self->isShown(); },
        .show =
            [self, button, toggles = m_userToggles] {
                // The user's click since has the last word: a late reveal
                // must not reopen what they closed, nor hold what they opened.
                if (!self || self->m_userToggles != toggles)
                    return;
                // Left open on outside clicks until it has settled.
                self->setBehavior(fennimar::PopoverBehavior::applicationDefined);
                self->show(*button);
            },
        .reposition =
            [self, button] {
                if (self && self->isShown() && !self->isStandalone())
                    self->show(*button);
            },
        .finish =
            [self] {
                if (self)
                    self->setBehavior(fennimar::PopoverBehavior::transient);
            },
        .completion =
            [completion = std::move(completion)] {
                if (completion)
                    completion();
            },
    };
    fennimar::StatusItemReveal::revealWhenStable(std::move(button), std::move(handlers),
                                                 m_services.scheduler, m_services.clock);
}

void PopoverWindowController::setStandalone(bool standalone)
{
    if (standalone == m_standalone)
        return;
    m_standalone = standalone;
    m_window->setWindowFlags(standalone ? standaloneFlags : anchoredFlags);
}

void PopoverWindowController::willShow()
{
    m_isOpen = true;
    if (m_permissionHooks.refresh)
        m_permissionHooks.refresh();
    if (m_permissionHooks.startMonitoring && !m_holdsPermissionMonitoring) {
        m_permissionHooks.startMonitoring();
        m_holdsPermissionMonitoring = true;
    }
    if (m_standalone && !m_holdsActivationPolicy) {
        // An ordinary window: in the task bar while it is open.
        activationPolicy().acquire();
        m_holdsActivationPolicy = true;
    }
    if (m_streakEngine)
        m_streakEngine->reload();
    emit didChangeOpenState(true);
}

void PopoverWindowController::didClose()
{
    if (!m_isOpen)
        return;
    m_isOpen = false;
    if (m_holdsPermissionMonitoring) {
        m_holdsPermissionMonitoring = false;
        if (m_permissionHooks.stopMonitoring)
            m_permissionHooks.stopMonitoring();
    }
    if (m_holdsActivationPolicy) {
        m_holdsActivationPolicy = false;
        activationPolicy().release();
    }
    emit didChangeOpenState(false);
}

void PopoverWindowController::skipTaskbar()
{
    // What drops from the icon has no entry of its own in the task bar or
    // pager. Written before it is mapped, and asked again once it is up: a
    // window shown again right after it was hidden may find the window
    // manager still clearing the state of its withdrawal.
    m_window->winId();
    QWindow *handle = m_window->windowHandle();
    taskbar().setSkippingTaskbar(handle, true);
    handle->installEventFilter(this);
    m_awaitingMap = true;
}

bool PopoverWindowController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && m_awaitingMap && watched == m_window->windowHandle() &&
        m_window->windowHandle()->isExposed()) {
        m_awaitingMap = false;
        if (!m_standalone)
            taskbar().setSkippingTaskbar(m_window->windowHandle(), true);
    }
    return QObject::eventFilter(watched, event);
}

platform::TaskbarPresence &PopoverWindowController::taskbar() const
{
    return m_services.taskbar ? *m_services.taskbar : *m_ownTaskbar;
}

fennimar::ActivationPolicyCoordinator &PopoverWindowController::activationPolicy() const
{
    return m_services.activationPolicy ? *m_services.activationPolicy
                                       : fennimar::ActivationPolicyCoordinator::shared();
}

double PopoverWindowController::now() const
{
    return m_services.clock ? m_services.clock() : fennimar::StatusItemReveal::monotonicNow();
}

QRect PopoverWindowController::anchoredFrame(const QRect &icon, const QRect &screen,
                                             const QRect &available, const QSize &size)
{
    // The panel lies along the screen edge nearest to the icon; a tie (an
    // icon in a corner) goes to the top or bottom, where trays mostly are.
    // Qt rounds the frame of an icon to whole points: at 150 % or 200 % one
    // flush in a corner comes out a point off the top and onto the side, so
    // a point's difference is still a tie.
    const int top = icon.top() - screen.top();
    const int bottom = screen.bottom() - icon.bottom();
    const int left = icon.left() - screen.left();
    const int right = screen.right() - icon.right();
    const bool horizontalPanel = std::min(top, bottom) <= std::min(left, right) + 1;

    QPoint origin;
    if (horizontalPanel) {
        origin.setX(icon.center().x() - size.width() / 2);
        origin.setY(top <= bottom ? icon.bottom() + 1 + anchorGap
                                  : icon.top() - anchorGap - size.height());
    } else {
        origin.setY(icon.center().y() - size.height() / 2);
        origin.setX(left <= right ? icon.right() + 1 + anchorGap
                                  : icon.left() - anchorGap - size.width());
    }

    // Whole on the available area, clear of its edges along the panel.
    const auto keep = [](int value, int low, int high) {
        return high < low ? low : std::clamp(value, low, high);
    };
    const int marginX = horizontalPanel ? screenMargin : 0;
    const int marginY = horizontalPanel ? 0 : screenMargin;
    QPoint kept(keep(origin.x(), available.left() + marginX,
                     available.right() + 1 - marginX - size.width()),
                keep(origin.y(), available.top() + marginY,
                     available.bottom() + 1 - marginY - size.height()));
    // Kept inside, it is never moved back towards the icon and over its
    // panel: one too long for the screen runs off the far edge instead.
    if (horizontalPanel)
        kept.setY(top <= bottom ? std::max(kept.y(), origin.y()) : std::min(kept.y(), origin.y()));
    else
        kept.setX(left <= right ? std::max(kept.x(), origin.x()) : std::min(kept.x(), origin.x()));
    return {kept, size};
}

QRect PopoverWindowController::anchoredFrame(const QRect &icon)
{
    QScreen *screen = QGuiApplication::screenAt(icon.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {icon.bottomLeft() + QPoint(0, 1 + anchorGap), contentSize};
    return anchoredFrame(icon, screen->geometry(), screen->availableGeometry());
}

} // namespace halvex
