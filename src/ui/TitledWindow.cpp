#include "ui/TitledWindow.h"

#include <QCloseEvent>

namespace halvex {

TitledWindow::TitledWindow(Options options, QWidget *parent)
    : EscClosableWindow(parent, options.flags)
    , m_options(std::move(options))
{
    setObjectName(m_options.objectName);
    if (m_options.title)
        setWindowTitle(m_options.title());
}

void TitledWindow::closeEvent(QCloseEvent *event)
{
    EscClosableWindow::closeEvent(event);
    if (event->isAccepted() && m_options.didClose)
        m_options.didClose();
}

void TitledWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_options.title)
        setWindowTitle(m_options.title());
    EscClosableWindow::changeEvent(event);
}

void TitledWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_options.closesOnEscape)
        EscClosableWindow::keyPressEvent(event);
    else
        QWidget::keyPressEvent(event);
}

} // namespace halvex
