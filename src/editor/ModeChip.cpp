#include "editor/ModeChip.h"

#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

const QFont &chipFont()
{
    static const QFont font = systemFont(11, FontWeight::medium);
    return font;
}

} // namespace

QString modeTitle(StrictnessMode mode)
{
    switch (mode) {
    case StrictnessMode::gentle:
        //% "Gentle"
        return qtTrId("streakEditor.mode.gentle");
    case StrictnessMode::firm:
        //% "Firm"
        return qtTrId("streakEditor.mode.firm");
    case StrictnessMode::brutal:
        //% "Brutal"
        return qtTrId("streakEditor.mode.brutal");
    }
    return {};
}

QString modeDisplayName(StrictnessMode mode)
{
    const QString title = modeTitle(mode);
    if (!title.startsWith(u"streakEditor.mode."))
        return title;
    // A table without the name: the English one, never the bare key.
    switch (mode) {
    case StrictnessMode::gentle:
        return QStringLiteral("Gentle");
    case StrictnessMode::firm:
        return QStringLiteral("Firm");
    case StrictnessMode::brutal:
        return QStringLiteral("Brutal");
    }
    return {};
}

QString modeDescription(StrictnessMode mode)
{
    switch (mode) {
    case StrictnessMode::gentle:
        //% "A calm pause. You can open it right away."
        return qtTrId("onboarding.mode.gentle.description");
    case StrictnessMode::firm:
        //% "A short countdown before you can open it."
        return qtTrId("onboarding.mode.firm.description");
    case StrictnessMode::brutal:
        //% "A countdown, then a written reason before you can open it."
        return qtTrId("onboarding.mode.brutal.description");
    }
    return {};
}

QString modeSymbolName(StrictnessMode mode)
{
    switch (mode) {
    case StrictnessMode::gentle:
        return QStringLiteral("circle.dotted");
    case StrictnessMode::firm:
        return QStringLiteral("circle");
    case StrictnessMode::brutal:
        return QStringLiteral("circle.fill");
    }
    return {};
}

ModeChip::ModeChip(StrictnessMode mode, qreal glyphSize, QWidget *parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_glyphSize(glyphSize)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text());
}

void ModeChip::setMode(StrictnessMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    setAccessibleName(text());
    updateGeometry();
    update();
}

QSize ModeChip::sizeHint() const
{
    const QFontMetrics fm(chipFont());
    const int glyph = qCeil(m_glyphSize);
    return {2 * horizontalPadding + glyph + spacing + fm.horizontalAdvance(text()),
            2 * verticalPadding + qMax(glyph, fm.height())};
}

void ModeChip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(rect());
    p.setPen(Qt::NoPen);
    p.setBrush(Color::surface().resolve(this));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);

    const QColor ink = Color::ink().resolve(this);
    const qreal glyph = m_glyphSize;
    Symbol::paint(p, QRectF(horizontalPadding, (height() - glyph) / 2.0, glyph, glyph),
                  modeSymbolName(m_mode), ink);
    p.setFont(chipFont());
    p.setPen(ink);
    const qreal x = horizontalPadding + qCeil(glyph) + spacing;
    p.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}

bool ModeChip::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(text());
        updateGeometry();
        update();
    } else if (Environment::isChange(event)) {
        update();
    }
    return QWidget::event(event);
}

} // namespace halvex
