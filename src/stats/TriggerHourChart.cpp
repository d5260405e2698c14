#include "stats/TriggerHourChart.h"

#include <algorithm>

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

namespace {

constexpr int hours = TriggerHourDistribution::hours;

// A bar with rounded top corners and a square foot.
QPainterPath barShape(const QRectF &r, double radius)
{
    const double rad = std::min({radius, r.width() / 2.0, r.height()});
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + rad);
    path.quadTo(r.left(), r.top(), r.left() + rad, r.top());
    path.lineTo(r.right() - rad, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + rad);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

} // namespace

TriggerHourChart::TriggerHourChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("stats.triggerHours.chart"));
    setFixedHeight(rowHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TriggerHourChart::setDistribution(const TriggerHourDistribution &distribution)
{
    m_distribution = distribution;
    update();
}

double TriggerHourChart::barWidth() const
{
    return std::max((double(width()) - (hours - 1) * barSpacing) / hours, 0.0);
}

QRectF TriggerHourChart::barRect(int hour) const
{
    const double w = barWidth();
    const double h = m_distribution.barHeight(hour, rowHeight, minimumBarHeight);
    return {hour * (w + barSpacing), height() - h, w, h};
}

int TriggerHourChart::hourAt(double x) const
{
    const double w = barWidth();
    if (x < 0 || w <= 0)
        return -1;
    const int hour = int(x / (w + barSpacing));
    if (hour >= hours || x - hour * (w + barSpacing) >= w)
        return -1;
    return hour;
}

ThemeColor TriggerHourChart::barColor(TriggerHourDistribution::Tone tone)
{
    switch (tone) {
    case TriggerHourDistribution::Tone::empty:
        return Color::divider();
    case TriggerHourDistribution::Tone::peak:
        return Color::brand();
    case TriggerHourDistribution::Tone::faint:
        return Color::inkMuted().withOpacity(0.45);
    case TriggerHourDistribution::Tone::strong:
        return Color::ink().withOpacity(0.8);
    }
    return Color::divider();
}

QString TriggerHourChart::barHelp(int hour, qint64 count)
{
    //% "%1: %2"
    return qtTrId("stats.triggerHours.barHelp")
        .arg(TriggerHourDistribution::hourLabel(hour))
        .arg(count);
}

QString TriggerHourChart::helpAt(double x) const
{
    const int hour = hourAt(x);
    return hour < 0 ? QString() : barHelp(hour, m_distribution.count(hour));
}

QSize TriggerHourChart::sizeHint() const
{
    return {hours * 12 + (hours - 1) * barSpacing, rowHeight};
}

QSize TriggerHourChart::minimumSizeHint() const
{
    return {hours + (hours - 1) * barSpacing, rowHeight};
}

void TriggerHourChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int hour = 0; hour < hours; ++hour) {
        p.setBrush(barColor(m_distribution.tone(hour)).resolve(this));
        p.drawPath(barShape(barRect(hour), cornerRadius));
    }
}

bool TriggerHourChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int hour = hourAt(help->pos().x());
        if (hour < 0) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(
                help->globalPos(), barHelp(hour, m_distribution.count(hour)), this,
                // The whole column, so a short bar is easy to point at.
                QRectF(barRect(hour).left(), 0, barWidth(), height()).toAlignedRect());
        }
        return true;
    }
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
