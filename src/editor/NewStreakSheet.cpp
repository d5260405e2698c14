#include "editor/NewStreakSheet.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "editor/NewStreakFormContent.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

NewStreakSheet::NewStreakSheet(PersistenceController &persistence, StreakEngine &engine,
                               MilestonePlanning &milestonePlanning,
                               const platform::DesktopEntryIndex &applications, QWidget *parent)
    : QWidget(parent)
    , m_title(new KitLabel({}, Typography::title22Semibold(), Color::ink()))
    , m_form(new NewStreakFormContent(persistence, engine, milestonePlanning, applications,
                                      {.horizontalPadding = 24, .autoFocusName = false}))
{
    setObjectName(QStringLiteral("streakEditor.new.root"));
    setMinimumSize(minimumContent);
    setMaximumSize(maximumContent);
    m_title->setObjectName(QStringLiteral("streakEditor.new.title"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *header = new QVBoxLayout;
    header->setContentsMargins(24, 24, 24, 16);
    header->addWidget(m_title);
    column->addLayout(header);
    column->addWidget(m_form, 1);
    connect(m_form, &NewStreakFormContent::dismissed, this, &NewStreakSheet::dismissed);
    retranslate();
}

void NewStreakSheet::retranslate()
{
    //% "New streak"
    m_title->setText(qtTrId("streakEditor.new.title"));
}

void NewStreakSheet::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

bool NewStreakSheet::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void NewStreakSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
