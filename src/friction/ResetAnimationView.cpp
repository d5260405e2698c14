#include "friction/ResetAnimationView.h"

#include <QPainter>
#include <QShowEvent>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// Ease-in: slow off the mark, fastest at the end.
qreal easeIn(qreal t)
{
    static const QEasingCurve curve = [] {
        QEasingCurve c(QEasingCurve::BezierSpline);
        c.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(1.0, 1.0), QPointF(1.0, 1.0));
        return c;
    }();
    return curve.valueForProgress(qBound(0.0, t, 1.0));
}

} // namespace

ResetAnimationView::ResetAnimationView(int value, QWidget *parent)
    : QWidget(parent)
    , m_value(value)
{
    setFont(Typography::rounded96Bold());
    setAccessibleName(caption());
}

QList<QPair<int, QChar>> ResetAnimationView::resetDigits(int value)
{
    QList<QPair<int, QChar>> digits;
    const QString text = QString::number(value);
    for (int i = 0; i < text.size(); ++i)
        digits.append({i, text.at(i)});
    return digits;
}

int ResetAnimationView::totalMs(int value)
{
    return fallMs + staggerMs * int(resetDigits(value).size() - 1);
}

QList<ResetAnimationView::DigitPose> ResetAnimationView::poses(int value, qreal elapsedMs)
{
    QList<DigitPose> result;
    for (const auto &[index, digit] : resetDigits(value)) {
        const qreal t = easeIn((elapsedMs - staggerMs * index) / fallMs);
        const qreal direction = index % 2 == 0 ? 1.0 : -1.0;
        result.append({digit, fallDistance * t, direction * tiltDegrees * t, 1.0 - t});
    }
    return result;
}

void ResetAnimationView::setElapsed(qreal ms)
{
    m_elapsed = ms;
    update();
}

QString ResetAnimationView::caption() const
{
    //% "Streak reset. It starts again from zero."
    return qtTrId("friction.reset.caption");
}

QSize ResetAnimationView::sizeHint() const
{
    const QFontMetrics digits(Typography::rounded96Bold());
    const QFontMetrics small(Typography::caption11());
    return {qMax(digits.horizontalAdvance(QString::number(m_value)),
                 small.horizontalAdvance(caption())),
            digits.height() + captionSpacing + small.height()};
}

void ResetAnimationView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    MotionPreset linear;
    linear.durationMs = totalMs(m_value);
    Motion::animate(this, "elapsed", 0.0, qreal(linear.durationMs), linear);
}

bool ResetAnimationView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    else if (event->type() == QEvent::LanguageChange)
        setAccessibleName(caption());
    return QWidget::event(event);
}

void ResetAnimationView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect area = contentsRect();
    const QFontMetrics digitMetrics(Typography::rounded96Bold());
    const QFontMetrics captionMetrics(Typography::caption11());
    const QList<DigitPose> digits = poses(m_value, m_elapsed);

    // Digits share one cell width, so the row does not depend on which digits it holds.
    int cell = 0;
    for (char c = '0'; c <= '9'; ++c)
        cell = qMax(cell, digitMetrics.horizontalAdvance(QChar(c)));
    const int rowWidth = int(digits.size()) * cell + digitSpacing * int(digits.size() - 1);
    const int blockHeight = digitMetrics.height() + captionSpacing + captionMetrics.height();
    const qreal top = area.top() + (area.height() - blockHeight) / 2.0;
    qreal left = area.left() + (area.width() - rowWidth) / 2.0;

    p.setFont(Typography::rounded96Bold());
    p.setPen(Color::destructive().resolve(this));
    for (const DigitPose &pose : digits) {
        const QRectF box(left, top, cell, digitMetrics.height());
        p.save();
        p.setOpacity(qBound(0.0, pose.opacity, 1.0));
        p.translate(box.center() + QPointF(0, pose.offsetY));
        p.rotate(pose.rotationDegrees);
        p.translate(-box.center());
        p.drawText(box, Qt::AlignCenter, QString(pose.digit));
        p.restore();
        left += cell + digitSpacing;
    }

    p.setFont(Typography::caption11());
    p.setPen(Color::inkMuted().resolve(this));
    p.drawText(QRectF(area.left(), top + digitMetrics.height() + captionSpacing, area.width(),
                      captionMetrics.height()),
               Qt::AlignHCenter | Qt::AlignTop, caption());
}

} // namespace halvex
