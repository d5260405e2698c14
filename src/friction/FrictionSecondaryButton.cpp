#include "friction/FrictionSecondaryButton.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/Color.h"
#include "ui/Typography.h"

namespace halvex {

FrictionSecondaryButton::FrictionSecondaryButton(const QString &title, Action action,
                                                 QWidget *parent)
    : FrictionPressStyle(title, std::move(action), Kind::pressStyle, parent)
{
    setFont(Typography::body13Medium());
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

QSize FrictionSecondaryButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return {2 * horizontalPadding + fm.horizontalAdvance(text()),
            2 * verticalPadding + fm.height()};
}

QSize FrictionSecondaryButton::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    return {2 * tightHorizontalPadding + fm.horizontalAdvance(text()), sizeHint().height()};
}

void FrictionSecondaryButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyPressScale(p);
    const qreal enabled = qBound(0.0, enabledLook(), 1.0);
    p.setOpacity(disabledOpacity + (1.0 - disabledOpacity) * enabled);

    const QRectF body = QRectF(rect());
    QPainterPath shape;
    shape.addRoundedRect(body, cornerRadius, cornerRadius);
    const qreal hover = qBound(0.0, hoverLook(), 1.0);
    if (hover > 0)
        p.fillPath(shape, Color::ink().withOpacity(hoverFillOpacity * hover).resolve(this));
    // Stroked inside the edge: the line lies wholly within the shape.
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5, cornerRadius - 0.5);

    p.setFont(font());
    p.setPen(Color::ink().resolve(this));
    const QFontMetrics fm(font());
    p.drawText(body, Qt::AlignCenter,
               fm.elidedText(text(), Qt::ElideRight, width() - 2 * tightHorizontalPadding));
}

} // namespace halvex
