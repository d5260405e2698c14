#include "friction/BreathDotView.h"

#include <cmath>

#include <QPainter>
#include <QShowEvent>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"

namespace halvex {

BreathDotView::BreathDotView(qreal diameter, QWidget *parent)
    : QWidget(parent)
    , m_diameter(diameter)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BreathDotView::setPulse(qreal pulse)
{
    m_pulse = pulse;
    update();
}

QSize BreathDotView::sizeHint() const
{
    const int side = int(std::ceil(m_diameter * swell)) + 1;
    return {side, side};
}

void BreathDotView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Each appearance starts from rest.
    if (!event->spontaneous())
        Motion::animate(this, "pulse", 0.0, 1.0, Motion::breathPulse());
}

bool BreathDotView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void BreathDotView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(dotOpacity());
    p.setPen(Qt::NoPen);
    p.setBrush(Color::destructive().resolve(this));
    const qreal d = m_diameter * scale();
    const QPointF centre = QRectF(rect()).center();
    p.drawEllipse(centre, d / 2.0, d / 2.0);
}

} // namespace halvex
