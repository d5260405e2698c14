#include "editor/SelectionLook.h"

#include <QPainter>
#include <QWidget>

#include "ui/Color.h"
#include "ui/KeyboardFocusRing.h"
#include "ui/Motion.h"

namespace halvex {

SelectionLook::SelectionLook(QWidget *owner, bool selected)
    : QObject(owner)
    , m_owner(owner)
    , m_selected(selected)
    , m_value(selected ? 1.0 : 0.0)
{}

void SelectionLook::setSelected(bool selected, bool animated)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    const qreal target = selected ? 1.0 : 0.0;
    Motion::animate(this, "value", animated ? m_value : target, target,
                    animated ? Motion::snappySpring() : MotionPreset{});
}

void SelectionLook::setValue(qreal value)
{
    m_value = value;
    m_owner->update();
}

void SelectionLook::strokeOutline(QPainter &p, const QWidget *owner, qreal look, qreal cornerRadius)
{
    const qreal t = qBound(0.0, look, 1.0);
    const qreal width = 1.0 + t;
    p.setPen(
        QPen(Color::mix(Color::divider().resolve(owner), Color::ink().resolve(owner), t), width));
    p.setBrush(Qt::NoBrush);
    const qreal inset = width / 2;
    p.drawRoundedRect(QRectF(owner->rect()).adjusted(inset, inset, -inset, -inset), cornerRadius,
                      cornerRadius);
}

void SelectionLook::paintFocusRing(QPainter &p, const QWidget *owner, qreal cornerRadius)
{
    if (!KeyboardFocusRing::shows(owner))
        return;
    p.setPen(QPen(Color::accent().resolve(owner), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(owner->rect()).adjusted(3, 3, -3, -3), cornerRadius - 2,
                      cornerRadius - 2);
}

} // namespace halvex
