#include "friction/FrictionLinkButton.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/Motion.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

FrictionLinkButton::FrictionLinkButton(const QString &title, const ThemeColor &tint,
                                       std::optional<bool> trailingChevronExpanded, Action action,
                                       QWidget *parent)
    : FrictionPressStyle(title, std::move(action), Kind::plain, parent)
    , m_tint(tint)
    , m_expanded(trailingChevronExpanded)
    , m_chevronTurn(trailingChevronExpanded.value_or(false) ? 1.0 : 0.0)
{
    setFont(Typography::caption11());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void FrictionLinkButton::setTrailingChevronExpanded(std::optional<bool> expanded)
{
    if (expanded == m_expanded)
        return;
    const bool hadChevron = m_expanded.has_value();
    m_expanded = expanded;
    const qreal target = expanded.value_or(false) ? 1.0 : 0.0;
    if (hadChevron && expanded)
        Motion::animate(this, "chevronTurn", m_chevronTurn, target, Motion::snappySpring());
    else
        setChevronTurn(target);
    updateGeometry();
}

void FrictionLinkButton::setChevronTurn(qreal turn)
{
    m_chevronTurn = turn;
    update();
}

QSize FrictionLinkButton::sizeHint() const
{
    const QFontMetrics fm(font());
    int w = 2 * horizontalPadding + fm.horizontalAdvance(text());
    if (m_expanded)
        w += spacing + chevronSize;
    return {w, 2 * verticalPadding + qMax(fm.height(), chevronSize)};
}

void FrictionLinkButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal hover = qBound(0.0, hoverLook(), 1.0);
    const QRectF body = QRectF(rect());
    if (hover > 0) {
        QPainterPath shape;
        shape.addRoundedRect(body, cornerRadius, cornerRadius);
        p.fillPath(shape, m_tint.withOpacity(hoverFillOpacity * hover).resolve(this));
    }
    QColor ink = m_tint.resolve(this);
    ink.setAlphaF(ink.alphaF() * (restingOpacity + (1.0 - restingOpacity) * hover));

    const QFontMetrics fm(font());
    const int titleWidth = fm.horizontalAdvance(text());
    const int contentWidth = titleWidth + (m_expanded ? spacing + chevronSize : 0);
    const qreal left = (width() - contentWidth) / 2.0;
    p.setFont(font());
    p.setPen(ink);
    p.drawText(QRectF(left, 0, titleWidth + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
    if (m_expanded) {
        const QRectF box(left + titleWidth + spacing, (height() - chevronSize) / 2.0, chevronSize,
                         chevronSize);
        p.save();
        p.translate(box.center());
        p.rotate(180.0 * m_chevronTurn);
        p.translate(-box.center());
        Symbol::paint(p, box, QStringLiteral("chevron.down"), ink);
        p.restore();
    }
}

} // namespace halvex
