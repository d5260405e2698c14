#include "editor/DividerLine.h"

#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

DividerLine::DividerLine(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("divider"));
    setFixedHeight(1);
}

void DividerLine::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::divider().resolve(this));
}

bool DividerLine::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
