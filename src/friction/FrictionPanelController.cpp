#include "friction/FrictionPanelController.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

#include "engine/StreakEngine.h"
#include "friction/BlurOverlayWindow.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionRootView.h"
#include "friction/HalvexLocalizedRoot.h"
#include "kit/ActivationPolicyCoordinator.h"
#include "kit/ScreenPixels.h"
#include "kit/WindowPlacement.h"
#include "model/PersistenceController.h"
#include "platform/Workspace.h"
#include "platform/X11FrontGuard.h"
#include "platform/X11TaskbarPresence.h"
#include "platform/X11WindowFrames.h"
#include "ui/Motion.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

const QString windowAnimationName = QStringLiteral("halvex.friction.window");

qint64 area(const QRect &r)
{
    return qint64(qMax(0, r.width())) * qMax(0, r.height());
}

} // namespace

FrictionPanelController::FrictionPanelController(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{}

FrictionPanelController::~FrictionPanelController()
{
    stop();
    dismiss(false);
}

FrictionPanelController::WindowFrames
FrictionPanelController::liveFrontmostWindowFrames(const platform::Workspace &workspace)
{
    auto frames = std::make_shared<platform::X11WindowFrames>();
    return [frames, &workspace] {
        const auto front = workspace.frontmostApplication();
        return front ? frames->framesOf(front->processIdentifier) : QList<QRect>{};
    };
}

void FrictionPanelController::start()
{
    if (m_subscription)
        return;
    // Once the shell is done starting, not while it starts.
    QTimer::singleShot(0, this, &FrictionPanelController::warmUp);
    m_subscription =
        connect(&m_services.viewModel.streakEngine, &StreakEngine::triggerSubject, this,
                [this](const std::shared_ptr<TriggerEvent> &event) {
                    // The engine sends each event again once it is decided: only new ones count.
                    if (!event || !event->outcomeRaw().isEmpty())
                        return;
                    const quint64 generation = m_subscriptionGeneration;
                    QMetaObject::invokeMethod(
                        this,
                        [this, event, generation] {
                            if (generation == m_subscriptionGeneration && m_subscription)
                                handle(event);
                        },
                        Qt::QueuedConnection);
                });
}

void FrictionPanelController::warmUp() const
{
    // Otherwise the first panel pays, between the trigger and the screen,
    // for loading fonts and symbols and for the first picture of a screen.
    QImage scratch(64, 64, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    for (const QFont *font :
         {&Typography::rounded96Bold(), &Typography::headline17Semibold(), &Typography::body13(),
          &Typography::body13Medium(), &Typography::caption11()}) {
        painter.setFont(*font);
        painter.drawText(scratch.rect(), QStringLiteral("0123456789 Open anyway"));
    }
    for (const QString &symbol :
         {QStringLiteral("arrow.uturn.backward"), QStringLiteral("chevron.down")})
        Symbol::pixmap(symbol, 13, Qt::black);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        BlurOverlayWindow::backdrop(grab(screen), screen->geometry().size());
}

void FrictionPanelController::stop()
{
    disconnect(m_subscription);
    m_subscription = {};
    ++m_subscriptionGeneration;
}

void FrictionPanelController::handle(const std::shared_ptr<TriggerEvent> &event)
{
    if (!event || !event->streak())
        return;
    if (m_activePanel || m_isAnimating) {
        // The newest waiting event replaces any other; the open panel goes
        // without an outcome for its event.
        m_pendingEvent = event;
        dismiss(true);
        return;
    }
    present(event);
}

void FrictionPanelController::present(const std::shared_ptr<TriggerEvent> &event)
{
    // Decided while it waited, or never tied to a streak: nothing to ask.
    if (!event || !event->outcomeRaw().isEmpty())
        return;
    const std::shared_ptr<Streak> streak = event->streak();
    if (!streak)
        return;

    QScreen *target = targetScreen();
    // The screens are pictured before anything of ours covers them.
    QList<BlurOverlayWindow *> overlays;
    QImage targetBackdrop;
    QRect targetFrame;
    for (QScreen *screen : QGuiApplication::screens()) {
        auto *overlay = new BlurOverlayWindow(screen, grab(screen));
        overlays << overlay;
        if (screen == target) {
            targetBackdrop = overlay->image();
            targetFrame = screen->geometry();
        }
    }

    auto *panel = new FrictionPanel;
    if (target)
        panel->setScreen(target);
    const QRect finalFrame = panelFrame(target);
    panel->setBackdrop(targetBackdrop, targetFrame);

    const QPointer<FrictionPanel> own(panel);
    connect(panel, &FrictionPanel::windowGone, this,
            [this, panel](bool destroyed) { panelWindowGone(panel, destroyed); });
    auto *viewModel = new FrictionViewModel(
        event, streak, m_services.viewModel,
        [this, own] {
            // Only this panel's own view model may take it down: a late
            // call from a replaced panel must not close its successor.
            if (own && m_activePanel == own)
                dismiss(true);
        },
        panel);
    connect(viewModel, &FrictionViewModel::stepBackStarted, this, [this, own] {
        if (own && m_activePanel == own)
            stepBackdropAside();
    });
    // The step gave the application the focus; a window in full screen
    // that has it stands over everything else, the panel's line included.
    connect(viewModel, &FrictionViewModel::feedbackChanged, this, [this, own, viewModel] {
        if (own && m_activePanel == own && viewModel->feedback().isFailure()) {
            m_steppingBack = false;
            own->raise();
            own->activateWindow();
            holdInFront({own.data()});
        }
    });
    // The language first, so the card comes up in it.
    auto *localized =
        new HalvexLocalizedRoot(m_services.viewModel.persistence.mainContext(),
                                m_services.themeController, m_services.translationLoader);
    localized->setContent(new FrictionRootView(*viewModel));
    panel->setContent(localized);
    viewModel->startLockout();

    if (!m_holdsDockPolicy) {
        m_services.activationPolicy.acquire();
        m_holdsDockPolicy = true;
    }

    // Rises 40 points into place while it fades in, with the focus.
    panel->setGeometry(finalFrame.translated(0, riseDistance));
    panel->setWindowOpacity(0.0);
    QList<QWidget *> windows;
    for (BlurOverlayWindow *overlay : std::as_const(overlays)) {
        overlay->setWindowOpacity(0.0);
        windows << overlay;
    }
    holdInFront(windows << panel);

    for (BlurOverlayWindow *overlay : std::as_const(overlays)) {
        overlay->show();
        animateWindow(overlay, 1.0, std::nullopt, fadeInMs, QEasingCurve::Linear, {});
    }
    panel->show();
    panel->raise();
    panel->activateWindow();
    animateWindow(panel, 1.0, finalFrame.topLeft(), fadeInMs, QEasingCurve::OutCubic, {});

    m_activePanel = panel;
    m_steppingBack = false;
    m_activeOverlays.clear();
    for (BlurOverlayWindow *overlay : std::as_const(overlays))
        m_activeOverlays << overlay;
    m_activeViewModel = viewModel;
    setPanelActive(true);
}

void FrictionPanelController::dismiss(bool animated)
{
    // Stopping: whatever waited is not shown any more.
    if (!animated)
        m_pendingEvent.reset();
    const QPointer<FrictionPanel> panel = std::exchange(m_activePanel, nullptr);
    const QList<QPointer<BlurOverlayWindow>> overlays = std::exchange(m_activeOverlays, {});
    m_steppingBack = false;
    if (m_frontGuard)
        m_frontGuard->release();
    // Its countdowns and delayed steps end with the panel.
    if (const QPointer<FrictionViewModel> viewModel = std::exchange(m_activeViewModel, nullptr))
        viewModel->cancel();

    setPanelActive(false);
    if (m_holdsDockPolicy) {
        m_services.activationPolicy.release();
        m_holdsDockPolicy = false;
    }

    if (!animated) {
        retire(panel);
        for (const auto &overlay : overlays)
            retire(overlay);
        for (const auto &window : std::exchange(m_fading, {}))
            retire(window);
        m_isAnimating = false;
        return;
    }

    m_isAnimating = true;
    const auto remaining = std::make_shared<int>(0);
    const QPointer<FrictionPanelController> self(this);
    const auto leave = [self, remaining] {
        if (--*remaining == 0 && self)
            QMetaObject::invokeMethod(self, &FrictionPanelController::finishDismissal,
                                      Qt::QueuedConnection);
    };
    const auto fadeOut = [this, &remaining, &leave](QWidget *window, std::optional<QPoint> to,
                                                    int ms, QEasingCurve::Type curve) {
        ++*remaining;
        m_fading << window;
        const QPointer<QWidget> held(window);
        animateWindow(window, 0.0, to, ms, curve, [this, held, leave] {
            retire(held);
            leave();
        });
    };
    if (panel)
        fadeOut(panel, panel->pos() + QPoint(0, riseDistance), panelFadeOutMs,
                QEasingCurve::InCubic);
    for (const auto &overlay : overlays) {
        if (overlay)
            fadeOut(overlay, std::nullopt, overlayFadeOutMs, QEasingCurve::Linear);
    }
    if (*remaining == 0)
        QMetaObject::invokeMethod(this, &FrictionPanelController::finishDismissal,
                                  Qt::QueuedConnection);
}

bool FrictionPanelController::bringPanelForward()
{
    if (!m_activePanel)
        return m_isAnimating && m_pendingEvent;
    // The step back's keys go to the application it brought forward.
    if (m_steppingBack)
        return true;
    m_activePanel->raise();
    m_activePanel->activateWindow();
    return true;
}

void FrictionPanelController::stepBackdropAside()
{
    m_steppingBack = true;
    // The step itself brings the application or browser forward.
    if (m_frontGuard)
        m_frontGuard->release();
    // Unmapped at once, not faded: a window at opacity 0 still covers the
    // browser where no compositor runs.
    for (const auto &overlay : std::exchange(m_activeOverlays, {}))
        retire(overlay);
}

void FrictionPanelController::panelWindowGone(const FrictionPanel *panel, bool destroyed)
{
    // Its own dismissal lets go of the panel before hiding it.
    if (!m_activePanel || m_activePanel != panel)
        return;
    // Being destroyed, it must not be faded or retired again.
    if (destroyed)
        m_activePanel = nullptr;
    dismiss(true);
}

void FrictionPanelController::finishDismissal()
{
    m_isAnimating = false;
    if (std::shared_ptr<TriggerEvent> event = std::exchange(m_pendingEvent, nullptr))
        present(event);
}

void FrictionPanelController::retire(QWidget *window)
{
    if (!window)
        return;
    m_fading.removeAll(window);
    window->hide();
    window->deleteLater();
}

void FrictionPanelController::holdInFront(const QList<QWidget *> &windows)
{
    if (QGuiApplication::platformName() != u"xcb")
        return;
    if (!m_frontGuard) {
        m_frontGuard = std::make_unique<platform::X11FrontGuard>();
        m_taskbar = std::make_unique<platform::X11TaskbarPresence>();
    }
    QList<platform::X11FrontGuard::Window> held;
    for (QWidget *window : windows) {
        held << platform::X11FrontGuard::Window(window->winId());
        m_taskbar->setSkippingTaskbar(window->windowHandle(), true);
    }
    m_frontGuard->hold(held);
}

QScreen *FrictionPanelController::targetScreen() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    // Compared in the device pixels the window frames come in: each screen
    // has a scale of its own in Qt's coordinates.
    const QList<fennimar::ScreenPixels::Screen> scaled = fennimar::ScreenPixels::of(screens);
    const QList<QRect> windows =
        m_services.frontmostWindowFrames ? m_services.frontmostWindowFrames() : QList<QRect>{};
    const auto index = targetScreenIndex(windows, fennimar::ScreenPixels::deviceGeometries(scaled),
                                         fennimar::ScreenPixels::toDevice(QCursor::pos(), scaled),
                                         int(screens.indexOf(QGuiApplication::primaryScreen())));
    return index ? screens.at(*index) : nullptr;
}

std::optional<int> FrictionPanelController::targetScreenIndex(const QList<QRect> &windowFrames,
                                                              const QList<QRect> &screens,
                                                              const QPoint &mouse,
                                                              int primaryScreen)
{
    if (!windowFrames.isEmpty() && !screens.isEmpty()) {
        // The largest window; only a strictly larger one replaces the first.
        QRect largest = windowFrames.first();
        for (const QRect &frame : windowFrames) {
            if (area(frame) > area(largest))
                largest = frame;
        }
        if (screens.size() == 1)
            return 0;
        if (const auto index = fennimar::WindowPlacement::dominantIndex(largest, screens))
            return index;
    }
    for (int i = 0; i < screens.size(); ++i) {
        if (screens.at(i).contains(mouse))
            return i;
    }
    if (primaryScreen >= 0 && primaryScreen < screens.size())
        return primaryScreen;
    if (!screens.isEmpty())
        return 0;
    return std::nullopt;
}

QRect FrictionPanelController::panelFrame(const QScreen *screen)
{
    const QSize size = FrictionPanel::panelSize;
    if (!screen)
        return QRect(QPoint(0, 0), size);
    // Frameless and of one size: only moved, its top-left corner kept on a
    // screen too small for it.
    return fennimar::WindowPlacement::centredFrame(size, {}, size, screen->availableGeometry());
}

QList<BlurOverlayWindow *> FrictionPanelController::activeOverlays() const
{
    QList<BlurOverlayWindow *> overlays;
    for (const auto &overlay : m_activeOverlays) {
        if (overlay)
            overlays << overlay;
    }
    return overlays;
}

QImage FrictionPanelController::grab(QScreen *screen) const
{
    if (m_services.grabScreen)
        return m_services.grabScreen(screen);
    return screen->grabWindow(0).toImage();
}

void FrictionPanelController::animateWindow(QWidget *window, qreal opacity,
                                            std::optional<QPoint> position, int durationMs,
                                            const QEasingCurve &curve, std::function<void()> done)
{
    // A newer change of the same window replaces one still running.
    for (auto *running : window->findChildren<QAbstractAnimation *>(windowAnimationName,
                                                                    Qt::FindDirectChildrenOnly)) {
        running->setObjectName(QString());
        running->stop();
    }
    if (Motion::reduceMotion()) {
        window->setWindowOpacity(opacity);
        if (position)
            window->move(*position);
        if (done)
            QTimer::singleShot(0, this, std::move(done));
        return;
    }
    auto *group = new QParallelAnimationGroup(window);
    group->setObjectName(windowAnimationName);
    auto *fade = new QPropertyAnimation(window, "windowOpacity", group);
    fade->setEndValue(opacity);
    fade->setDuration(durationMs);
    fade->setEasingCurve(curve);
    if (position) {
        auto *move = new QPropertyAnimation(window, "pos", group);
        move->setEndValue(*position);
        move->setDuration(durationMs);
        move->setEasingCurve(curve);
    }
    if (done)
        connect(group, &QAbstractAnimation::finished, this, std::move(done));
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void FrictionPanelController::setPanelActive(bool active)
{
    m_panelActive = active;
    emit panelActiveSubject(active);
}

} // namespace halvex
