#include "ui/EmptyStateBlock.h"

#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

EmptyStateBlock::EmptyStateBlock(Options options, QWidget *parent)
    : QWidget(parent)
    , m_title(new KitLabel(options.title, Typography::title22Semibold(), Color::ink(), this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(spacing);
    column->addStretch(1);

    m_title->setAlignment(Qt::AlignHCenter);
    m_title->setWordWrap(true);
    column->addWidget(m_title);

    if (options.subtitle) {
        m_subtitle = new KitLabel(*options.subtitle, Typography::body13(), Color::inkMuted(), this);
        m_subtitle->setAlignment(Qt::AlignHCenter);
        m_subtitle->setWordWrap(true);
        column->addWidget(m_subtitle);
    }
    if (options.action) {
        m_button = new PrimaryButton(
            {.title = options.action->label, .action = options.action->perform}, this);
        column->addSpacing(actionTopPadding);
        column->addWidget(m_button, 0, Qt::AlignHCenter);
    }
    column->addStretch(1);
}

} // namespace halvex
