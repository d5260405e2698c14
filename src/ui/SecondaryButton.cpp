#include "ui/SecondaryButton.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/Color.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// The system's caption size, in which the trailing symbol is drawn.
constexpr int captionPixelSize = 10;

} // namespace

SecondaryButton::SecondaryButton(Options options, QWidget *parent)
    : ButtonBase(options.title, std::move(options.action), parent)
    , m_trailingSymbol(std::move(options.trailingSymbol))
    , m_compact(options.compact)
{
    setFont(Typography::body13Medium());
    setFullWidth(options.fullWidth);
    finishSetup(options.isEnabled);
}

void SecondaryButton::setTrailingSymbol(const std::optional<QString> &symbol)
{
    m_trailingSymbol = symbol;
    updateGeometry();
    update();
}

void SecondaryButton::setCompact(bool compact)
{
    if (compact == m_compact)
        return;
    m_compact = compact;
    updateGeometry();
    update();
}

int SecondaryButton::symbolSize() const
{
    return Symbol::sizeForFont(captionPixelSize);
}

QSize SecondaryButton::sizeHint() const
{
    const QFontMetrics fm(font());
    int content = fm.horizontalAdvance(text());
    if (m_trailingSymbol)
        content += symbolSpacing + symbolSize();
    const int w = content + qRound(2 * horizontalPadding());
    const int h = m_compact ? qRound(compactHeight) : fm.height() + qRound(2 * verticalPadding());
    return {w, h};
}

QSize SecondaryButton::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    int least = qRound(2 * horizontalPadding()) + fm.horizontalAdvance(QChar(0x2026));
    if (m_trailingSymbol)
        least += symbolSpacing + symbolSize();
    const QSize hint = sizeHint();
    return {qMin(hint.width(), least), hint.height()};
}

bool SecondaryButton::hitButton(const QPoint &pos) const
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    return shape.contains(QPointF(pos));
}

void SecondaryButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal look = qBound(0.0, enabledLook(), 1.0);
    p.setOpacity(disabledOpacity + (1.0 - disabledOpacity) * look);

    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outline, cornerRadius, cornerRadius);

    const QFontMetrics fm(font());
    const int symbolRoom = m_trailingSymbol ? symbolSpacing + symbolSize() : 0;
    const int room = qMax(0, width() - qRound(2 * horizontalPadding()) - symbolRoom);
    const QString title = fitted(text(), room);
    const int titleWidth = fm.horizontalAdvance(title);
    const int contentWidth = titleWidth + symbolRoom;
    const qreal left = (width() - contentWidth) / 2.0;
    const QColor ink = Color::ink().resolve(this);

    p.setFont(font());
    p.setPen(ink);
    p.drawText(QRectF(left, 0, titleWidth, height()), Qt::AlignVCenter | Qt::AlignLeft, title);
    if (m_trailingSymbol) {
        const QRectF box(left + titleWidth + symbolSpacing, (height() - symbolSize()) / 2.0,
                         symbolSize(), symbolSize());
        Symbol::paint(p, box, *m_trailingSymbol, ink);
    }
    paintFocusRing(p, QRectF(rect()), cornerRadius, Color::accent().resolve(this));
}

} // namespace halvex
