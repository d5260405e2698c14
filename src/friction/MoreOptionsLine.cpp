#include "friction/MoreOptionsLine.h"

#include <QAbstractAnimation>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>

#include "ui/Motion.h"

namespace halvex {

MoreOptionsLine::MoreOptionsLine(QWidget *parent)
    : QWidget(parent)
    , m_content(new QWidget(this))
    , m_opacity(new QGraphicsOpacityEffect(m_content))
{
    m_content->setGraphicsEffect(m_opacity);
    auto *layout = new QHBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setReveal(0.0);
    hide();
}

QHBoxLayout *MoreOptionsLine::line() const
{
    return static_cast<QHBoxLayout *>(m_content->layout());
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

QSize MoreOptionsLine::sizeHint() const
{
    return m_content->sizeHint();
}

QSize MoreOptionsLine::minimumSizeHint() const
{
    return m_content->sizeHint();
}

void MoreOptionsLine::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    place();
}

bool MoreOptionsLine::event(QEvent *event)
{
    // The buttons inside changed (a title, a button shown or hidden).
    if (event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        place();
    }
    return QWidget::event(event);
}

void MoreOptionsLine::place()
{
    // Too wide for the line, the buttons give up some of their titles.
    const QSize size(qMin(m_content->sizeHint().width(), width()), m_content->sizeHint().height());
    const int y = qRound(-(1.0 - m_reveal) * size.height());
    m_content->setGeometry((width() - size.width()) / 2, y, size.width(), size.height());
}

} // namespace halvex
