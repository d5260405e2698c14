#include "stats/TriggerHourDistributionView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "model/ModelContext.h"
#include "model/TriggerEvent.h"
#include "platform/SystemTimeZone.h"
#include "stats/StatsCardHeader.h"
#include "stats/TriggerHourChart.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// The rounded surface under the bars and their hour labels.
class ChartBox final : public QWidget {
public:
    explicit ChartBox(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("stats.triggerHours.box"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Color::surface().resolve(this));
        p.drawRoundedRect(QRectF(rect()), 12, 12);
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }
};

bool isTriggerEvent(const Record *record)
{
    return &record->entity() == &TriggerEvent::schema();
}

} // namespace

TriggerHourDistributionView::TriggerHourDistributionView(ModelContext &context,
                                                         const DayClock &clock, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_clock(clock)
    , m_zone(clock.timeZone())
    , m_cutoff(TriggerHourDistribution::cutoff(clock.now(), clock.timeZone()))
{
    setObjectName(QStringLiteral("stats.triggerHours"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);

    auto *header = new StatsCardHeader(this);
    m_title = header->title();
    m_title->setObjectName(QStringLiteral("stats.triggerHours.title"));
    m_range = header->note();
    m_range->setObjectName(QStringLiteral("stats.triggerHours.range"));
    layout->addWidget(header);

    m_empty = new KitLabel(QString(), Typography::body13(), Color::inkMuted(), this);
    m_empty->setObjectName(QStringLiteral("stats.triggerHours.empty"));
    m_empty->setWordWrap(true);
    m_empty->setContentsMargins(0, 12, 0, 12);
    layout->addWidget(m_empty);

    m_box = new ChartBox(this);
    auto *box = new QVBoxLayout(m_box);
    box->setContentsMargins(16, 16, 16, 10);
    box->setSpacing(8);
    m_chart = new TriggerHourChart(m_box);
    box->addWidget(m_chart);
    auto *labels = new QHBoxLayout;
    labels->setContentsMargins(0, 0, 0, 0);
    labels->setSpacing(0);
    for (int hour : {0, 6, 12, 18}) {
        auto *label = new KitLabel(TriggerHourDistribution::hourLabel(hour),
                                   Typography::caption11(), Color::inkMuted(), m_box);
        label->setObjectName(QStringLiteral("stats.triggerHours.hourLabel"));
        // Equal shares: each label starts a quarter of the row further on.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        labels->addWidget(label, 1);
        m_hourLabels << label;
    }
    box->addLayout(labels);
    layout->addWidget(m_box);

    m_peak = new KitLabel(QString(), Typography::body13Medium(), Color::ink(), this);
    m_peak->setObjectName(QStringLiteral("stats.triggerHours.peak"));
    m_peak->setWordWrap(true);
    layout->addWidget(m_peak);

    connect(&m_context, &ModelContext::recordInserted, this, [this](Record *record) {
        if (isTriggerEvent(record))
            m_pendingRefresh.schedule();
    });
    connect(&m_context, &ModelContext::recordRemoved, this, [this](Record *record) {
        if (isTriggerEvent(record))
            m_pendingRefresh.schedule();
    });
    connect(&m_context, &ModelContext::recordChanged, this,
            [this](Record *record, const QString &field) {
                if (isTriggerEvent(record) && field == u"firedAt")
                    m_pendingRefresh.schedule();
            });
    if (const platform::SystemTimeZone *zone = m_clock.timeZoneSource())
        connect(zone, &platform::SystemTimeZone::changed, this,
                [this] { m_pendingRefresh.schedule(); });

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    refresh();
}

QString TriggerHourDistributionView::rangeText() const
{
    const qint64 total = m_distribution.total();
    if (total == 1) {
        //% "Last 30\u00a0days, 1 panel"
        return qtTrId("stats.triggerHours.rangeOne");
    }
    //% "Last 30\u00a0days, %1 panels"
    return qtTrId("stats.triggerHours.range").arg(locale().toString(total));
}

QString TriggerHourDistributionView::peakText() const
{
    const std::optional<int> hour = m_distribution.namedPeakHour();
    if (!hour)
        return {};
    //% "%1 is your hardest hour."
    return qtTrId("stats.triggerHours.peak").arg(TriggerHourDistribution::hourLabel(*hour));
}

void TriggerHourDistributionView::refresh()
{
    m_pendingRefresh.settle();
    // The same events fall in other hours, and today began at another
    // instant, in a new zone.
    if (const QTimeZone zone = m_clock.timeZone(); zone != m_zone) {
        m_zone = zone;
        m_cutoff = TriggerHourDistribution::cutoff(m_clock.now(), zone);
    }
    const auto events =
        m_context.fetch<TriggerEvent>(TriggerHourDistribution::eventsFetch(m_cutoff));
    std::vector<QDateTime> firedAt;
    if (events) { // a failed fetch shows as no events
        firedAt.reserve(events->size());
        for (const auto &event : *events)
            firedAt.push_back(event->firedAt());
    }
    m_distribution = TriggerHourDistribution(firedAt, m_zone);
    m_chart->setDistribution(m_distribution);
    retranslate();
}

void TriggerHourDistributionView::retranslate()
{
    //% "When the urge hits"
    const QString title = qtTrId("stats.triggerHours.title");
    m_title->setText(title);
    const bool any = m_distribution.total() > 0;
    m_range->setText(any ? rangeText() : QString());
    m_range->setVisible(any);
    //% "No trigger events yet."
    m_empty->setText(qtTrId("stats.triggerHours.empty"));
    m_empty->setVisible(!any);
    m_box->setVisible(any);
    const QString peak = peakText();
    m_peak->setText(peak);
    m_peak->setVisible(any && !peak.isEmpty());
    m_chart->setAccessibleName(peak.isEmpty() ? title : peak);
}

void TriggerHourDistributionView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
