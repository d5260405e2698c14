#include "editor/SheetFooter.h"

#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

SheetFooter::SheetFooter(QWidget *parent)
    : QWidget(parent)
{}

void SheetFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Color::background().resolve(this));
    p.fillRect(QRect(0, 0, width(), 1), Color::divider().resolve(this));
}

bool SheetFooter::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
