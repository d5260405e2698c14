#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "friction/FrictionViewModel.h"

class QEasingCurve;
class QScreen;
class QWidget;

namespace fennimar {
class ActivationPolicyCoordinator;
}

namespace platform {
class X11FrontGuard;
class X11TaskbarPresence;
} // namespace platform

namespace halvex {

class BlurOverlayWindow;
class FrictionPanel;
class ThemeController;
class TranslationLoader;

// Turns undecided trigger events of the engine into the interruption on
// screen: a dimmed, blurred overlay over every screen and, above them, the
// 520 by 420 panel on the screen the user is looking at, over a fresh view
// model, all on every virtual desktop and in front of whatever else comes
// up. At most one panel is up; a newer trigger takes the open one down
// (without an outcome for its event) and comes up once it has faded out, and
// only the newest waiting trigger survives. While a panel is up the
// application holds the regular activation policy and says so on
// panelActiveSubject. Main thread only.
class FrictionPanelController final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionPanelController)
public:
    // The frames of the frontmost application's windows that are on screen,
    // in the desktop's device pixels; empty when nothing is known.
    using WindowFrames = std::function<QList<QRect>()>;
    // A picture of the screen as it looks now.
    using ScreenGrabber = std::function<QImage(QScreen *)>;

    struct Services {
        // Handed on to each panel's view model.
        FrictionViewModel::Services viewModel;
        ThemeController &themeController;
        TranslationLoader &translationLoader;
        fennimar::ActivationPolicyCoordinator &activationPolicy;
        WindowFrames frontmostWindowFrames = {};
        // Empty: the screen's own picture.
        ScreenGrabber grabScreen = {};
    };

    static constexpr int riseDistance = 40;
    static constexpr int fadeInMs = 350;
    static constexpr int panelFadeOutMs = 200;
    static constexpr int overlayFadeOutMs = 350;

    explicit FrictionPanelController(Services services, QObject *parent = nullptr);
    ~FrictionPanelController() override;

    // The frames of the windows of the workspace's frontmost application,
    // read from the X server.
    static WindowFrames liveFrontmostWindowFrames(const platform::Workspace &workspace);

    // Subscribes to the engine's undecided trigger events; once only.
    void start();
    // Ends the subscription; events already on their way are dropped.
    void stop();
    bool isStarted() const { return bool(m_subscription); }

    // Every delivered trigger event comes in here.
    void handle(const std::shared_ptr<TriggerEvent> &event);
    // Builds and shows a panel for an undecided event of a streak.
    void present(const std::shared_ptr<TriggerEvent> &event);
    // Takes down what is shown. Animated, it presents the waiting event once
    // the panel and overlays have faded out. Not animated (the application
    // stopping), it drops the waiting event and closes everything at once.
    void dismiss(bool animated);

    // The screen of the frontmost application's largest window, else the one
    // under the mouse, the primary screen or the first one.
    QScreen *targetScreen() const;
    // The same choice over plain frames, by index into `screens`; windows,
    // screens and mouse in one system of coordinates.
    static std::optional<int> targetScreenIndex(const QList<QRect> &windowFrames,
                                                const QList<QRect> &screens, const QPoint &mouse,
                                                int primaryScreen);
    // Where the panel sits on `screen`: centred on its available area, inside it.
    static QRect panelFrame(const QScreen *screen);

    // Another launch asked us to show ourselves. A panel up (or about to
    // come up in place of one fading out) answers it: it is raised and given
    // the focus again, unless its step back has the application in front,
    // where it leaves the focus. False when no panel is up or waiting.
    bool bringPanelForward();

    // The current value of panelActiveSubject.
    bool isPanelActive() const { return m_panelActive; }
    FrictionPanel *activePanel() const { return m_activePanel; }
    QList<BlurOverlayWindow *> activeOverlays() const;
    FrictionViewModel *activeViewModel() const { return m_activeViewModel; }
    bool isAnimating() const { return m_isAnimating; }
    const std::shared_ptr<TriggerEvent> &pendingEvent() const { return m_pendingEvent; }
    bool holdsDockPolicy() const { return m_holdsDockPolicy; }

signals:
    // Sent true when a panel comes up and false at each dismissal, also
    // when nothing was shown.
    void panelActiveSubject(bool active);

private:
    QImage grab(QScreen *screen) const;
    // Loads ahead what the first panel needs.
    void warmUp() const;
    // Animates the window's opacity (and position) and runs `done` when
    // it ends; with reduced motion it jumps and runs `done` on a later turn.
    void animateWindow(QWidget *window, qreal opacity, std::optional<QPoint> position,
                       int durationMs, const QEasingCurve &curve, std::function<void()> done);
    void retire(QWidget *window);
    // Before they are shown, and until the panel goes or steps aside: on
    // every desktop, out of the task bar and pager, and in front of
    // whatever comes up, so that the blocked application is never usable
    // beside its panel.
    void holdInFront(const QList<QWidget *> &windows);
    // The step back needs the application as the user sees it: a browser
    // covered by the backdrop counts its page as hidden and loads the page
    // it goes back to without a tree to read. The card stays.
    void stepBackdropAside();
    void finishDismissal();
    // The panel's window went without an answer: its overlays follow it and
    // its event stays undecided.
    void panelWindowGone(const FrictionPanel *panel, bool destroyed);
    void setPanelActive(bool active);

    Services m_services;
    QMetaObject::Connection m_subscription;
    // Renewed at each stop(): deliveries of an ended subscription find it changed.
    quint64 m_subscriptionGeneration = 0;
    bool m_panelActive = false;
    QPointer<FrictionPanel> m_activePanel;
    QList<QPointer<BlurOverlayWindow>> m_activeOverlays;
    QPointer<FrictionViewModel> m_activeViewModel;
    // Windows still fading out from earlier dismissals.
    QList<QPointer<QWidget>> m_fading;
    bool m_isAnimating = false;
    // From the step back's start until it fails or the panel goes.
    bool m_steppingBack = false;
    bool m_holdsDockPolicy = false;
    std::shared_ptr<TriggerEvent> m_pendingEvent;
    std::unique_ptr<platform::X11FrontGuard> m_frontGuard;
    std::unique_ptr<platform::X11TaskbarPresence> m_taskbar;
};

} // namespace halvex
