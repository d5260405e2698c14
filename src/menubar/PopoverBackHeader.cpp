#include "menubar/PopoverBackHeader.h"

#include <QEvent>
#include <QHBoxLayout>

#include "menubar/ClampedLabel.h"
#include "ui/Color.h"
#include "ui/Symbol.h"
#include "ui/SymbolButton.h"
#include "ui/Typography.h"

namespace halvex {

PopoverBackHeader::PopoverBackHeader(const QString &title, const QString &backAccessibilityId,
                                     QWidget *parent)
    : QWidget(parent)
    , m_back(new SymbolButton(QStringLiteral("chevron.left"), Symbol::sizeForFont(15), buttonFrame,
                              Color::ink(), this))
    , m_title(new ClampedLabel(title, Typography::headline17Semibold(), Color::ink(), 1,
                               Qt::ElideRight, this))
{
    m_back->setObjectName(backAccessibilityId);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(m_back, 0, Qt::AlignVCenter);
    row->addWidget(m_title, 1, Qt::AlignVCenter);
    connect(m_back, &QAbstractButton::clicked, this, &PopoverBackHeader::backRequested);
    retranslate();
}

void PopoverBackHeader::setTitle(const QString &title)
{
    m_title->setText(title);
}

void PopoverBackHeader::retranslate()
{
    //% "Back"
    m_back->setAccessibleName(qtTrId("popover.nav.back"));
}

void PopoverBackHeader::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
