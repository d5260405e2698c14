#pragma once

#include <QWidget>

#include "stats/UsageStreakSummary.h"

namespace halvex {

class KitLabel;

// One streak's line in the usage section: name and visit count, a bar of
// its time (past the panel first, then within the allowance) against the
// section's scale, and the total. It does not react to clicks.
class UsageSiteRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UsageSiteRow)
public:
    UsageSiteRow(const UsageStreakSummary &summary, double scaleSeconds, QWidget *parent = nullptr);

    static constexpr int spacing = 12;
    static constexpr int verticalPadding = 10;
    static constexpr int nameWidth = 140;
    static constexpr int totalWidth = 72;
    static constexpr int barHeight = 10;

    // The filled widths of a bar `width` wide: the part past the panel and
    // the part within the allowance after it, never more than the bar.
    struct BarFill {
        double panel = 0.0;
        double allowance = 0.0;
    };
    static BarFill barFill(const UsageStreakSummary &summary, double scaleSeconds, double width);

    const UsageStreakSummary &summary() const { return m_summary; }
    double scaleSeconds() const { return m_scaleSeconds; }
    // The visit line: singular for exactly one session, plural otherwise.
    static QString visitsText(qint64 sessionCount);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void elide();

    UsageStreakSummary m_summary;
    double m_scaleSeconds;
    KitLabel *m_name;
    KitLabel *m_visits;
    KitLabel *m_total;
};

} // namespace halvex
