#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "kit/Popover.h"
#include "kit/StatusItemButton.h"
#include "platform/TimerScheduler.h"
#include "ui/Environment.h"

class QWindow;

namespace fennimar {
class ActivationPolicyCoordinator;
class PopoverFocusDismissal;
} // namespace fennimar

namespace platform {
class TaskbarPresence;
class Workspace;
} // namespace platform

namespace halvex {

class PopoverWindow;
class StreakEngine;

// Owns the popover that drops from the status item: a 340 by 520 frameless
// window of ours placed at the tray icon. It is not a Qt popup, which would
// grab the pointer and go as soon as one of our own modal dialogs (the
// application chooser) comes up; the support library's focus dismissal
// closes it instead when the user turns to another application. It shows a
// brand placeholder until its content is set. Where the desktop has no tray
// it opens as an ordinary window instead (showAsWindow). Main thread only.
//
// Identifiers: "popover" (the window), "popover.placeholder", "popover.brand".
class PopoverWindowController final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverWindowController)
public:
    static constexpr QSize contentSize{340, 520};
    // Between the icon and the popover, and between the popover and the
    // edge of the screen it is kept on.
    static constexpr int anchorGap = 4;
    static constexpr int screenMargin = 4;
    // A tray click that comes this soon after the popover was closed by a
    // focus change is taken as the click that caused the change.
    static constexpr double clickAfterDismissalSeconds = 0.5;

    // Seconds on a monotonic clock.
    using Clock = std::function<double()>;
    using Handler = std::function<void()>;

    // The permission manager's monitoring, handed in by the shell: refreshed
    // when the popover is about to show, and monitored while it is open.
    struct PermissionHooks {
        Handler refresh;
        Handler startMonitoring;
        Handler stopMonitoring;
    };

    struct Services {
        // Watched for other applications coming to the front.
        platform::Workspace &workspace;
        platform::TimerScheduler &scheduler = platform::TimerScheduler::live();
        // Empty: a clock of the process that never goes back.
        Clock clock = {};
        // Held while the popover is open as an ordinary window. None: the shared one.
        fennimar::ActivationPolicyCoordinator *activationPolicy = nullptr;
        // Told to leave the popover at the icon out of the task bar and
        // pager. None: the desktop's own.
        platform::TaskbarPresence *taskbar = nullptr;
    };

    explicit PopoverWindowController(Services services, QObject *parent = nullptr);
    ~PopoverWindowController() override;

    QWidget *window() const;
    // The popover as the support library and other windows see it (shown,
    // behaviour, closing); it does not keep the controller alive.
    const std::shared_ptr<fennimar::Popover> &popover() const { return m_popover; }
    bool isShown() const;
    // From just before the window shows until it has closed.
    bool isOpen() const { return m_isOpen; }
    // Open or last opened as an ordinary window.
    bool isStandalone() const { return m_standalone; }
    fennimar::PopoverBehavior behavior() const { return m_behavior; }
    void setBehavior(fennimar::PopoverBehavior behavior) { m_behavior = behavior; }

    // Reloaded each time the popover is about to show, so the list reflects the store.
    void setStreakEngine(StreakEngine *engine) { m_streakEngine = engine; }
    void setPermissionHooks(PermissionHooks hooks);
    // Takes `content` in place of what is shown (the placeholder at first).
    void setContentWidget(QWidget *content);
    QWidget *contentWidget() const { return m_content; }

    void setOpenStatsHandler(Handler handler) { m_openStatsHandler = std::move(handler); }
    void setOpenSettingsHandler(Handler handler) { m_openSettingsHandler = std::move(handler); }
    // The content's actions: each closes the popover, then runs its handler.
    void openStats();
    void openSettings();

    // Runs a modal panel without the popover going away under it. The
    // window's whole tree reads it from the environment.
    Environment::ModalPanelPresenter modalPanelPresenter();

    // Shows the popover at the button and gives it the focus. A button
    // without a frame stands at the top-right corner of the screen under
    // the pointer.
    void show(const fennimar::StatusItemButton &button);
    // Shows the popover as an ordinary window, centred on the screen under
    // the pointer.
    void showAsWindow();
    // A click on the status item: closes a shown popover, else shows it,
    // unless the click has just closed it through the focus change it made.
    void toggle(const fennimar::StatusItemButton &button);
    void performClose();
    // Closes the popover because the user turned elsewhere (the library's
    // focus dismissal calls it).
    void dismissForFocusChange();

    // Shows the popover from the button once the button has settled on
    // screen; it stays open on outside clicks until it has followed the
    // button for a while. `completion` runs once, when shown or given up.
    void revealWhenReady(std::shared_ptr<const fennimar::StatusItemButton> button,
                         Handler completion = {});

    // Where the popover of `size` goes for a tray icon at `icon`: off the
    // screen edge the icon's panel lies on (below an icon at the top, above
    // one at the bottom, beside one at a side), centred on the icon and kept
    // inside `available`, but never moved over the icon's panel: one too
    // long for the screen runs off its far edge.
    static QRect anchoredFrame(const QRect &icon, const QRect &screen, const QRect &available,
                               const QSize &size = contentSize);
    // The same on the screen that holds the icon.
    static QRect anchoredFrame(const QRect &icon);

signals:
    // True just before the popover shows, false once it has closed.
    void didChangeOpenState(bool open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A menu, tooltip or dialog of the popover itself.
    bool belongsToPopover(const QWindow *window) const;
    friend class PopoverWindow;

    void setStandalone(bool standalone);
    void present();
    void willShow();
    void didClose();
    double now() const;
    fennimar::ActivationPolicyCoordinator &activationPolicy() const;
    platform::TaskbarPresence &taskbar() const;
    void skipTaskbar();

    Services m_services;
    PopoverWindow *m_window;
    QPointer<QWidget> m_content;
    std::shared_ptr<fennimar::Popover> m_popover;
    std::unique_ptr<fennimar::PopoverFocusDismissal> m_focusDismissal;
    std::unique_ptr<platform::TaskbarPresence> m_ownTaskbar;
    StreakEngine *m_streakEngine = nullptr;
    PermissionHooks m_permissionHooks;
    Handler m_openStatsHandler;
    Handler m_openSettingsHandler;

    fennimar::PopoverBehavior m_behavior = fennimar::PopoverBehavior::transient;
    bool m_isOpen = false;
    bool m_standalone = false;
    bool m_holdsPermissionMonitoring = false;
    bool m_holdsActivationPolicy = false;
    // Shown at the icon and not yet on screen.
    bool m_awaitingMap = false;
    std::optional<double> m_dismissedByFocusAt;
    // Counts the user's clicks on the icon: a reveal still waiting for the
    // icon to settle gives way to any click that came meanwhile.
    int m_userToggles = 0;
};

} // namespace halvex
