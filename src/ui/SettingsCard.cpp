#include "ui/SettingsCard.h"

#include <QPainter>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/Environment.h"

namespace halvex {

SettingsCard::SettingsCard(qreal verticalPadding, QWidget *content, QWidget *parent)
    : QWidget(parent)
    , m_verticalPadding(verticalPadding)
    , m_content(content)
{
    auto *layout = new QVBoxLayout(this);
    const int v = qRound(verticalPadding);
    layout->setContentsMargins(horizontalPadding, v, horizontalPadding, v);
    layout->setSpacing(0);
    // No alignment: the content gets the full width; one narrower by its
    // own maximum sits at the leading edge.
    layout->addWidget(content);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void SettingsCard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setBrush(Color::surface().resolve(this));
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.drawRoundedRect(shape, cornerRadius, cornerRadius);
}

bool SettingsCard::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
