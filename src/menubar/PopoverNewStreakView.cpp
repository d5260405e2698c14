#include "menubar/PopoverNewStreakView.h"

#include <QEvent>
#include <QVBoxLayout>

#include "editor/NewStreakFormContent.h"
#include "menubar/PopoverBackHeader.h"

namespace halvex {

PopoverNewStreakView::PopoverNewStreakView(PersistenceController &persistence, StreakEngine &engine,
                                           MilestonePlanning &milestonePlanning,
                                           const platform::DesktopEntryIndex &applications,
                                           std::optional<DomainPreset> seed, QWidget *parent)
    : QWidget(parent)
    , m_header(new PopoverBackHeader({}, QStringLiteral("popover.new.back"), this))
    , m_form(new NewStreakFormContent(
          persistence, engine, milestonePlanning, applications,
          {.horizontalPadding = 20, .autoFocusName = false, .seed = seed, .compact = true}, this))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *header = new QVBoxLayout;
    header->setContentsMargins(20, 12, 20, 8);
    header->addWidget(m_header);
    column->addLayout(header);
    column->addWidget(m_form, 1);

    connect(m_header, &PopoverBackHeader::backRequested, this, &PopoverNewStreakView::dismissed);
    connect(m_form, &NewStreakFormContent::dismissed, this, &PopoverNewStreakView::dismissed);
    retranslate();
}

void PopoverNewStreakView::retranslate()
{
    //% "New streak"
    m_header->setTitle(qtTrId("streakEditor.new.title"));
}

void PopoverNewStreakView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
