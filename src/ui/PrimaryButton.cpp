#include "ui/PrimaryButton.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/ActivityIndicator.h"
#include "ui/Color.h"
#include "ui/Typography.h"

namespace halvex {

QSize PrimaryButtonStyle::sizeFor(const QSize &content, qreal verticalPadding) const
{
    const int w = content.width() + qRound(2 * horizontalPadding());
    const int h = compact ? qRound(compactHeight) : content.height() + qRound(2 * verticalPadding);
    return {w, h};
}

ThemeColor PrimaryButtonStyle::disabledFill()
{
    return Color::ink().withOpacity(disabledFillOpacity);
}

ThemeColor PrimaryButtonStyle::disabledTitle()
{
    return {Color::ink().withOpacity(disabledTitleOpacityLight).light(),
            Color::ink().withOpacity(disabledTitleOpacityDark).dark()};
}

QColor PrimaryButtonStyle::fill(const QWidget *widget, qreal enabledLook)
{
    return Color::mix(disabledFill().resolve(widget), Color::accent().resolve(widget), enabledLook);
}

QColor PrimaryButtonStyle::title(const QWidget *widget, qreal enabledLook)
{
    return Color::mix(disabledTitle().resolve(widget), Color::onAccent().resolve(widget),
                      enabledLook);
}

void PrimaryButtonStyle::paintBody(QPainter &painter, const QRectF &rect, const QColor &fill,
                                   bool pressed) const
{
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);
    painter.setOpacity(pressed ? pressedOpacity : 1.0);
    painter.setClipPath(shape);
    painter.fillPath(shape, fill);
}

PrimaryButton::PrimaryButton(Options options, QWidget *parent)
    : ButtonBase(options.title, std::move(options.action), parent)
{
    m_style.compact = options.compact;
    setFont(Typography::body13Medium());
    // Loading always has the disabled look.
    enableLoading(PrimaryButtonStyle::disabledTitle());
    setFullWidth(options.fullWidth);
    setLoadingState(options.isLoading);
    finishSetup(options.isEnabled);
}

void PrimaryButton::setCompact(bool compact)
{
    if (compact == m_style.compact)
        return;
    m_style.compact = compact;
    updateGeometry();
    update();
}

QSize PrimaryButton::sizeHint() const
{
    const QFontMetrics fm(font());
    const QSize content = isLoading()
                              ? QSize(ActivityIndicator::smallSize, ActivityIndicator::smallSize)
                              : QSize(fm.horizontalAdvance(text()), fm.height());
    return m_style.sizeFor(content, verticalPadding());
}

QSize PrimaryButton::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    const QSize hint = sizeHint();
    return {qMin(hint.width(),
                 qRound(2 * m_style.horizontalPadding()) + fm.horizontalAdvance(QChar(0x2026))),
            hint.height()};
}

void PrimaryButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect());
    m_style.paintBody(p, body, PrimaryButtonStyle::fill(this, enabledLook()), isDown());
    if (!isLoading()) {
        const int room = width() - qRound(2 * m_style.horizontalPadding());
        p.setFont(font());
        p.setPen(PrimaryButtonStyle::title(this, enabledLook()));
        p.drawText(body, Qt::AlignCenter, fitted(text(), room));
    }
    p.setClipping(false);
    paintFocusRing(p, body, PrimaryButtonStyle::cornerRadius, Color::onAccent().resolve(this));
}

} // namespace halvex
