#pragma once

#include <QList>
#include <QUuid>

#include "editor/InstalledApplications.h"
#include "menubar/StreakManagerRow.h"
#include "ui/KitScrollArea.h"

namespace platform {
class DesktopEntryIndex;
class TimerScheduler;
} // namespace platform

namespace halvex {

class Streak;
class StreakEngine;

// The scrolling list of the popover's list screen: one StreakManagerRow per
// streak of the engine's published list, in its order, redrawn whenever the
// engine publishes. At the engine's minute tick (and any other change it
// announces) the rows whose values moved on, a day count or today's
// allowance, are drawn anew. Pausing and resuming go straight to the bypass
// controller and the engine; edit and delete are handed up as streak ids
// (the root asks before anything is deleted).
//
// Identifier: "popover.list.root".
class PopoverListView final : public KitScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverListView)
public:
    // `applications` names application streaks' targets; `scheduler` runs
    // the rows' pause countdowns. Both must outlive the list.
    PopoverListView(StreakEngine &engine, const platform::DesktopEntryIndex &applications,
                    platform::TimerScheduler &scheduler, QWidget *parent = nullptr);

    static constexpr int rowSpacing = 6;

    // What a row shows of a streak: the first target that is not empty,
    // then " +N" for the rest of the list, empty entries counted.
    static QString kindLabel(const Streak &streak, const InstalledApplications &applications);
    static StreakManagerRow::Values rowValues(const Streak &streak, const StreakEngine &engine,
                                              const InstalledApplications &applications,
                                              const QLocale &locale);

    QList<StreakManagerRow *> rows() const { return m_rows; }

signals:
    void editRequested(const QUuid &id);
    void deleteRequested(const QUuid &id);

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuild();
    // Replaces the rows whose values changed; rebuilds when the list did.
    void refreshValues();
    StreakManagerRow *makeRow(const Streak &streak);
    void dropRow(StreakManagerRow *row);

    StreakEngine &m_engine;
    InstalledApplications m_applications;
    platform::TimerScheduler &m_scheduler;
    QList<StreakManagerRow *> m_rows;
    QList<QUuid> m_rowIds; // the streak of each row
};

} // namespace halvex
