#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>
#include <QSystemTrayIcon>
#include <QUuid>

#include "menubar/MenuBarIconView.h"
#include "platform/TimerScheduler.h"

namespace fennimar {
class StatusItemButton;
}

namespace platform {
class PortalAppearanceWatcher;
class SystemAppearance;
} // namespace platform

namespace halvex {

class PopoverWindowController;
class Streak;
class StreakEngine;

// The application's one always-present surface: its icon in the desktop's
// tray (a StatusNotifierItem where the desktop has a watcher, the XEmbed
// tray otherwise). The tooltip is the icon's accessibility label: it names
// the primary streak and its day count. The icon pulses red on every
// trigger and turns red for a while when a streak is reset; a change of the
// list only renews the label, so the red states run their course. A left
// or right click opens or closes the popover (there is no menu). The icon
// is inked for the desktop's light or dark appearance, whatever theme the
// application itself is set to. Where the desktop turns out to have no tray
// at all, the popover's reveal opens it as an ordinary window. Main thread only.
class StatusItemController final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusItemController)
public:
    // How long a missing tray may take to come up (at a login the tray host
    // often starts after us) before the desktop counts as having none.
    static constexpr double trayGraceSeconds = 5.0;

    enum class TrayPresence { undecided, present, absent };

    struct Services {
        StreakEngine &streakEngine;
        PopoverWindowController &popoverController;
        const platform::SystemAppearance &systemAppearance;
        platform::TimerScheduler &scheduler = platform::TimerScheduler::live();
        // Whether the desktop has a tray now. Empty: Qt's answer.
        std::function<bool()> isTrayAvailable = {};
        // Announces the desktop's appearance changes besides Qt's own theme
        // change events; optional.
        platform::PortalAppearanceWatcher *appearanceChanges = nullptr;
        // A friction panel up takes a click meant to open the popover: true
        // when one did (it is brought forward). Empty: nothing does.
        std::function<bool()> bringPanelForward = {};
    };

    explicit StatusItemController(Services services, QObject *parent = nullptr);
    ~StatusItemController() override;

    QSystemTrayIcon *statusItem() const { return m_statusItem; }
    // The icon as the popover's placement and reveal see it.
    const std::shared_ptr<const fennimar::StatusItemButton> &button() const { return m_button; }
    MenuBarIconView &iconView() { return m_iconView; }
    QString accessibilityLabel() const;
    TrayPresence trayPresence() const { return m_trayPresence; }

    // A click on the icon.
    void handleButtonClick();
    // Opens the popover by itself: at the icon once it has settled in the
    // tray, or as an ordinary window where the desktop has no tray (waiting
    // out the grace period first if that is not known yet). `completion`
    // runs once, when the popover is shown or the reveal has given up.
    void revealPopoverWhenReady(std::function<void()> completion = {});
    // Reads the desktop's appearance again and inks the icon for it.
    void refreshAppearance();

    // The streak the label describes: the primary one, else the first.
    static std::shared_ptr<Streak>
    primaryStreak(const std::vector<std::shared_ptr<Streak>> &streaks,
                  const std::optional<QUuid> &primaryId);
    // The label for a streak and its day count; the idle text without one.
    static QString accessibilityLabel(const Streak *primary, qint64 days);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindEngine();
    // The label and the mark at once, ending any red state.
    void refresh();
    void refreshLabel();
    void decideTrayPresence();
    bool isTrayAvailable() const;

    Services m_services;
    QSystemTrayIcon *m_statusItem;
    std::shared_ptr<const fennimar::StatusItemButton> m_button;
    MenuBarIconView m_iconView;
    TrayPresence m_trayPresence = TrayPresence::undecided;
    std::shared_ptr<platform::ScheduledTimer> m_graceTimer;
    std::vector<std::function<void()>> m_pendingReveals;
};

} // namespace halvex
