#include "ui/PointingHandCursor.h"

#include <QEvent>
#include <QWidget>

namespace halvex {

void PointingHandCursor::setActive(QWidget *widget, bool active)
{
    if (active == isActive(widget))
        return;
    if (active)
        widget->setCursor(Qt::PointingHandCursor);
    else
        widget->unsetCursor();
}

bool PointingHandCursor::isActive(const QWidget *widget)
{
    return widget->testAttribute(Qt::WA_SetCursor) &&
           widget->cursor().shape() == Qt::PointingHandCursor;
}

void HoverPointingHandCursor::apply(QWidget *widget)
{
    if (widget->findChild<HoverPointingHandCursor *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    new HoverPointingHandCursor(widget);
}

HoverPointingHandCursor::HoverPointingHandCursor(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
    PointingHandCursor::setActive(widget, widget->isEnabled());
}

bool HoverPointingHandCursor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        auto *widget = static_cast<QWidget *>(watched);
        PointingHandCursor::setActive(widget, widget->isEnabled());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvex
