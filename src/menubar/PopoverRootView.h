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
class PersistenceController;
class PopoverFooter;
class PopoverListHeader;
class PopoverListView;
class StreakEngine;

// The popover's content, 340 × 520: the streak list screen (a slot for the
// permission banner, the header, the totals line once there are two
// streaks, the list or the empty state, and the footer), or the screen of
// the current route. Everything shown comes from the engine's published
// list; the root keeps only the route and the id of a streak awaiting
// delete confirmation.
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
// The edit screen is built by the builder set with setEditScreenBuilder();
// until one is set, asking to edit a streak keeps the list. The delete
// confirmation follows pendingDeleteId().
//
// Identifiers: "popover.root", "popover.totals", "popover.list.area".
class PopoverRootView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverRootView)
public:
    // Builds the edit screen of one streak; `dismiss` returns to the list and
    // `requestDelete` asks to delete the streak.
    using EditScreenBuilder = std::function<QWidget *(
        const QUuid &streakId, std::function<void()> dismiss, std::function<void()> requestDelete)>;

    PopoverRootView(PersistenceController &persistence, StreakEngine &engine,
                    MilestonePlanning &milestonePlanning,
                    const platform::DesktopEntryIndex &applications,
                    platform::TimerScheduler &scheduler, QWidget *parent = nullptr);
    ~PopoverRootView() override;

    static constexpr int popoverWidth = 340;
    static constexpr int popoverHeight = 520;

    // "5 clean days across 2 streaks"; none below two streaks.
    static std::optional<QString> totalsText(const StreakEngine &engine);

    const PopoverRoute &route() const { return m_route; }
    // Animated changes fade the new screen in with the snappy spring.
    void setRoute(const PopoverRoute &route, bool animated = true);
    const std::optional<QUuid> &pendingDeleteId() const { return m_pendingDeleteId; }
    void setPendingDeleteId(const std::optional<QUuid> &id);

    void setEditScreenBuilder(EditScreenBuilder builder)
    {
        m_editScreenBuilder = std::move(builder);
    }
    // Takes the banner into the slot above the header; null empties the
    // slot. The slot takes space only while the banner is not hidden.
    void setPermissionBanner(QWidget *banner);

    // The list screen, or the route's screen while it shows.
    QWidget *currentScreen() const;
    QWidget *listScreen() const { return m_listScreen; }
    PopoverListHeader *header() const { return m_header; }
    PopoverFooter *footer() const { return m_footer; }

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
    void fadeIn(QWidget *screen);

    PersistenceController &m_persistence;
    StreakEngine &m_engine;
    MilestonePlanning &m_milestonePlanning;
    const platform::DesktopEntryIndex &m_applications;
    platform::TimerScheduler &m_scheduler;
    EditScreenBuilder m_editScreenBuilder;

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
};

} // namespace halvex
