#include "editor/SegmentedControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/KeyboardFocusRing.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PointingHandCursor.h"
#include "ui/Typography.h"

namespace halvex {

SegmentedControl::SegmentedControl(const QStringList &titles, QWidget *parent)
    : QWidget(parent)
    , m_titles(titles)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setFont(Typography::body13());
    HoverPointingHandCursor::apply(this);
    KeyboardFocusRing::track(this);
}

void SegmentedControl::setTitles(const QStringList &titles)
{
    m_titles = titles;
    if (m_selected >= m_titles.size())
        m_selected = -1;
    updateGeometry();
    update();
}

void SegmentedControl::setSelectedIndex(int index)
{
    const int valid = index >= 0 && index < m_titles.size() ? index : -1;
    if (valid == m_selected)
        return;
    m_selected = valid;
    update();
}

QRect SegmentedControl::segmentRect(int index) const
{
    if (index < 0 || index >= m_titles.size())
        return {};
    const int inner = width() - 2 * inset;
    const int left = inset + inner * index / int(m_titles.size());
    const int right = inset + inner * (index + 1) / int(m_titles.size());
    return {left, inset, right - left, height() - 2 * inset};
}

int SegmentedControl::segmentAt(const QPoint &pos) const
{
    for (int i = 0; i < m_titles.size(); ++i) {
        if (segmentRect(i).contains(pos))
            return i;
    }
    return -1;
}

QSize SegmentedControl::sizeHint() const
{
    const QFontMetrics fm(font());
    int widest = 0;
    for (const QString &title : m_titles)
        widest = qMax(widest, fm.horizontalAdvance(title));
    return {int(m_titles.size()) * (widest + 24) + 2 * inset, controlHeight};
}

QSize SegmentedControl::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    int widest = 0;
    for (const QString &title : m_titles)
        widest = qMax(widest, fm.horizontalAdvance(title));
    return {int(m_titles.size()) * (widest + 8) + 2 * inset, controlHeight};
}

void SegmentedControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor divider = Color::divider().resolve(this);
    QColor track = divider;
    track.setAlphaF(0.6);
    // The edge marks the control's extent against the card or window.
    p.setPen(QPen(Color::inkSubtle().resolve(this), 1.0));
    p.setBrush(track);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5,
                      cornerRadius - 0.5);

    // Thin separators between unselected neighbours.
    p.setPen(QPen(divider.darker(115), 1.0));
    for (int i = 1; i < m_titles.size(); ++i) {
        if (i == m_selected || i - 1 == m_selected)
            continue;
        const qreal x = segmentRect(i).left() - 0.5;
        p.drawLine(QPointF(x, height() * 0.3), QPointF(x, height() * 0.7));
    }

    const QColor ink = Color::ink().resolve(this);
    if (m_selected >= 0) {
        // In ink, with the title in the surface colour: a raised pill of a
        // slightly lighter grey was hard to tell from the track.
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(segmentRect(m_selected)), cornerRadius - inset,
                          cornerRadius - inset);
    }

    const QColor onInk = Color::surfaceElevated().resolve(this);
    for (int i = 0; i < m_titles.size(); ++i) {
        QFont f = font();
        if (i == m_selected)
            f.setWeight(QFont::Medium);
        p.setFont(f);
        p.setPen(i == m_selected ? onInk : ink);
        p.setOpacity(i == m_pressed ? 0.6 : 1.0);
        const QRect r = segmentRect(i);
        p.drawText(r, Qt::AlignCenter,
                   QFontMetrics(f).elidedText(m_titles[i], Qt::ElideRight, r.width() - 4));
    }
    p.setOpacity(1.0);
    if (KeyboardFocusRing::shows(this)) {
        p.setPen(QPen(Color::accent().resolve(this), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), cornerRadius, cornerRadius);
    }
}

void SegmentedControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = segmentAt(event->position().toPoint());
    update();
}

void SegmentedControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const int released = segmentAt(event->position().toPoint());
    const int pressed = m_pressed;
    m_pressed = -1;
    update();
    if (released >= 0 && released == pressed)
        activate(released);
}

void SegmentedControl::keyPressEvent(QKeyEvent *event)
{
    const int count = int(m_titles.size());
    if (count == 0)
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Left:
        activate(m_selected < 0 ? 0 : qMax(0, m_selected - 1));
        return;
    case Qt::Key_Right:
        activate(m_selected < 0 ? 0 : qMin(count - 1, m_selected + 1));
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
}

bool SegmentedControl::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void SegmentedControl::activate(int index)
{
    m_selected = index;
    update();
    emit segmentActivated(index);
}

} // namespace halvex
