#include "friction/FrictionPrimaryButton.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PrimaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

FrictionPrimaryButton::FrictionPrimaryButton(const QString &title, const QString &systemImage,
                                             Action action, QWidget *parent)
    : FrictionPressStyle(title, std::move(action), Kind::pressStyle, parent)
    , m_systemImage(systemImage)
    , m_shadow(new QGraphicsDropShadowEffect(this))
{
    setFont(Typography::body13Medium());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAnimatesEnabledLook(true);
    m_shadow->setOffset(0, shadowOffsetY);
    setGraphicsEffect(m_shadow);
    looksChanged();
}

qreal FrictionPrimaryButton::currentShadowOpacity() const
{
    const qreal hover = qBound(0.0, hoverLook(), 1.0);
    const qreal enabled = qBound(0.0, enabledLook(), 1.0);
    return enabled * (shadowOpacity + (hoveredShadowOpacity - shadowOpacity) * hover);
}

qreal FrictionPrimaryButton::currentShadowRadius() const
{
    // The radius follows the pointer whether or not the button is enabled.
    return shadowRadius + (hoveredShadowRadius - shadowRadius) * qBound(0.0, hoverLook(), 1.0);
}

void FrictionPrimaryButton::looksChanged()
{
    QColor colour = Color::accent().resolve(this);
    colour.setAlphaF(colour.alphaF() * currentShadowOpacity());
    m_shadow->setColor(colour);
    m_shadow->setBlurRadius(currentShadowRadius());
}

bool FrictionPrimaryButton::event(QEvent *event)
{
    if (Environment::isChange(event))
        looksChanged();
    return FrictionPressStyle::event(event);
}

QSize FrictionPrimaryButton::sizeHint() const
{
    const QFontMetrics fm(font());
    const int w = 2 * horizontalPadding + symbolSize + spacing + fm.horizontalAdvance(text());
    return {w, 2 * verticalPadding + qMax(fm.height(), symbolSize)};
}

QSize FrictionPrimaryButton::minimumSizeHint() const
{
    return {2 * horizontalPadding + symbolSize, sizeHint().height()};
}

void FrictionPrimaryButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyPressScale(p);
    const QRectF body = QRectF(rect());
    QPainterPath shape;
    shape.addRoundedRect(body, cornerRadius, cornerRadius);

    const qreal enabled = qBound(0.0, enabledLook(), 1.0);
    p.fillPath(shape, PrimaryButtonStyle::fill(this, enabled));
    const qreal glow = hoverOverlayOpacity * qBound(0.0, hoverLook(), 1.0) * enabled;
    if (glow > 0)
        p.fillPath(shape, QColor::fromRgbF(1, 1, 1, glow));

    const QFontMetrics fm(font());
    const int room = width() - 2 * horizontalPadding - symbolSize - spacing;
    const QString title = fm.horizontalAdvance(text()) <= room
                              ? text()
                              : fm.elidedText(text(), Qt::ElideRight, qMax(0, room));
    const int contentWidth = symbolSize + spacing + fm.horizontalAdvance(title);
    const qreal left = (width() - contentWidth) / 2.0;
    const QColor ink = PrimaryButtonStyle::title(this, enabled);
    Symbol::paint(p, QRectF(left, (height() - symbolSize) / 2.0, symbolSize, symbolSize),
                  m_systemImage, ink);
    p.setFont(font());
    p.setPen(ink);
    p.drawText(QRectF(left + symbolSize + spacing, 0, width(), height()),
               Qt::AlignVCenter | Qt::AlignLeft, title);
}

} // namespace halvex
