#include "friction/FrictionSecondaryButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include "ui/Color.h"
#include "ui/Typography.h"

namespace halvex {

FrictionSecondaryButton::FrictionSecondaryButton(const QString &title, Action action,
                                                 QWidget *parent)
    : FrictionPressStyle(title, std::move(action), Kind::pressStyle, parent)
{
    setFont(Typography::body13Medium());
    // Its height follows its width, where the title wraps.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
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
    int widest = 0;
    for (const QString &word : text().split(u' ', Qt::SkipEmptyParts))
        widest = qMax(widest, fm.horizontalAdvance(word));
    return {qMin(oneLineWidth(), 2 * horizontalPadding + widest), sizeHint().height()};
}

int FrictionSecondaryButton::oneLineWidth() const
{
    return 2 * tightHorizontalPadding + QFontMetrics(font()).horizontalAdvance(text());
}

int FrictionSecondaryButton::heightForWidth(int width) const
{
    const QFontMetrics fm(font());
    const auto lines = qMax<qsizetype>(1, titleLines(width).size());
    return 2 * verticalPadding + fm.height() + int(lines - 1) * fm.lineSpacing();
}

QStringList FrictionSecondaryButton::titleLines(int width) const
{
    if (width >= oneLineWidth())
        return {text()};
    // A word too long for the room breaks where it must: a title is never cut.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextLayout layout(text(), font());
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1, width - 2 * horizontalPadding));
        lines << text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
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
    const QStringList lines = titleLines(width());
    const int block = fm.height() + int(lines.size() - 1) * fm.lineSpacing();
    qreal top = (body.height() - block) / 2.0;
    for (const QString &line : lines) {
        p.drawText(QRectF(0, top, body.width(), fm.height()), Qt::AlignCenter, line);
        top += fm.lineSpacing();
    }
}

} // namespace halvex
