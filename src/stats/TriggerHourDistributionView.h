#pragma once

#include <QDateTime>
#include <QWidget>

#include "stats/CoalescedRefresh.h"
#include "model/DayClock.h"
#include "stats/TriggerHourDistribution.h"

namespace halvex {

class KitLabel;
class ModelContext;
class TriggerHourChart;

// The statistics card "When the urge hits": the trigger events of the 30
// whole days before today and of today so far, as 24 bars by the hour of
// the clock's time zone in which they fired, the number of events and,
// from five events on, the hardest hour. It draws no frame of its own
// around the card; the chart sits on a rounded surface.
//
// The period's start is fixed when the card is built, and again when the
// clock's time zone changes. The card follows the store and the zone:
// trigger events inserted, moved or deleted in `context`, and a new zone,
// redraw it (once per turn of the event loop), as does refresh().
class TriggerHourDistributionView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TriggerHourDistributionView)
public:
    TriggerHourDistributionView(ModelContext &context, const DayClock &clock,
                                QWidget *parent = nullptr);

    static constexpr int spacing = 12;

    const QDateTime &cutoff() const { return m_cutoff; }
    const TriggerHourDistribution &distribution() const { return m_distribution; }
    TriggerHourChart *chart() const { return m_chart; }

    // "Last 30 days, 12 panels" in the widget's locale.
    QString rangeText() const;
    // "22:00 is your hardest hour.", or nothing up to four events.
    QString peakText() const;

    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    ModelContext &m_context;
    DayClock m_clock;
    QTimeZone m_zone;
    QDateTime m_cutoff;
    TriggerHourDistribution m_distribution;
    CoalescedRefresh m_pendingRefresh{this, [this] { refresh(); }};

    KitLabel *m_title;
    KitLabel *m_range;
    KitLabel *m_empty;
    QWidget *m_box;
    TriggerHourChart *m_chart;
    QList<KitLabel *> m_hourLabels;
    KitLabel *m_peak;
};

} // namespace halvex
