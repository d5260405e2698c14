#include "ui/OutlinedTextEdit.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Typography.h"

namespace halvex {

OutlinedTextEdit::OutlinedTextEdit(QMargins padding, QWidget *parent)
    : QWidget(parent)
    , m_editor(new QPlainTextEdit(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding);
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setFont(Typography::body13());
    m_editor->setTabChangesFocus(true);
    applyColours();
    layout->addWidget(m_editor);
}

void OutlinedTextEdit::applyColours()
{
    QPalette pal = m_editor->palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Text, Color::ink().resolve(m_editor));
    pal.setColor(QPalette::PlaceholderText, Color::inkSubtle().resolve(m_editor));
    pal.setColor(QPalette::Highlight, Color::accent().resolve(m_editor));
    pal.setColor(QPalette::HighlightedText, Color::onAccent().resolve(m_editor));
    m_editor->setPalette(pal);
    m_editor->viewport()->setAutoFillBackground(false);
}

void OutlinedTextEdit::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

bool OutlinedTextEdit::event(QEvent *event)
{
    if (Environment::isChange(event)) {
        applyColours();
        update();
    }
    return QWidget::event(event);
}

} // namespace halvex
