#pragma once

#include <functional>
#include <optional>

#include <QUuid>
#include <QWidget>

#include "menubar/PopoverRoute.h"

class QStackedLayout;

namespace platform {
class DesktopEntryIndex;
class TimerScheduler;
} // namespace platform

namespace halvex {

class KitLabel;
class MilestonePlanning;
class PopoverDeleteConfirmOverlay;
class PersistenceController;
class PopoverFooter;
class PopoverListHeader;
class PopoverListView;
class StreakEngine;

// The popover's content, 340 × 520: the streak list screen (a slot for the
// permission banner, the header, the totals line once there are two
// streaks, the list or the empty state, and the footer), or the screen of
// the current route. Everything shown comes from the engine's published
// list, and the totals follow its minute tick too; the root keeps only the
// route and the id of a streak awaiting delete confirmation.
//
// The popover window builds it once and hosts it, with what it needs:
// - `persistence` and `engine`: the store and the shared streak state;
// - `milestonePlanning`: plans a new streak's milestone notifications;
// - `applications`: the desktop-entry index the frontmost detector and the
//   application picker resolve applications with;
// - `scheduler`: runs the rows' pause countdowns.
// All must outlive the root. The header's buttons come out as
// openStatsRequested(), openSettingsRequested() and quitRequested(): closing
// the popover first and quitting through the application's one quit path
// are the host's.
//
// The delete confirmation lies over the current screen while
// pendingDeleteId() names a streak the engine lists.
//
// Identifiers: "popover.root", "popover.totals", "popover.list.area".
class PopoverRootView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverRootView)
public:
    PopoverRootView(PersistenceController &persistence, StreakEngine &engine,
                    MilestonePlanning &milestonePlanning,
                    const platform::DesktopEntryIndex &applications,
                    platform::TimerScheduler &scheduler, QWidget *parent = nullptr);
    ~PopoverRootView() override;

    // "5 clean days across 2 streaks"; none below two streaks.
    static std::optional<QString> totalsText(const StreakEngine &engine);

    const PopoverRoute &route() const { return m_route; }
    // Animated changes fade the new screen in with the snappy spring.
    void setRoute(const PopoverRoute &route, bool animated = true);
    const std::optional<QUuid> &pendingDeleteId() const { return m_pendingDeleteId; }
    void setPendingDeleteId(const std::optional<QUuid> &id);

    // Takes the banner into the slot above the header; null empties the
    // slot. The slot takes space only while the banner is not hidden.
    void setPermissionBanner(QWidget *banner);

    // The list screen, or the route's screen while it shows.
    QWidget *currentScreen() const;
    QWidget *listScreen() const { return m_listScreen; }
    PopoverListHeader *header() const { return m_header; }
    PopoverFooter *footer() const { return m_footer; }
    // The delete confirmation while it shows.
    PopoverDeleteConfirmOverlay *deleteOverlay() const { return m_deleteOverlay; }

signals:
    void openStatsRequested();
    void openSettingsRequested();
    void quitRequested();
    void routeChanged();
    void pendingDeleteIdChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildListScreen();
    void refreshList();
    void refreshTotals();
    void fadeOut(const QPixmap &previous);
    void refreshDeleteOverlay();

    PersistenceController &m_persistence;
    StreakEngine &m_engine;
    MilestonePlanning &m_milestonePlanning;
    const platform::DesktopEntryIndex &m_applications;
    platform::TimerScheduler &m_scheduler;

    PopoverRoute m_route;
    std::optional<QUuid> m_pendingDeleteId;

    QStackedLayout *m_screens;
    QWidget *m_listScreen;
    QWidget *m_routeScreen = nullptr;
    QWidget *m_bannerSlot = nullptr;
    PopoverListHeader *m_header = nullptr;
    KitLabel *m_totals = nullptr;
    QWidget *m_emptyArea = nullptr;
    PopoverListView *m_list = nullptr;
    QWidget *m_listArea = nullptr;
    PopoverFooter *m_footer = nullptr;
    PopoverDeleteConfirmOverlay *m_deleteOverlay = nullptr;
};

} // namespace halvex
