#include "ui/DestructiveButton.h"

#include <QPainter>

#include "ui/ActivityIndicator.h"
#include "ui/Color.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr int wrapFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

DestructiveButton::DestructiveButton(Options options, QWidget *parent)
    : ButtonBase(options.title, std::move(options.action), parent)
{
    setFont(Typography::body13Medium());
    enableLoading(Color::destructive());
    setFullWidth(options.fullWidth);
    setLoadingState(options.isLoading);
    finishSetup(options.isEnabled);
}

qreal DestructiveButton::indicatorOpacity() const
{
    return disabledOpacity + (1.0 - disabledOpacity) * qBound(0.0, enabledLook(), 1.0);
}

int DestructiveButton::contentHeightForWidth(int width) const
{
    if (isLoading())
        return ActivityIndicator::smallSize;
    const QFontMetrics fm(font());
    const int room = qMax(1, width - qRound(2 * horizontalPadding));
    const int wrapped = fm.boundingRect(QRect(0, 0, room, 100000), wrapFlags, text()).height();
    // One line is as tall as the other buttons' titles; each further one adds a line's spacing.
    const int lines = qMax(1, qRound(qreal(wrapped) / fm.lineSpacing()));
    return fm.height() + (lines - 1) * fm.lineSpacing();
}

QSize DestructiveButton::sizeHint() const
{
    const QFontMetrics fm(font());
    // Measured as the wrapping measures it, so the title fits on one line.
    const int content =
        isLoading() ? ActivityIndicator::smallSize
                    : fm.boundingRect(QRect(0, 0, 100000, 100000), wrapFlags, text()).width();
    const int w = content + qRound(2 * horizontalPadding);
    return {w, heightForWidth(w)};
}

QSize DestructiveButton::minimumSizeHint() const
{
    // The longest word must fit; the rest wraps.
    const QFontMetrics fm(font());
    int widest = isLoading() ? ActivityIndicator::smallSize : 0;
    if (!isLoading()) {
        const auto words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &word : words)
            widest = qMax(widest, fm.horizontalAdvance(word));
    }
    // Height for one line: layouts ask heightForWidth for the real one.
    return {widest + qRound(2 * horizontalPadding), sizeHint().height()};
}

int DestructiveButton::heightForWidth(int width) const
{
    return contentHeightForWidth(width) + qRound(2 * verticalPadding());
}

void DestructiveButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal look = qBound(0.0, enabledLook(), 1.0);
    p.setOpacity(disabledOpacity + (1.0 - disabledOpacity) * look);

    const QColor destructive = Color::destructive().resolve(this);
    p.setPen(QPen(destructive, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);

    if (!isLoading()) {
        const QRectF content = QRectF(rect()).adjusted(horizontalPadding, 0, -horizontalPadding, 0);
        p.setFont(font());
        p.drawText(content, wrapFlags, text());
    }
    paintFocusRing(p, QRectF(rect()), cornerRadius, Color::accent().resolve(this));
}

} // namespace halvex
