#include "ui/ActivityIndicator.h"

#include <cmath>
#include <numbers>

#include <QPainter>
#include <QVariantAnimation>

#include "ui/Environment.h"

namespace halvex {

ActivityIndicator::ActivityIndicator(const ThemeColor &tint, QWidget *parent)
    : QWidget(parent)
    , m_tint(tint)
    , m_turn(new QVariantAnimation(this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // One full turn a second, in spoke-sized steps like the system's indicator.
    m_turn->setStartValue(0);
    m_turn->setEndValue(spokes);
    m_turn->setDuration(1000);
    m_turn->setLoopCount(-1);
    connect(m_turn, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { setPhase(value.toInt() % spokes); });
    retranslate();
}

void ActivityIndicator::setTint(const ThemeColor &tint)
{
    m_tint = tint;
    update();
}

void ActivityIndicator::setPhase(int phase)
{
    phase = ((phase % spokes) + spokes) % spokes;
    if (phase == m_phase)
        return;
    m_phase = phase;
    update();
}

void ActivityIndicator::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    update();
}

bool ActivityIndicator::isSpinning() const
{
    return m_turn->state() == QAbstractAnimation::Running;
}

void ActivityIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(m_opacity);
    const qreal side = qMin(width(), height());
    const QPointF centre = QRectF(rect()).center();
    const qreal outer = side / 2.0 - 1.0;
    const qreal inner = outer * 0.45;
    QColor colour = m_tint.resolve(this);
    const qreal baseAlpha = colour.alphaF();
    for (int i = 0; i < spokes; ++i) {
        // The leading spoke is solid; those behind it fade.
        const int age = ((m_phase - i) % spokes + spokes) % spokes;
        colour.setAlphaF(baseAlpha * (1.0 - 0.75 * age / (spokes - 1)));
        QPen pen(colour, qMax(1.5, side / 9.0), Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        const qreal angle = 2.0 * std::numbers::pi * i / spokes - std::numbers::pi / 2.0;
        const QPointF dir(std::cos(angle), std::sin(angle));
        p.drawLine(centre + dir * inner, centre + dir * outer);
    }
}

void ActivityIndicator::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_turn->start();
}

void ActivityIndicator::hideEvent(QHideEvent *event)
{
    m_turn->stop();
    QWidget::hideEvent(event);
}

bool ActivityIndicator::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QWidget::event(event);
}

void ActivityIndicator::retranslate()
{
    //% "Loading"
    setAccessibleName(qtTrId("ui.progress.loading"));
}

} // namespace halvex
