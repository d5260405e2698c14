#include "ui/EscClosableWindow.h"

#include <QKeyEvent>

namespace halvex {

EscClosableWindow::EscClosableWindow(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::Window)
{}

void EscClosableWindow::cancelOperation()
{
    close();
}

void EscClosableWindow::keyPressEvent(QKeyEvent *event)
{
    const bool esc = event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier;
    const bool ctrlPeriod =
        event->key() == Qt::Key_Period && event->modifiers() == Qt::ControlModifier;
    if (esc || ctrlPeriod) {
        event->accept();
        cancelOperation();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace halvex
