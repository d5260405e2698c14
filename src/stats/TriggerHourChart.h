#pragma once

#include <QWidget>

#include "stats/TriggerHourDistribution.h"
#include "ui/ThemeColor.h"

namespace halvex {

// The 24 bars of the trigger-hour card, one per hour from midnight, side by
// side over the full width and standing on the bottom edge. Each bar's
// tooltip gives its hour and count. For assistive technology the row is
// one element named by setAccessibleName().
class TriggerHourChart final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TriggerHourChart)
public:
    explicit TriggerHourChart(QWidget *parent = nullptr);

    static constexpr int rowHeight = 120;
    static constexpr int barSpacing = 4;
    static constexpr double minimumBarHeight = 3.0;
    static constexpr double cornerRadius = 4.0;

    const TriggerHourDistribution &distribution() const { return m_distribution; }
    void setDistribution(const TriggerHourDistribution &distribution);

    // Where the bar of `hour` is drawn, in the chart's coordinates.
    QRectF barRect(int hour) const;
    // The hour whose bar column holds `x`, or -1 between bars and outside.
    int hourAt(double x) const;
    static ThemeColor barColor(TriggerHourDistribution::Tone tone);
    // "07:00: 3".
    static QString barHelp(int hour, qint64 count);
    // The tooltip over `x`: the help of the bar there, empty between bars.
    QString helpAt(double x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    double barWidth() const;

    TriggerHourDistribution m_distribution;
};

} // namespace halvex
