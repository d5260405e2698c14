#include "friction/FrictionPressStyle.h"

#include <QEvent>
#include <QPainter>

#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"

namespace halvex {

FrictionPressStyle::FrictionPressStyle(const QString &title, Action action, Kind kind,
                                       QWidget *parent)
    : QAbstractButton(parent)
    , m_action(std::move(action))
    , m_kind(kind)
{
    setText(title);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    HoverPointingHandCursor::apply(this);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isEnabled() && m_action)
            m_action();
    });
    if (m_kind == Kind::pressStyle) {
        connect(this, &QAbstractButton::pressed, this, [this] {
            Motion::animate(this, "pressScale", m_pressScale, pressedScale, Motion::snappySpring());
        });
        connect(this, &QAbstractButton::released, this, [this] {
            Motion::animate(this, "pressScale", m_pressScale, 1.0, Motion::snappySpring());
        });
    }
}

void FrictionPressStyle::setHoverLook(qreal look)
{
    m_hoverLook = look;
    looksChanged();
    update();
}

void FrictionPressStyle::setEnabledLook(qreal look)
{
    m_enabledLook = look;
    looksChanged();
    update();
}

void FrictionPressStyle::setPressScale(qreal scale)
{
    m_pressScale = scale;
    looksChanged();
    update();
}

void FrictionPressStyle::applyPressScale(QPainter &painter) const
{
    if (qFuzzyCompare(m_pressScale, 1.0))
        return;
    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre);
    painter.scale(m_pressScale, m_pressScale);
    painter.translate(-centre);
}

void FrictionPressStyle::setHovering(bool hovering)
{
    if (hovering == m_hovering)
        return;
    m_hovering = hovering;
    Motion::animate(this, "hoverLook", m_hoverLook, hovering ? 1.0 : 0.0, Motion::snappySpring());
}

bool FrictionPressStyle::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Polish:
        // Built inside a disabled row, a button starts with the disabled look.
        Motion::animate(this, "enabledLook", isEnabled() ? 1.0 : 0.0, isEnabled() ? 1.0 : 0.0,
                        MotionPreset{});
        break;
    case QEvent::Enter:
    case QEvent::HoverEnter:
        setHovering(true);
        break;
    case QEvent::Leave:
    case QEvent::HoverLeave:
        setHovering(false);
        break;
    default:
        if (Environment::isChange(event)) {
            updateGeometry();
            update();
        }
        break;
    }
    return QAbstractButton::event(event);
}

void FrictionPressStyle::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        const qreal target = isEnabled() ? 1.0 : 0.0;
        if (m_animatesEnabledLook)
            Motion::animate(this, "enabledLook", m_enabledLook, target, Motion::snappySpring());
        else
            Motion::animate(this, "enabledLook", target, target, MotionPreset{});
    }
    QAbstractButton::changeEvent(event);
}

} // namespace halvex
