#include "friction/FrictionPanel.h"

#include <QPaintEvent>
#include <QPainter>

#include "friction/StayOnScreen.h"

namespace halvex {

FrictionPanel::FrictionPanel(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setFixedSize(panelSize);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Closed or minimised, it would leave the backdrop over the screen with
    // nothing to answer.
    StayOnScreen::keep(this);
}

FrictionPanel::~FrictionPanel()
{
    emit windowGone(true);
}

void FrictionPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A minimised window hides spontaneously and comes back on its own.
    if (!event->spontaneous())
        emit windowGone(false);
}

void FrictionPanel::setContent(QWidget *content)
{
    delete m_content;
    m_content = content;
    content->setParent(this);
    content->setGeometry(rect());
    content->show();
}

void FrictionPanel::setBackdrop(const QImage &backdrop, const QRect &screenFrame)
{
    m_backdrop = backdrop;
    m_screenFrame = screenFrame;
    update();
}

void FrictionPanel::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // What lies beneath changes as the panel rises into place.
    update();
}

void FrictionPanel::paintEvent(QPaintEvent *event)
{
    // Only what was asked for: the card above repaints small parts of
    // itself many times a minute.
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, Qt::black);
    if (!m_backdrop.isNull()) {
        const QPoint offset = m_screenFrame.topLeft() - pos();
        const qreal ratio = m_backdrop.devicePixelRatio();
        const QRectF source(QPointF(dirty.topLeft() - offset) * ratio,
                            QSizeF(dirty.size()) * ratio);
        p.drawImage(QRectF(dirty), m_backdrop, source);
    }
}

} // namespace halvex
