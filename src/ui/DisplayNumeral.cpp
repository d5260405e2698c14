#include "ui/DisplayNumeral.h"

#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/Typography.h"

namespace halvex {

DisplayNumeral::DisplayNumeral(int value, Size size, QWidget *parent)
    : QWidget(parent)
    , m_value(value)
    , m_previous(value)
    , m_size(size)
{
    setFont(size == Size::large ? Typography::rounded96Bold() : Typography::rounded48Bold());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(QString::number(value));
}

void DisplayNumeral::setValue(int value)
{
    if (value == m_value)
        return;
    m_previous = m_value;
    m_value = value;
    setAccessibleName(QString::number(value));
    if (textFor(m_previous).size() != textFor(m_value).size())
        updateGeometry();
    Motion::animate(this, "transition", 0.0, 1.0, Motion::gentleSpring());
    update();
}

void DisplayNumeral::setSize(Size size)
{
    if (size == m_size)
        return;
    m_size = size;
    setFont(size == Size::large ? Typography::rounded96Bold() : Typography::rounded48Bold());
    updateGeometry();
    update();
}

void DisplayNumeral::setTransition(qreal transition)
{
    m_transition = transition;
    update();
}

QString DisplayNumeral::textFor(int value) const
{
    QLocale loc = locale();
    loc.setNumberOptions(loc.numberOptions() | QLocale::OmitGroupSeparator);
    return loc.toString(value);
}

int DisplayNumeral::cellWidth() const
{
    const QFontMetrics fm(font());
    const QString digits = locale().toString(1234567890).remove(locale().groupSeparator());
    int widest = 0;
    for (const QChar c : digits)
        widest = qMax(widest, fm.horizontalAdvance(c));
    return widest;
}

qreal DisplayNumeral::widthOf(const QString &text) const
{
    const QFontMetrics fm(font());
    qreal w = 0;
    for (const QChar c : text)
        w += c.isDigit() ? cellWidth() : fm.horizontalAdvance(c);
    return w;
}

QSize DisplayNumeral::sizeHint() const
{
    const QFontMetrics fm(font());
    return {qCeil(widthOf(text())), fm.height()};
}

void DisplayNumeral::drawGlyphs(QPainter &p, const QString &text,
                                const std::function<bool(int)> &include, qreal dy) const
{
    const QFontMetrics fm(font());
    const int cell = cellWidth();
    qreal x = (width() - widthOf(text)) / 2.0;
    const qreal baseline = (height() - fm.height()) / 2.0 + fm.ascent() + dy;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const qreal w = c.isDigit() ? cell : fm.horizontalAdvance(c);
        if (include(i))
            p.drawText(QPointF(x + (w - fm.horizontalAdvance(c)) / 2.0, baseline), QString(c));
        x += w;
    }
}

void DisplayNumeral::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    const QColor ink = Color::ink().resolve(this);
    const QString now = text();
    const auto all = [](int) { return true; };
    const qreal t = m_transition;
    if (t >= 1.0 || m_previous == m_value) {
        p.setPen(ink);
        drawGlyphs(p, now, all, 0.0);
        return;
    }
    // Rolling: counting up, changed digits leave upwards and their successors
    // come from below; counting down, the other way round. Digits that stay
    // the same stay put.
    const QString before = textFor(m_previous);
    const bool sameLength = before.size() == now.size();
    const auto changed = [&](int i) { return !sameLength || before.at(i) != now.at(i); };
    const auto unchanged = [&](int i) { return !changed(i); };
    const qreal travel = height() * 0.6 * (m_value > m_previous ? 1.0 : -1.0);
    const qreal shown = qBound(0.0, t, 1.0);

    QColor leaving = ink;
    leaving.setAlphaF(ink.alphaF() * (1.0 - shown));
    p.setPen(leaving);
    drawGlyphs(p, before, changed, -travel * t);

    QColor arriving = ink;
    arriving.setAlphaF(ink.alphaF() * shown);
    p.setPen(arriving);
    drawGlyphs(p, now, changed, travel * (1.0 - t));

    p.setPen(ink);
    drawGlyphs(p, now, unchanged, 0.0);
}

bool DisplayNumeral::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    else if (event->type() == QEvent::LocaleChange)
        updateGeometry();
    return QWidget::event(event);
}

} // namespace halvex
