#include "editor/SelectionLook.h"

#include <QWidget>

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

QColor SelectionLook::mix(const QColor &from, const QColor &to, qreal amount)
{
    // The spring overshoots a little; colours stay within their ends.
    const qreal t = qBound(0.0, amount, 1.0);
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t,
                            from.alphaF() + (to.alphaF() - from.alphaF()) * t);
}

} // namespace halvex
