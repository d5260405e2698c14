#include "ui/MessagePage.h"

#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

MessagePage::MessagePage(std::function<void()> action, QWidget *parent)
    : QWidget(parent)
    , m_text(new KitLabel({}, Typography::body13(), Color::inkMuted()))
    , m_button(new PrimaryButton({.action = std::move(action)}))
{
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(spacing);
    column->addStretch(1);
    column->addWidget(m_text);
    column->addWidget(m_button, 0, Qt::AlignHCenter);
    column->addStretch(1);
}

} // namespace halvex
