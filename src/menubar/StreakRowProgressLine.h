#pragma once

#include <optional>

#include <QWidget>

#include "engine/Milestones.h"

namespace halvex {

class KitLabel;
class ProgressTrack;

// The last line of a streak row that is not paused: for a streak with a
// daily allowance, how many of today's minutes are left (a clock, a green
// bar and "12 of 15 min left" on a tinted capsule); otherwise how far the run
// is from its next milestone ("3 more to 14 days" beside an ink bar). Each
// reads to assistive tools as one element.
//
// Identifiers: "popover.list.row.allowance", "popover.list.row.milestone".
class StreakRowProgressLine final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakRowProgressLine)
public:
    enum class Kind { allowance, milestone };

    // The row's choice: the allowance line when the streak has an allowance,
    // else the milestone line while a milestone lies ahead, else none (null).
    static StreakRowProgressLine *forRow(std::optional<double> allowanceRemainingSeconds,
                                         int allowanceMinutes, qint64 days,
                                         QWidget *parent = nullptr);

    // Seconds left, rounded up to whole minutes.
    static qint64 minutesLeft(double remainingSeconds);
    static QString allowanceCaption(double remainingSeconds, int allowanceMinutes);
    static double allowanceFraction(double remainingSeconds, int allowanceMinutes);
    static QString milestoneCaption(const MilestoneBounds &bounds, qint64 days);
    static double milestoneFraction(const MilestoneBounds &bounds, qint64 days);

    Kind kind() const { return m_kind; }
    KitLabel *caption() const { return m_caption; }
    ProgressTrack *track() const { return m_track; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    StreakRowProgressLine(Kind kind, QWidget *parent);

    Kind m_kind;
    KitLabel *m_caption = nullptr;
    ProgressTrack *m_track = nullptr;
};

} // namespace halvex
