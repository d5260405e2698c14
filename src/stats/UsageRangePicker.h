#pragma once

#include <QWidget>

#include "stats/UsageReportRange.h"

class QAbstractButton;

namespace halvex {

// A segmented control with one segment per report range, in case order.
// Segments are named "usage.range.<raw>"; the arrow keys move between them.
class UsageRangePicker final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UsageRangePicker)
public:
    explicit UsageRangePicker(QWidget *parent = nullptr);

    static constexpr int segmentHeight = 24;
    static constexpr int inset = 2;
    static constexpr qreal cornerRadius = 7.0;

    UsageReportRange range() const { return m_range; }
    // Selects a segment without emitting rangeChanged.
    void setRange(UsageReportRange range);
    QAbstractButton *segment(UsageReportRange range) const;

signals:
    // The user chose another range.
    void rangeChanged(halvex::UsageReportRange range);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    UsageReportRange m_range = UsageReportRange::today;
    std::array<QAbstractButton *, allUsageReportRanges.size()> m_segments{};
};

} // namespace halvex
