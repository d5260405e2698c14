#pragma once

#include <vector>

#include <QWidget>

#include "stats/CoalescedRefresh.h"
#include "stats/WhyAnswerGrouping.h"

class QVBoxLayout;

namespace halvex {

class KitLabel;
class ModelContext;

// The statistics card "What you told the panel": the answers to the
// panel's question, equal ones grouped, each group with the streaks it was
// given for and how often, most frequent first, at most twenty.
//
// It follows the store: answers inserted, edited or deleted in `context`,
// renamed streaks and deleted trigger events redraw it (once per turn of
// the event loop), as does refresh().
class WhyAnswerListView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WhyAnswerListView)
public:
    explicit WhyAnswerListView(ModelContext &context, QWidget *parent = nullptr);

    static constexpr int spacing = 8;
    static constexpr int rowSpacing = 12;
    static constexpr int rowPadding = 10;
    static constexpr int quoteLines = 2;
    static constexpr int namesMaximumWidth = 180;

    // The groups shown now.
    const std::vector<WhyEntry> &entries() const { return m_entries; }
    // "Streak A, Streak B": the first two names.
    static QString namesText(const QStringList &streakNames);

    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuild();
    QWidget *buildContent();
    void retranslate();

    ModelContext &m_context;
    std::vector<WhyEntry> m_entries;
    CoalescedRefresh m_pendingRefresh{this, [this] { refresh(); }};

    KitLabel *m_title;
    KitLabel *m_subtitle;
    QVBoxLayout *m_layout;
    QWidget *m_content = nullptr;
};

} // namespace halvex
