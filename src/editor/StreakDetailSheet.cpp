#include "editor/StreakDetailSheet.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPainter>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "editor/DeleteConfirmContent.h"
#include "editor/DividerLine.h"
#include "editor/SheetFooter.h"
#include "editor/StreakFollower.h"
#include "editor/StreakRulesEditor.h"
#include "editor/StreakRuns.h"
#include "editor/TombstoneRow.h"
#include "engine/StreakEngine.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Tombstone.h"
#include "ui/Color.h"
#include "ui/DestructiveButton.h"
#include "ui/DisplayNumeral.h"
#include "ui/EmptyStateBlock.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/KitScrollArea.h"
#include "ui/MessagePage.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

KitLabel *monospacedFigure()
{
    auto *label = new KitLabel({}, Typography::caption11(), Color::ink());
    return label;
}

} // namespace

StreakDetailSheet::StreakDetailSheet(const QUuid &streakId, Services services, QWidget *parent)
    : QWidget(parent)
    , m_streakId(streakId)
    , m_services(services)
    , m_pages(new QStackedLayout(this))
{
    setObjectName(QStringLiteral("streakEditor.detail.root"));
    setMinimumSize(minimumContent);
    setMaximumSize(maximumContent);
    if (m_services.persistence.mainContext().find<Streak>(streakId))
        m_found = buildFound();
    m_notFound = buildNotFound();
    if (m_found)
        m_pages->addWidget(m_found);
    m_pages->addWidget(m_notFound);

    followStore(this, m_services.persistence.mainContext(), [this] { refresh(); });
    // The day count moves with the engine's minute tick.
    connect(&m_services.engine, &StreakEngine::objectWillChange, this, [this] { refresh(); });
    retranslate();
    refresh();
}

StreakDetailSheet::~StreakDetailSheet()
{
    delete m_dialog;
}

QWidget *StreakDetailSheet::buildFound()
{
    const auto streak = m_services.persistence.mainContext().find<Streak>(m_streakId);
    auto *page = new QWidget;

    m_name = new KitLabel({}, Typography::title22Semibold(), Color::ink());
    m_name->setObjectName(QStringLiteral("streakEditor.detail.header"));
    m_name->setTextFormat(Qt::PlainText);
    m_name->setMinimumWidth(0);
    m_name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_name->installEventFilter(this);

    // Metrics: the day count over best · average.
    m_days = new DisplayNumeral(0, DisplayNumeral::Size::medium);
    m_days->setObjectName(QStringLiteral("streakEditor.detail.days"));
    m_bestTitle = new KitLabel({}, Typography::caption11(), Color::inkMuted());
    m_best = monospacedFigure();
    m_best->setObjectName(QStringLiteral("streakEditor.detail.best"));
    m_avgTitle = new KitLabel({}, Typography::caption11(), Color::inkMuted());
    m_avg = monospacedFigure();
    m_avg->setObjectName(QStringLiteral("streakEditor.detail.avg"));
    auto *figures = new QHBoxLayout;
    figures->setSpacing(8);
    figures->addStretch(1);
    auto *best = new QHBoxLayout;
    best->setSpacing(4);
    best->addWidget(new SymbolView(QStringLiteral("trophy.fill"), 11, Color::success()));
    best->addWidget(m_bestTitle);
    best->addWidget(m_best);
    figures->addLayout(best);
    figures->addWidget(
        new KitLabel(QStringLiteral("\u00B7"), Typography::caption11(), Color::inkMuted()));
    auto *avg = new QHBoxLayout;
    avg->setSpacing(4);
    avg->addWidget(m_avgTitle);
    avg->addWidget(m_avg);
    figures->addLayout(avg);
    figures->addStretch(1);
    auto *metrics = new QVBoxLayout;
    metrics->setContentsMargins(0, 16, 0, 0);
    metrics->setSpacing(8);
    metrics->addWidget(m_days, 0, Qt::AlignHCenter);
    metrics->addLayout(figures);

    m_rules = new StreakRulesEditor(streak, m_services.engine, m_services.applications, false, 24);

    m_historyTitle = new KitLabel({}, Typography::headline17Semibold(), Color::ink());
    auto *historyBox = new QWidget;
    historyBox->setObjectName(QStringLiteral("streakEditor.detail.tombstones"));
    m_history = new QVBoxLayout(historyBox);
    m_history->setContentsMargins(0, 0, 0, 0);
    m_history->setSpacing(0);
    auto *historySection = new QVBoxLayout;
    historySection->setSpacing(8);
    historySection->addWidget(m_historyTitle);
    historySection->addWidget(historyBox);

    auto *body = new QWidget;
    auto *sections = new QVBoxLayout(body);
    sections->setContentsMargins(24, 0, 24, 16);
    sections->setSpacing(24);
    sections->addLayout(metrics);
    sections->addWidget(m_rules);
    sections->addLayout(historySection);
    sections->addStretch(1);

    auto *scroll = new KitScrollArea;
    body->setAutoFillBackground(false);
    scroll->setWidget(body);

    auto *close = new SecondaryButton({.action = [this] { emit dismissed(); }});
    close->setObjectName(QStringLiteral("streakEditor.detail.close"));
    m_closeButtons << close;
    m_delete = new DestructiveButton({.action = [this] { showDeleteDialog(); }});
    m_delete->setObjectName(QStringLiteral("streakEditor.detail.delete"));
    auto *footer = new SheetFooter;
    auto *buttons = new QHBoxLayout(footer);
    buttons->setContentsMargins(24, 16, 24, 16);
    buttons->setSpacing(12);
    buttons->addWidget(close);
    buttons->addStretch(1);
    buttons->addWidget(m_delete);

    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *header = new QHBoxLayout;
    header->setContentsMargins(24, 24, 24, 12);
    header->addWidget(m_name, 1);
    column->addLayout(header);
    column->addWidget(scroll, 1);
    column->addWidget(footer);
    return page;
}

