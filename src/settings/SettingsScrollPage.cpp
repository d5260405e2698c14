#include "settings/SettingsScrollPage.h"

#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

SettingsScrollPage::SettingsScrollPage(QWidget *parent)
    : KitScrollArea(parent)
{
    auto *body = new QWidget;
    body->setAutoFillBackground(false);
    auto *outer = new QVBoxLayout(body);
    outer->setContentsMargins(inset, inset, inset, inset);
    outer->setSpacing(spacing);
    m_heading = new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), body);
    m_heading->setWordWrap(true);
    outer->addWidget(m_heading);
    m_column = new QVBoxLayout;
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(spacing);
    outer->addLayout(m_column);
    // The slack goes below the content, which stays at the top.
    outer->addStretch(1);
    setWidget(body);
    applyBackground();
}

void SettingsScrollPage::applyBackground()
{
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Color::background().resolve(this));
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
    widget()->setAutoFillBackground(false);
}

bool SettingsScrollPage::event(QEvent *event)
{
    if (Environment::isChange(event))
        applyBackground();
    return KitScrollArea::event(event);
}

} // namespace halvex
