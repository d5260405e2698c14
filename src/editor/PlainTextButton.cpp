#include "editor/PlainTextButton.h"

#include <QPainter>

#include "ui/KeyboardFocusRing.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PointingHandCursor.h"
#include "ui/Symbol.h"

namespace halvex {

PlainTextButton::PlainTextButton(Options options, QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(std::move(options.symbol))
    , m_symbolSize(options.symbolSize)
    , m_color(options.color)
    , m_verticalPadding(options.verticalPadding)
    , m_spacing(options.spacing)
{
    setText(options.text);
    setFont(options.font);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
    HoverPointingHandCursor::apply(this);
    KeyboardFocusRing::track(this);
}

QSize PlainTextButton::sizeHint() const
{
    const QFontMetrics fm(font());
    int w = fm.horizontalAdvance(text());
    int h = fm.height();
    if (m_symbol) {
        w += m_symbolSize + m_spacing;
        h = qMax(h, m_symbolSize);
    }
    return {w, h + 2 * m_verticalPadding};
}

void PlainTextButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(!isEnabled() ? 0.4 : isDown() ? 0.6 : 1.0);
    const QColor color = m_color.resolve(this);
    qreal x = 0;
    if (m_symbol) {
        Symbol::paint(p, QRectF(0, (height() - m_symbolSize) / 2.0, m_symbolSize, m_symbolSize),
                      *m_symbol, color);
        x = m_symbolSize + m_spacing;
    }
    p.setFont(font());
    p.setPen(color);
    p.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
    if (KeyboardFocusRing::shows(this)) {
        p.setOpacity(1.0);
        p.setPen(QPen(Color::accent().resolve(this), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
}

bool PlainTextButton::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    return QAbstractButton::event(event);
}

} // namespace halvex
