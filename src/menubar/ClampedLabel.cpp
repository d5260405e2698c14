#include "menubar/ClampedLabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include "ui/Environment.h"

namespace halvex {

ClampedLabel::ClampedLabel(const QString &text, const QFont &font, const ThemeColor &color,
                           int maximumLines, Qt::TextElideMode elide, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
    , m_color(color)
    , m_maximumLines(qMax(1, maximumLines))
    , m_elide(elide)
{
    setFont(font);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(text);
}

void ClampedLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void ClampedLabel::setMaximumLines(int maximumLines)
{
    maximumLines = qMax(1, maximumLines);
    if (maximumLines == m_maximumLines)
        return;
    m_maximumLines = maximumLines;
    updateGeometry();
    update();
}

void ClampedLabel::setColor(const ThemeColor &color)
{
    m_color = color;
    update();
}

QStringList ClampedLabel::lines(int width) const
{
    const QFontMetrics fm(font());
    if (m_text.isEmpty() || width <= 0)
        return {};
    if (m_maximumLines == 1 || m_elide != Qt::ElideRight)
        return {fm.elidedText(m_text, m_elide, width)};

    QTextLayout layout(m_text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList out;
    layout.beginLayout();
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (out.size() == m_maximumLines - 1) {
            // The last line allowed takes the rest, cut when it runs on.
            out << fm.elidedText(m_text.mid(line.textStart()).trimmed(), Qt::ElideRight, width);
            break;
        }
        out << m_text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return out;
}

bool ClampedLabel::isTruncated() const
{
    // Line breaks only drop spaces: anything else missing was cut.
    auto letters = [](QString text) {
        text.remove(QRegularExpression(QStringLiteral("\\s")));
        return text;
    };
    return letters(shownLines().join(QString())) != letters(m_text);
}

int ClampedLabel::heightForWidth(int width) const
{
    const QFontMetrics fm(font());
    const int count = qMax<qsizetype>(1, lines(width).size());
    return count * fm.height() + (count - 1) * fm.leading();
}

QSize ClampedLabel::sizeHint() const
{
    const QFontMetrics fm(font());
    // The whole text on one line, as far as the lines allowed reach.
    const int natural = fm.horizontalAdvance(m_text) + 1;
    return {natural, heightForWidth(natural)};
}

QSize ClampedLabel::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    // Room for an ellipsis and a letter or two: the text gives way first.
    return {fm.horizontalAdvance(QStringLiteral("W…")), fm.height()};
}

void ClampedLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(m_color.resolve(this));
    const QFontMetrics fm(font());
    int y = 0;
    for (const QString &line : shownLines()) {
        p.drawText(QRect(0, y, width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += fm.height() + fm.leading();
    }
}

bool ClampedLabel::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    else if (event->type() == QEvent::FontChange)
        updateGeometry();
    return QWidget::event(event);
}

} // namespace halvex
