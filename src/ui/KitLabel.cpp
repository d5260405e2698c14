#include "ui/KitLabel.h"

#include "ui/Environment.h"

namespace halvex {

KitLabel::KitLabel(const QString &text, const QFont &font, const ThemeColor &color, QWidget *parent)
    : QLabel(text, parent)
    , m_color(color)
{
    setTextFormat(Qt::PlainText);
    setFont(font);
    // Inside a button a label would take the button's text role, and draw
    // in the button's colour instead of this one.
    setForegroundRole(QPalette::WindowText);
    applyColor();
}

void KitLabel::setColor(const ThemeColor &color)
{
    m_color = color;
    applyColor();
}

void KitLabel::applyColor()
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, m_color.resolve(this));
    setPalette(pal);
}

bool KitLabel::event(QEvent *event)
{
    if (Environment::isChange(event))
        applyColor();
    return QLabel::event(event);
}

} // namespace halvex
