#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "stats/CoalescedRefresh.h"
#include "model/DayClock.h"
#include "model/Predicate.h"
#include "stats/UsageReportRange.h"
#include "stats/UsageStreakSummary.h"

class QVBoxLayout;

namespace halvex {

class KitLabel;
class ModelContext;
class Streak;
class UsageSession;
class UsageRangePicker;

// The statistics window's "Time spent anyway" card: per streak, the time
// spent on its blocked targets today or in the last seven days, split into
// time past the friction panel and time within the daily allowance, with a
// block suggestion above the rows for each streak over the range's
// threshold. It draws no frame or background of its own.
//
// Inputs:
// - `context`: the store's main context. Every usage session is fetched
//   through it, and the settings record (its dismissed suggestions) read
//   and, on "Not now", written and saved. It must outlive the section.
// - `clock`: the current time and the time zone that calendar days are
//   reckoned in; the statistics window passes the streak engine's clock.
//
// The content is rebuilt, with a fresh current time, when the range changes,
// when usage sessions, streaks or the dismissed suggestions change in the
// context or the clock's time zone changes (coalesced: once per turn of the
// event loop), on every NotificationHub::didCommitSession, after a
// dismissal, and on refresh().
// Between these it keeps what it showed, also across midnight.
//
// Output: streakSelected() when the user asks to tighten a streak that
// still exists; the host opens it in the streak editor. Without a
// connection, "Tighten streak" does nothing.
class UsageSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UsageSection)
public:
    UsageSection(ModelContext &context, DayClock clock, QWidget *parent = nullptr);

    static constexpr int spacing = 12;
    static constexpr int contentSpacing = 8;

    // Today when the section is built; it is not stored anywhere.
    UsageReportRange range() const { return m_range; }
    void setRange(UsageReportRange range);

    // The summaries the section shows now.
    const std::vector<UsageStreakSummary> &summaries() const { return m_summaries; }
    UsageRangePicker *rangePicker() const { return m_picker; }

    // Fetches the sessions and the settings record and rebuilds the content.
    void refresh();

    // What the section fetches for a range: the sessions that began in it,
    // newest first.
    static FetchDescriptor<UsageSession> rangeFetch(UsageReportRange range, const QDateTime &now,
                                                    const QTimeZone &zone);

    // The actions of a summary's block suggestion card.
    void tighten(const UsageStreakSummary &summary);
    void dismissSuggestion(const UsageStreakSummary &summary);

signals:
    void streakSelected(std::shared_ptr<halvex::Streak> streak);

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuild();
    QWidget *buildContent();
    QWidget *buildLegend();
    void retranslate();

    ModelContext &m_context;
    DayClock m_clock;
    UsageReportRange m_range = UsageReportRange::today;
    std::vector<UsageStreakSummary> m_summaries;
    CoalescedRefresh m_pendingRefresh{this, [this] { refresh(); }};

    KitLabel *m_title;
    UsageRangePicker *m_picker;
    QVBoxLayout *m_layout;
    QWidget *m_content = nullptr;
};

} // namespace halvex