QWidget *StreakDetailSheet::buildNotFound()
{
    auto *page = new MessagePage([this] { emit dismissed(); });
    page->setObjectName(QStringLiteral("streakEditor.detail.notFound"));
    m_notFoundText = page->text();
    page->button()->setObjectName(QStringLiteral("streakEditor.detail.notFound.close"));
    m_closeButtons << page->button();
    return page;
}

bool StreakDetailSheet::showsStreak() const
{
    return m_found && m_pages->currentWidget() == m_found;
}

void StreakDetailSheet::refresh()
{
    const auto streak = m_services.persistence.mainContext().find<Streak>(m_streakId);
    if (!streak || !m_found) {
        m_pages->setCurrentWidget(m_notFound);
        // Nothing is left to confirm.
        if (m_dialog)
            m_dialog->close();
        return;
    }
    m_pages->setCurrentWidget(m_found);
    const qint64 days = m_services.engine.days(*streak);
    m_fullName = streak->name();
    elideName();
    m_days->setValue(int(days));
    m_best->setText(QString::number(streak->bestDays()));
    m_avg->setText(QString::number(StreakRuns::averageDays(*streak, days)));
    rebuildHistory();
}

void StreakDetailSheet::elideName()
{
    // One line: a name longer than the header ends in "…", never mid-letter.
    // Whole until the header is laid out, so it asks for a line's height.
    const int width = m_name->contentsRect().width();
    const QString shown =
        width > 0 ? QFontMetrics(m_name->font()).elidedText(m_fullName, Qt::ElideRight, width)
                  : m_fullName;
    m_name->setText(shown);
    m_name->setToolTip(shown == m_fullName ? QString() : m_fullName);
}

void StreakDetailSheet::rebuildHistory()
{
    const auto streak = m_services.persistence.mainContext().find<Streak>(m_streakId);
    const auto broken =
        streak ? StreakRuns::newestFirst(*streak) : std::vector<std::shared_ptr<Tombstone>>();
    QList<QUuid> ids;
    for (const auto &tombstone : broken)
        ids << tombstone->id();
    if (ids == m_historyIds && m_history->count() > 0)
        return;
    m_historyIds = ids;
    while (QLayoutItem *item = m_history->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (broken.empty()) {
        //% "No broken runs yet."
        auto *empty = new EmptyStateBlock({.title = qtTrId("tombstone.empty")});
        empty->setObjectName(QStringLiteral("tombstone.empty"));
        empty->setMaximumHeight(160);
        m_history->addWidget(empty);
        return;
    }
    for (const auto &tombstone : broken) {
        m_history->addWidget(new TombstoneRow(tombstone, m_services.engine.dayClock().timeZone()));
        m_history->addWidget(new DividerLine);
    }
}

void StreakDetailSheet::showDeleteDialog()
{
    const auto streak = m_services.persistence.mainContext().find<Streak>(m_streakId);
    if (!streak || m_dialog)
        return;
    m_dialog =
        new DeleteConfirmDialog(m_streakId, m_services.engine.days(*streak), m_services.engine,
                                m_services.milestonePlanning, m_services.scheduler, window());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &DeleteConfirmDialog::cancelled, m_dialog, &QWidget::close);
    connect(m_dialog, &DeleteConfirmDialog::deleted, this, [this] {
        if (m_dialog)
            m_dialog->close();
        emit dismissed();
    });
    m_dialog->show();
}

void StreakDetailSheet::retranslate()
{
    if (m_found) {
        //% "Best"
        m_bestTitle->setText(qtTrId("popover.metrics.best"));
        //% "Avg"
        m_avgTitle->setText(qtTrId("popover.metrics.avg"));
        //% "Broken runs"
        m_historyTitle->setText(qtTrId("streakEditor.detail.tombstones.title"));
        //% "Delete streak"
        m_delete->setText(qtTrId("deleteConfirm.delete"));
        // The empty state's title is fixed when it is built.
        m_historyIds.clear();
        if (m_history->count() > 0)
            rebuildHistory();
    }
    //% "This streak no longer exists."
    m_notFoundText->setText(qtTrId("streakEditor.detail.saveFailed"));
    for (QAbstractButton *close : std::as_const(m_closeButtons)) {
        //% "Close"
        close->setText(qtTrId("streakEditor.detail.close"));
    }
}

void StreakDetailSheet::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

bool StreakDetailSheet::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

bool StreakDetailSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name &&
        (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        elideName();
    return QWidget::eventFilter(watched, event);
}

void StreakDetailSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
