#include "friction/CountdownButton.h"

#include <cmath>

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

const MotionPreset &progressEase()
{
    static const MotionPreset preset = [] {
        MotionPreset p;
        p.curve = QEasingCurve(QEasingCurve::BezierSpline);
        p.curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
        p.durationMs = CountdownButton::progressEaseMs;
        return p;
    }();
    return preset;
}

} // namespace

CountdownButton::CountdownButton(int secondsRemaining, int total, bool isActive,
                                 std::function<void()> onTap, QWidget *parent)
    : QAbstractButton(parent)
    , m_secondsRemaining(secondsRemaining)
    , m_total(total)
    , m_isActive(isActive)
    , m_onTap(std::move(onTap))
    , m_shownProgress(progress(secondsRemaining, total, isActive))
    , m_readyLook(isReady() ? 1.0 : 0.0)
    , m_shadow(new QGraphicsDropShadowEffect(this))
{
    setFont(Typography::body13Medium());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
    m_shadow->setBlurRadius(12);
    m_shadow->setOffset(0, 6);
    setGraphicsEffect(m_shadow);
    HoverPointingHandCursor::apply(this);
    setEnabled(isReady());
    updateShadow();
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isEnabled() && isReady() && m_onTap)
            m_onTap();
    });
}

qreal CountdownButton::progress(int secondsRemaining, int total, bool isActive)
{
    if (!isActive || total < 1)
        return 1.0;
    return qBound(0.0, double(total - secondsRemaining) / double(total), 1.0);
}

void CountdownButton::setState(int secondsRemaining, int total, bool isActive)
{
    const bool wasReady = isReady();
    m_secondsRemaining = secondsRemaining;
    m_total = total;
    m_isActive = isActive;
    const qreal target = progress(secondsRemaining, total, isActive);
    if (!qFuzzyCompare(target, m_shownProgress))
        Motion::animate(this, "shownProgress", m_shownProgress, target, progressEase());
    if (wasReady != isReady())
        Motion::animate(this, "readyLook", m_readyLook, isReady() ? 1.0 : 0.0,
                        Motion::snappySpring());
    setEnabled(isReady());
    update();
}

QString CountdownButton::label() const
{
    if (isCounting())
        //% "Open anyway in %1\u00a0s"
        return qtTrId("friction.button.openAnywayCountdown").arg(m_secondsRemaining);
    //% "Open anyway"
    return qtTrId("friction.button.openAnyway");
}

void CountdownButton::setShownProgress(qreal progress)
{
    m_shownProgress = progress;
    update();
}

void CountdownButton::setReadyLook(qreal look)
{
    m_readyLook = look;
    updateShadow();
    update();
}

void CountdownButton::updateShadow()
{
    QColor colour = Color::accent().resolve(this);
    colour.setAlphaF(colour.alphaF() * shadowOpacity * qBound(0.0, m_readyLook, 1.0));
    m_shadow->setColor(colour);
}

QSize CountdownButton::sizeHint() const
{
    const QFontMetrics fm(font());
    // Wide enough for the longer of the two labels, so the width holds still.
    const QString counting = qtTrId("friction.button.openAnywayCountdown").arg(m_total);
    const int text = qMax(fm.horizontalAdvance(counting),
                          fm.horizontalAdvance(qtTrId("friction.button.openAnyway")));
    return {2 * horizontalPadding + text, 2 * verticalPadding + fm.height()};
}

QSize CountdownButton::minimumSizeHint() const
{
    return {2 * horizontalPadding, sizeHint().height()};
}

bool CountdownButton::event(QEvent *event)
{
    if (Environment::isChange(event)) {
        updateShadow();
        update();
    } else if (event->type() == QEvent::LanguageChange) {
        updateGeometry();
        update();
    }
    return QAbstractButton::event(event);
}

void CountdownButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect());
    QPainterPath shape;
    shape.addRoundedRect(body, cornerRadius, cornerRadius);
    p.setClipPath(shape);

    const qreal ready = qBound(0.0, m_readyLook, 1.0);
    // Counting: the track with its fill and border, fading out as the
    // accent fill of the ready button fades in.
    if (ready < 1.0) {
        p.save();
        p.setOpacity(1.0 - ready);
        p.fillPath(shape, Color::ink().withOpacity(trackOpacity).resolve(this));
        const qreal fillWidth = qMax(0.0, body.width() * qBound(0.0, m_shownProgress, 1.0));
        if (fillWidth > 0) {
            QPainterPath fill;
            fill.addRoundedRect(QRectF(0, 0, fillWidth, body.height()), cornerRadius, cornerRadius);
            p.fillPath(fill, Color::accent().withOpacity(fillOpacity).resolve(this));
        }
        p.setPen(QPen(Color::divider().resolve(this), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5,
                          cornerRadius - 0.5);
        p.restore();
    }
    if (ready > 0.0) {
        p.save();
        p.setOpacity(ready);
        p.fillPath(shape, Color::accent().resolve(this));
        p.restore();
    }

    const QColor ink = isCounting() ? Color::ink().resolve(this) : Color::onAccent().resolve(this);
    p.setFont(font());
    p.setPen(ink);
    p.drawText(body, Qt::AlignCenter, label());
}

} // namespace halvex
