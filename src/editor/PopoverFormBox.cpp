#include "editor/PopoverFormBox.h"

#include <QPainter>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

PopoverFormBox::PopoverFormBox(QWidget *content, QWidget *parent)
    : QWidget(parent)
    , m_content(content)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(horizontalPadding, verticalPadding, horizontalPadding,
                               verticalPadding);
    layout->addWidget(content);
}

void PopoverFormBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Color::surface().resolve(this));
    p.drawRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
}

bool PopoverFormBox::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
