#include "friction/FrictionPanel.h"

#include <QPainter>

namespace halvex {

FrictionPanel::FrictionPanel(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setFixedSize(panelSize);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void FrictionPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_backdrop.isNull()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const QPoint offset = m_screenFrame.topLeft() - pos();
    p.fillRect(rect(), Qt::black);
    p.drawImage(offset, m_backdrop);
}

} // namespace halvex
