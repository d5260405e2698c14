#include "friction/FrictionPanel.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace halvex {

FrictionPanel::FrictionPanel(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setFixedSize(panelSize);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

FrictionPanel::~FrictionPanel()
{
    emit windowGone(true);
}

void FrictionPanel::closeEvent(QCloseEvent *event)
{
    // Alt+F4 or the window manager's close request would otherwise take the
    // panel away without an answer and leave its overlays over the screen.
    event->ignore();
}

void FrictionPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A minimised window hides spontaneously and comes back on its own.
    if (!event->spontaneous())
        emit windowGone(false);
}

void FrictionPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized())
        return;
    // Minimised, it would leave the overlays covering the screen with
    // nothing to answer; it comes straight back instead.
    QTimer::singleShot(0, this, [this] {
        if (!isMinimized())
            return;
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    });
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
