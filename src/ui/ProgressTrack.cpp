#include "ui/ProgressTrack.h"

#include <cmath>

#include <QPainter>

#include "ui/Environment.h"

namespace halvex {

ProgressTrack::ProgressTrack(Options options, QWidget *parent)
    : QWidget(parent)
    , m_options(std::move(options))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(qCeil(m_options.height));
    setFocusPolicy(Qt::NoFocus);
}

double ProgressTrack::clamped(double progress)
{
    if (std::isnan(progress) || progress < 0.0)
        return 0.0;
    return progress > 1.0 ? 1.0 : progress;
}

void ProgressTrack::setProgress(double progress)
{
    m_options.progress = progress;
    update();
}

void ProgressTrack::setFill(const ThemeColor &fill)
{
    m_options.fill = fill;
    update();
}

void ProgressTrack::setTrack(const ThemeColor &track)
{
    m_options.track = track;
    update();
}

QSize ProgressTrack::sizeHint() const
{
    return {0, qCeil(m_options.height)};
}

QSize ProgressTrack::minimumSizeHint() const
{
    return {0, qCeil(m_options.height)};
}

void ProgressTrack::paintEvent(QPaintEvent *)
{
    const qreal w = width();
    const qreal h = m_options.height;
    if (w <= 0 || h <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const auto capsule = [&](const QRectF &shape, const QColor &colour) {
        if (shape.width() <= 0 || shape.height() <= 0)
            return;
        const qreal radius = qMin(shape.height(), shape.width()) / 2.0;
        p.setBrush(colour);
        p.drawRoundedRect(shape, radius, radius);
    };
    // The edge lies inside the bar; the fill covers it where it reaches.
    p.setPen(QPen(m_options.outline.resolve(this), 1.0));
    capsule(QRectF(0, 0, w, h).adjusted(0.5, 0.5, -0.5, -0.5), m_options.track.resolve(this));
    p.setPen(Qt::NoPen);
    capsule(QRectF(0, 0, w * clamped(m_options.progress), h), m_options.fill.resolve(this));
}

bool ProgressTrack::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
