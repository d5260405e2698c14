#include "ui/KeyboardFocusRing.h"

#include <QFocusEvent>
#include <QWidget>

namespace halvex {

void KeyboardFocusRing::track(QWidget *widget)
{
    if (!widget->findChild<KeyboardFocusRing *>(QString(), Qt::FindDirectChildrenOnly))
        new KeyboardFocusRing(widget);
}

bool KeyboardFocusRing::shows(const QWidget *widget)
{
    const auto *tracker =
        widget->findChild<KeyboardFocusRing *>(QString(), Qt::FindDirectChildrenOnly);
    return tracker && tracker->m_fromKeyboard && widget->hasFocus();
}

KeyboardFocusRing::KeyboardFocusRing(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

bool KeyboardFocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        m_fromKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason;
    } else if (event->type() == QEvent::FocusOut) {
        m_fromKeyboard = false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvex
