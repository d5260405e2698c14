#include "ui/WrappingRowLayout.h"

#include <algorithm>

#include <QWidget>

namespace halvex {

WrappingRowLayout::WrappingRowLayout(QWidget *parent)
    : QLayout(parent)
{}

WrappingRowLayout::~WrappingRowLayout()
{
    qDeleteAll(m_items);
}

void WrappingRowLayout::setLineSpacing(int spacing)
{
    m_lineSpacing = spacing;
    invalidate();
}

void WrappingRowLayout::addItem(QLayoutItem *item)
{
    m_items << item;
    invalidate();
}

QLayoutItem *WrappingRowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem *WrappingRowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem *item = m_items.takeAt(index);
    invalidate();
    return item;
}

int WrappingRowLayout::gap() const
{
    // Unset, a plain layout reports the style's spacing, which may be none.
    return std::max(0, spacing());
}

int WrappingRowLayout::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    return arrange(QRect(0, 0, width, 0), false) + m.top() + m.bottom();
}

QSize WrappingRowLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    int shown = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += hint.width() + (shown++ > 0 ? gap() : 0);
        height = std::max(height, hint.height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

QSize WrappingRowLayout::minimumSize() const
{
    int width = 0;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            width = std::max(width, item->sizeHint().width());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), heightForWidth(width + m.left() + m.right())};
}

void WrappingRowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrappingRowLayout::arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    bool lineEmpty = true;
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        if (!lineEmpty && x + gap() + hint.width() > area.right() + 1) {
            x = area.x();
            y += lineHeight + m_lineSpacing;
            lineHeight = 0;
            lineEmpty = true;
        }
        if (!lineEmpty)
            x += gap();
        if (apply)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width();
        lineHeight = std::max(lineHeight, hint.height());
        lineEmpty = false;
    }
    return y + lineHeight - area.y();
}

} // namespace halvex
