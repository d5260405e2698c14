#include "menubar/PopoverEditStreakView.h"

#include <QEvent>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "editor/PlainTextButton.h"
#include "editor/StreakFollower.h"
#include "editor/StreakRulesEditor.h"
#include "editor/StreakRuns.h"
#include "engine/StreakEngine.h"
#include "menubar/PopoverBackHeader.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/KitScrollArea.h"
#include "ui/MessagePage.h"
#include "ui/PrimaryButton.h"
#include "ui/Typography.h"

namespace halvex {

PopoverEditStreakView::PopoverEditStreakView(const QUuid &streakId,
                                             PersistenceController &persistence,
                                             StreakEngine &engine,
                                             const platform::DesktopEntryIndex &applications,
                                             QWidget *parent)
    : QWidget(parent)
    , m_streakId(streakId)
    , m_persistence(persistence)
    , m_engine(engine)
    , m_applications(applications)
    , m_pages(new QStackedLayout(this))
{
    if (m_persistence.mainContext().find<Streak>(streakId))
        m_found = buildFound();
    m_notFound = buildNotFound();
    if (m_found)
        m_pages->addWidget(m_found);
    m_pages->addWidget(m_notFound);
    followStore(this, m_persistence.mainContext(), [this] { refresh(); });
    connect(&m_engine, &StreakEngine::objectWillChange, this, [this] { refresh(); });
    retranslate();
    refresh();
}

QWidget *PopoverEditStreakView::buildFound()
{
    const auto streak = m_persistence.mainContext().find<Streak>(m_streakId);
    auto *page = new QWidget;

    m_header = new PopoverBackHeader(streak->name(), QStringLiteral("popover.edit.back"));
    connect(m_header, &PopoverBackHeader::backRequested, this, &PopoverEditStreakView::dismissed);
    m_summary = new KitLabel({}, Typography::caption11(), Color::inkMuted());
    m_summary->setObjectName(QStringLiteral("popover.edit.summary"));

    m_rules = new StreakRulesEditor(streak, m_engine, m_applications, true, 16);
    auto *remove = new PlainTextButton(
        {.font = Typography::body13Medium(), .color = Color::destructive(), .verticalPadding = 8});
    remove->setObjectName(QStringLiteral("popover.edit.delete"));
    connect(remove, &QAbstractButton::clicked, this, &PopoverEditStreakView::deleteRequested);
    m_delete = remove;

    auto *body = new QWidget;
    auto *sections = new QVBoxLayout(body);
    sections->setContentsMargins(20, 0, 20, 16);
    sections->setSpacing(16);
    sections->addWidget(m_rules);
    sections->addWidget(remove, 0, Qt::AlignHCenter);
    sections->addStretch(1);

    auto *scroll = new KitScrollArea;
    body->setAutoFillBackground(false);
    scroll->setWidget(body);

    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *top = new QVBoxLayout;
    top->setContentsMargins(20, 12, 20, 8);
    top->setSpacing(0);
    top->addWidget(m_header);
    column->addLayout(top);
    auto *line = new QVBoxLayout;
    line->setContentsMargins(20, 0, 20, 8);
    line->addWidget(m_summary);
    column->addLayout(line);
    column->addWidget(scroll, 1);
    return page;
}

QWidget *PopoverEditStreakView::buildNotFound()
{
    auto *page = new MessagePage([this] { emit dismissed(); });
    page->setObjectName(QStringLiteral("popover.edit.notFound"));
    m_notFoundText = page->text();
    page->button()->setObjectName(QStringLiteral("popover.edit.notFound.back"));
    m_notFoundBack = page->button();
    return page;
}

QString PopoverEditStreakView::summaryText(qint64 days, qint64 best, qint64 average)
{
    //% "%1\u00a0days · best %2 · avg %3"
    return qtTrId("popover.edit.summary")
        .arg(QString::number(days), QString::number(best), QString::number(average));
}

bool PopoverEditStreakView::showsStreak() const
{
    return m_found && m_pages->currentWidget() == m_found;
}

void PopoverEditStreakView::refresh()
{
    const auto streak = m_persistence.mainContext().find<Streak>(m_streakId);
    if (!streak || !m_found) {
        m_pages->setCurrentWidget(m_notFound);
        return;
    }
    m_pages->setCurrentWidget(m_found);
    const qint64 days = m_engine.days(*streak);
    m_header->setTitle(streak->name());
    m_summary->setText(summaryText(days, StreakRuns::bestDays(*streak, days),
                                   StreakRuns::averageDays(*streak, days)));
}

void PopoverEditStreakView::retranslate()
{
    if (m_found) {
        //% "Delete streak"
        m_delete->setText(qtTrId("popover.edit.delete"));
        m_delete->updateGeometry();
        refresh();
    }
    //% "This streak no longer exists."
    m_notFoundText->setText(qtTrId("streakEditor.detail.saveFailed"));
    // The button leads back to the list: it reads "Back", as the header's chevron does.
    //% "Back"
    m_notFoundBack->setText(qtTrId("popover.nav.back"));
}

void PopoverEditStreakView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
