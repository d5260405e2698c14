#pragma once

#include <functional>
#include <memory>

#include <QDateTime>
#include <QTimeZone>
#include <QWidget>

#include "stats/CoalescedRefresh.h"
#include "stats/StatsMetrics.h"

class QScrollArea;
class QStackedLayout;
class QVBoxLayout;

namespace halvex {

class EmptyStateBlock;
class KitLabel;
class ModelContext;
class Streak;
class StreakEngine;
class TriggerHourDistributionView;
class UsageSection;
class WhyAnswerListView;

// The whole content of the statistics window: since when streaks are kept,
// three totals (clean days, the longest streak, steps back this week), the
// streaks as bars with the next milestone, and the cards of trigger hours,
// usage and answers. Without streaks, only a note to come back tomorrow.
//
// Day counts, pauses and "now" come from the engine and its clock. The
// view recomputes everything whenever the engine announces a change (its
// list, its primary streak, its minute tick) and when step-back events
// change in `context`; the cards follow the store themselves. The start of
// "this week" is fixed when the view is built: a window that stays open
// over midnight keeps counting from the same moment, until the clock's time
// zone changes and the week's days with it.
//
// Choosing a streak, in the list or through the usage section's suggestion,
// runs `onStreakSelect` with it.
class StatsRootView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatsRootView)
public:
    using StreakAction = std::function<void(const std::shared_ptr<Streak> &)>;

    StatsRootView(ModelContext &context, StreakEngine &engine, StreakAction onStreakSelect,
                  QWidget *parent = nullptr);

    static constexpr int minimumWidth = 600;
    // Low enough for a netbook's screen: the page scrolls.
    static constexpr int minimumHeight = 360;
    static constexpr int spacing = 24;
    static constexpr int horizontalPadding = 32;
    static constexpr int verticalPadding = 28;

    // The start of "steps back this week".
    const QDateTime &stepBackCutoff() const { return m_stepBackCutoff; }
    const StatsMetrics &metrics() const { return m_metrics; }
    qint64 recentStepBacks() const { return m_recentStepBacks; }
    // "Next milestone: Social reaches 14 days on Friday.", or nothing.
    QString nextMilestoneText() const;

    QScrollArea *scrollArea() const { return m_scroll; }
    TriggerHourDistributionView *triggerHours() const { return m_triggerHours; }
    UsageSection *usageSection() const { return m_usage; }
    WhyAnswerListView *whyAnswers() const { return m_whyAnswers; }

    // Reads the engine and the step-back count again and redraws.
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildMetricRow();
    void rebuildStreakList();
    void retranslate();
    void selectStreak(const std::shared_ptr<Streak> &streak);

    ModelContext &m_context;
    StreakEngine &m_engine;
    StreakAction m_onStreakSelect;
    QDateTime m_stepBackCutoff;
    QTimeZone m_stepBackZone;
    StatsMetrics m_metrics;
    qint64 m_recentStepBacks = 0;
    CoalescedRefresh m_pendingRefresh{this, [this] { refresh(); }};

    QStackedLayout *m_stack;
    EmptyStateBlock *m_empty;
    QScrollArea *m_scroll;
    KitLabel *m_title;
    KitLabel *m_since;
    QList<QWidget *> m_metricValues;
    QList<KitLabel *> m_metricLabels;
    QList<QWidget *> m_metricTiles;
    KitLabel *m_listTitle;
    QVBoxLayout *m_rowsLayout;
    QWidget *m_rows = nullptr;
    KitLabel *m_nextMilestone;
    TriggerHourDistributionView *m_triggerHours;
    UsageSection *m_usage;
    WhyAnswerListView *m_whyAnswers;
};

} // namespace halvex
