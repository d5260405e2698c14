#include "editor/DeleteConfirmContent.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QUuid>
#include <QVBoxLayout>

#include "engine/MilestonePlanning.h"
#include "engine/StreakEngine.h"
#include "platform/TimerScheduler.h"
#include "ui/Color.h"
#include "ui/DestructiveButton.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

DeleteConfirmContent::DeleteConfirmContent(qint64 streakDays, int horizontalPadding,
                                           platform::TimerScheduler &scheduler, QWidget *parent)
    : QWidget(parent)
    , m_streakDays(streakDays)
    , m_scheduler(scheduler)
    , m_title(new KitLabel({}, Typography::headline17Semibold(), Color::ink()))
    , m_warning(new KitLabel({}, Typography::body13(), Color::ink()))
    , m_cascade(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_cancel(new SecondaryButton({.action = [this] { emit cancelled(); }}))
    , m_delete(new DestructiveButton({.action = [this] { emit confirmed(); }, .isEnabled = false}))
{
    m_warning->setObjectName(QStringLiteral("deleteConfirm.warning"));
    m_warning->setWordWrap(true);
    m_cascade->setWordWrap(true);
    m_cancel->setObjectName(QStringLiteral("popover.delete.cancel"));
    m_delete->setObjectName(QStringLiteral("popover.delete.confirm.button"));

    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    titleRow->addWidget(
        new SymbolView(QStringLiteral("exclamationmark.triangle"), 18, Color::destructive()));
    titleRow->addWidget(m_title, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    buttons->addWidget(m_delete);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(horizontalPadding, 24, horizontalPadding, 24);
    column->setSpacing(12);
    column->addLayout(titleRow);
    column->addWidget(m_warning);
    column->addWidget(m_cascade);
    column->addStretch(1);
    column->addLayout(buttons);
    retranslate();
}

DeleteConfirmContent::~DeleteConfirmContent()
{
    if (m_enableTimer)
        m_enableTimer->invalidate();
}

void DeleteConfirmContent::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_deleteEnabled)
        return;
    QPointer<DeleteConfirmContent> self(this);
    m_enableTimer = m_scheduler.scheduleOnce(enableDelaySeconds, [self] {
        if (!self || self->m_deleteEnabled)
            return;
        self->m_deleteEnabled = true;
        self->m_delete->setEnabled(true);
    });
}

void DeleteConfirmContent::retranslate()
{
    //% "Delete streak"
    m_title->setText(qtTrId("deleteConfirm.delete"));
    //% "This streak is %n\u00a0days long. Deleting it ends it for good."
    m_warning->setText(qtTrId("deleteConfirm.warning", int(m_streakDays)));
    //% "Its history goes with it: broken runs, triggers, bypasses and usage."
    m_cascade->setText(qtTrId("deleteConfirm.cascadeInfo"));
    //% "Cancel"
    m_cancel->setText(qtTrId("deleteConfirm.cancel"));
    m_delete->setText(qtTrId("deleteConfirm.delete"));
}

void DeleteConfirmContent::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

DeleteConfirmDialog::DeleteConfirmDialog(const QUuid &streakId, qint64 streakDays,
                                         StreakEngine &engine, MilestonePlanning &milestonePlanning,
                                         platform::TimerScheduler &scheduler, QWidget *parent)
    : QWidget(parent, Qt::Sheet | Qt::Dialog)
    , m_content(new DeleteConfirmContent(streakDays, 24, scheduler))
{
    setObjectName(QStringLiteral("streakEditor.deleteDialog"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(dialogSize);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_content);
    connect(m_content, &DeleteConfirmContent::cancelled, this, &DeleteConfirmDialog::cancelled);
    connect(m_content, &DeleteConfirmContent::confirmed, this,
            [this, streakId, &engine, &milestonePlanning] {
                milestonePlanning.cancelMilestones(streakId);
                // Found or not, saved or not: the editor closes either way.
                (void)engine.deleteStreak(streakId);
                emit deleted();
            });
}

void DeleteConfirmDialog::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

bool DeleteConfirmDialog::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
