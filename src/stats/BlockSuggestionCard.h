#pragma once

#include <functional>

#include <QWidget>

#include "stats/UsageReportRange.h"
#include "stats/UsageStreakSummary.h"

namespace halvex {

class KitLabel;
class PrimaryButton;
class SecondaryButton;

// Offers to tighten a streak whose time past the friction panel crossed the
// range's threshold: how much time went past it and on which streak, then
// "Tighten streak" and "Not now". What the buttons do is the host's.
class BlockSuggestionCard final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BlockSuggestionCard)
public:
    using Action = std::function<void()>;
    BlockSuggestionCard(const UsageStreakSummary &summary, UsageReportRange range, Action onTighten,
                        Action onDismiss, QWidget *parent = nullptr);

    static constexpr int padding = 16;
    static constexpr int spacing = 12;
    static constexpr qreal cornerRadius = 12.0;
    static constexpr qreal fillOpacity = 0.12;
    static constexpr qreal borderOpacity = 0.5;

    const UsageStreakSummary &summary() const { return m_summary; }
    UsageReportRange range() const { return m_range; }
    // The first line: the time past the panel and the streak's name.
    static QString headline(const UsageStreakSummary &summary, UsageReportRange range);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    UsageStreakSummary m_summary;
    UsageReportRange m_range;
    KitLabel *m_headline;
    KitLabel *m_prompt;
    PrimaryButton *m_tighten;
    SecondaryButton *m_dismiss;
};

} // namespace halvex
