#include "ui/SymbolButton.h"

#include <QPainter>

#include "ui/KeyboardFocusRing.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PointingHandCursor.h"
#include "ui/Symbol.h"

namespace halvex {

SymbolButton::SymbolButton(const QString &symbol, int symbolSize, int frame,
                           const ThemeColor &color, QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
    , m_symbolSize(symbolSize)
    , m_frame(frame)
    , m_color(color)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
    HoverPointingHandCursor::apply(this);
    KeyboardFocusRing::track(this);
}

void SymbolButton::setHoverColor(const std::optional<ThemeColor> &color)
{
    m_hoverColor = color;
    update();
}

const ThemeColor &SymbolButton::currentColor() const
{
    return m_hovering && m_hoverColor ? *m_hoverColor : m_color;
}

void SymbolButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box((width() - m_symbolSize) / 2.0, (height() - m_symbolSize) / 2.0, m_symbolSize,
                     m_symbolSize);
    p.setOpacity(isDown() ? 0.6 : 1.0);
    Symbol::paint(p, box, m_symbol, currentColor().resolve(this));
    if (KeyboardFocusRing::shows(this)) {
        p.setOpacity(1.0);
        p.setPen(QPen(Color::accent().resolve(this), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
}

void SymbolButton::enterEvent(QEnterEvent *event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SymbolButton::leaveEvent(QEvent *event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

bool SymbolButton::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QAbstractButton::event(event);
}

} // namespace halvex
