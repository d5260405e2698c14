#include "ui/ToggleSwitch.h"

#include <QFocusEvent>
#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"

namespace halvex {

ToggleSwitch::ToggleSwitch(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    HoverPointingHandCursor::apply(this);
}

void ToggleSwitch::setKnobPosition(qreal position)
{
    m_knobPosition = position;
    update();
}

// The knob slides when the user flips the switch and jumps when code sets it;
// Qt calls only the first of these on a click and only the second otherwise.
void ToggleSwitch::nextCheckState()
{
    QAbstractButton::nextCheckState();
    moveKnob(true);
}

void ToggleSwitch::checkStateSet()
{
    QAbstractButton::checkStateSet();
    moveKnob(false);
}

void ToggleSwitch::moveKnob(bool animated)
{
    const qreal target = isChecked() ? 1.0 : 0.0;
    if (animated)
        Motion::animate(this, "knobPosition", m_knobPosition, target, Motion::snappySpring());
    else
        Motion::animate(this, "knobPosition", target, target, MotionPreset{});
}

void ToggleSwitch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        p.setOpacity(0.5);
    const QRectF track =
        QRectF(0, 0, trackWidth, trackHeight)
            .translated((width() - trackWidth) / 2.0, (height() - trackHeight) / 2.0);
    const qreal pos = qBound(0.0, m_knobPosition, 1.0);
    // The track blends from a grey that stands out from any card or window
    // behind it to the accent as the knob travels.
    const QColor off = Color::inkSubtle().resolve(this);
    const QColor on = Color::accent().resolve(this);
    const QColor fill = QColor::fromRgbF(off.redF() + (on.redF() - off.redF()) * pos,
                                         off.greenF() + (on.greenF() - off.greenF()) * pos,
                                         off.blueF() + (on.blueF() - off.blueF()) * pos);
    const qreal radius = trackHeight / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(track, radius, radius);

    const qreal inset = 2.0;
    const qreal knob = trackHeight - 2 * inset;
    const qreal travel = trackWidth - 2 * inset - knob;
    const QRectF knobRect(track.left() + inset + travel * m_knobPosition, track.top() + inset, knob,
                          knob);
    p.setBrush(QColor(255, 255, 255));
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    p.drawEllipse(knobRect);

    if (hasFocus() && m_keyboardFocus) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(on, 2.0));
        p.drawRoundedRect(track.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    }
}

void ToggleSwitch::focusInEvent(QFocusEvent *event)
{
    // A ring only for focus moved by the keyboard.
    m_keyboardFocus =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

bool ToggleSwitch::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QAbstractButton::event(event);
}

} // namespace halvex
