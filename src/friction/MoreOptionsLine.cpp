#include "friction/MoreOptionsLine.h"

#include <algorithm>
#include <numeric>

#include <QAbstractAnimation>
#include <QEvent>
#include <QGraphicsOpacityEffect>

#include "friction/FrictionSecondaryButton.h"
#include "ui/Motion.h"

namespace halvex {

MoreOptionsLine::MoreOptionsLine(QWidget *parent)
    : QWidget(parent)
    , m_content(new QWidget(this))
    , m_opacity(new QGraphicsOpacityEffect(m_content))
{
    m_content->setGraphicsEffect(m_opacity);
    // The buttons are placed by hand; a change of theirs (a title, shown or
    // hidden) reaches the content as a layout request.
    m_content->installEventFilter(this);
    // As tall as its wrapped titles need: the height follows the width.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setReveal(0.0);
    hide();
}

void MoreOptionsLine::addButton(FrictionSecondaryButton *button)
{
    button->setParent(m_content);
    button->show();
    m_buttons << button;
    updateGeometry();
    place();
}

QList<FrictionSecondaryButton *> MoreOptionsLine::shownButtons() const
{
    QList<FrictionSecondaryButton *> shown;
    std::copy_if(m_buttons.begin(), m_buttons.end(), std::back_inserter(shown),
                 [](const FrictionSecondaryButton *b) { return !b->isHidden(); });
    return shown;
}

QList<int> MoreOptionsLine::buttonWidths(int width) const
{
    const QList<FrictionSecondaryButton *> buttons = shownButtons();
    QList<int> natural, least, oneLine;
    for (const FrictionSecondaryButton *b : buttons) {
        natural << b->sizeHint().width();
        least << b->minimumSizeHint().width();
        oneLine << b->oneLineWidth();
    }
    const auto count = int(buttons.size());
    const int room = width - spacing * qMax(0, count - 1);
    const auto sum = [](const QList<int> &widths) {
        return std::accumulate(widths.begin(), widths.end(), 0);
    };
    if (count == 0 || sum(natural) <= room)
        return natural;

    // Each gives up the same share of its side padding, while that keeps
    // every title on one line.
    const int squeeze = (sum(natural) - room + count - 1) / count;
    QList<int> widths;
    for (int i = 0; i < count; ++i)
        widths << natural[i] - squeeze;
    bool oneLineEach = true;
    for (int i = 0; i < count; ++i)
        oneLineEach = oneLineEach && widths[i] >= oneLine[i];
    if (oneLineEach)
        return widths;

    // Then the widest wrap, at full padding, down to a common width: the
    // largest that the room allows, no button under its longest word.
    const auto clamped = [&](int cap) {
        QList<int> capped;
        for (int i = 0; i < count; ++i)
            capped << qBound(least[i], cap, natural[i]);
        return capped;
    };
    if (sum(least) <= room) {
        int low = 0, high = *std::max_element(natural.begin(), natural.end());
        while (low < high) {
            const int cap = (low + high + 1) / 2;
            if (sum(clamped(cap)) <= room)
                low = cap;
            else
                high = cap - 1;
        }
        return clamped(low);
    }
    // Not even the longest words fit side by side: the room is shared by
    // them, and the buttons break their words where they must.
    widths.clear();
    for (int i = 0; i < count; ++i)
        widths << qMax(1, int(qint64(room) * least[i] / sum(least)));
    return widths;
}

int MoreOptionsLine::heightForWidth(int width) const
{
    const QList<FrictionSecondaryButton *> buttons = shownButtons();
    const QList<int> widths = buttonWidths(width);
    int height = 0;
    for (int i = 0; i < buttons.size(); ++i)
        height = qMax(height, buttons[i]->heightForWidth(widths[i]));
    return height;
}

QSize MoreOptionsLine::sizeHint() const
{
    const QList<int> widths = buttonWidths(QWIDGETSIZE_MAX);
    const int width = std::accumulate(widths.begin(), widths.end(), 0) +
                      spacing * qMax<int>(0, int(widths.size()) - 1);
    return {width, heightForWidth(width)};
}

QSize MoreOptionsLine::minimumSizeHint() const
{
    int width = 0;
    const QList<FrictionSecondaryButton *> buttons = shownButtons();
    for (const FrictionSecondaryButton *b : buttons)
        width += b->minimumSizeHint().width();
    width += spacing * qMax<int>(0, int(buttons.size()) - 1);
    return {width, sizeHint().height()};
}

void MoreOptionsLine::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown)
        setVisible(true);
    QAbstractAnimation *animation =
        Motion::animate(this, "reveal", m_reveal, shown ? 1.0 : 0.0, Motion::snappySpring());
    if (!animation) {
        setVisible(m_shown);
        return;
    }
    connect(animation, &QAbstractAnimation::finished, this, [this] {
        if (!m_shown)
            hide();
    });
}

void MoreOptionsLine::setReveal(qreal reveal)
{
    m_reveal = reveal;
    m_opacity->setOpacity(qBound(0.0, reveal, 1.0));
    place();
}

void MoreOptionsLine::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    place();
}

bool MoreOptionsLine::event(QEvent *event)
{
    // Titles may have changed while the line was hidden.
    if (event->type() == QEvent::Show)
        place();
    return QWidget::event(event);
}

bool MoreOptionsLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        place();
    }
    return QWidget::eventFilter(watched, event);
}

void MoreOptionsLine::place()
{
    const QList<FrictionSecondaryButton *> buttons = shownButtons();
    const QList<int> widths = buttonWidths(width());
    const int height = heightForWidth(width());
    int x = 0;
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(x, 0, widths[i], height);
        x += widths[i] + spacing;
    }
    const int contentWidth = qMax(0, x - spacing);
    const int y = qRound(-(1.0 - m_reveal) * height);
    m_content->setGeometry((width() - contentWidth) / 2, y, contentWidth, height);
}

} // namespace halvex
