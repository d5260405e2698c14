#include "menubar/PopoverListView.h"

#include <QEvent>
#include <QVBoxLayout>

#include "editor/ActiveWindowInput.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "model/DayClock.h"

namespace halvex {

PopoverListView::PopoverListView(StreakEngine &engine,
                                 const platform::DesktopEntryIndex &applications,
                                 platform::TimerScheduler &scheduler, QWidget *parent)
    : KitScrollArea(parent)
    , m_engine(engine)
    , m_applications(applications)
    , m_scheduler(scheduler)
{
    setObjectName(QStringLiteral("popover.list.root"));

    auto *content = new QWidget;
    content->setAutoFillBackground(false);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 2, 0, 2);
    column->setSpacing(rowSpacing);
    column->addStretch(1);
    setWidget(content);

    connect(&engine, &StreakEngine::streaksChanged, this, &PopoverListView::rebuild);
    connect(&engine, &StreakEngine::primaryStreakIdChanged, this, &PopoverListView::rebuild);
    // Queued: the engine announces before its list changes.
    connect(&engine, &StreakEngine::objectWillChange, this, &PopoverListView::refreshValues,
            Qt::QueuedConnection);
    rebuild();
}

QString PopoverListView::kindLabel(const Streak &streak, const InstalledApplications &applications)
{
    QStringList targets;
    if (streak.typeRaw() == u"app") {
        for (const QString &identifier : streak.bundleIdentifiers())
            targets << applications.displayName(identifier);
    } else {
        targets = streak.domains();
    }
    const auto first = std::find_if(targets.cbegin(), targets.cend(),
                                    [](const QString &t) { return !t.isEmpty(); });
    if (first == targets.cend())
        return {};
    if (targets.size() == 1)
        return *first;
    return *first + u" +" + QString::number(targets.size() - 1);
}

StreakManagerRow::Values PopoverListView::rowValues(const Streak &streak,
                                                    const StreakEngine &engine,
                                                    const InstalledApplications &applications,
                                                    const QLocale &locale)
{
    return {.name = streak.name(),
            .days = engine.days(streak),
            .mode = streak.mode(),
            .kindLabel = kindLabel(streak, applications),
            .activeHoursLabel = ActiveWindowInput::summary(streak, locale, locale.firstDayOfWeek()),
            .pausedUntil = engine.pausedUntilIfActive(streak),
            .allowanceRemainingSeconds = engine.allowanceRemainingSeconds(streak),
            .allowanceMinutes = streak.allowanceMinutes()};
}

void PopoverListView::rebuild()
{
    auto *column = static_cast<QVBoxLayout *>(widget()->layout());
    for (StreakManagerRow *row : std::as_const(m_rows))
        dropRow(row);
    m_rows.clear();
    m_rowIds.clear();

    for (const auto &streak : m_engine.streaks()) {
        auto *row = makeRow(*streak);
        column->insertWidget(column->count() - 1, row);
        m_rows << row;
        m_rowIds << streak->id();
    }
}

void PopoverListView::refreshValues()
{
    const auto &streaks = m_engine.streaks();
    QList<QUuid> ids;
    for (const auto &streak : streaks)
        ids << streak->id();
    if (ids != m_rowIds) {
        rebuild();
        return;
    }
    auto *column = static_cast<QVBoxLayout *>(widget()->layout());
    const QLocale here = locale();
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const Streak &streak = *streaks[size_t(i)];
        if (rowValues(streak, m_engine, m_applications, here) == m_rows[i]->values())
            continue;
        // Only the rows that changed: a menu open on another row stays.
        auto *row = makeRow(streak);
        column->insertWidget(column->indexOf(m_rows[i]), row);
        dropRow(m_rows[i]);
        m_rows[i] = row;
    }
}

void PopoverListView::dropRow(StreakManagerRow *row)
{
    // A row may be the one whose button started this reload: let it finish first.
    widget()->layout()->removeWidget(row);
    row->hide();
    row->deleteLater();
}

StreakManagerRow *PopoverListView::makeRow(const Streak &streak)
{
    const QUuid id = streak.id();
    StreakManagerRow::Actions actions{
        .onPause =
            [this, id] {
                m_engine.bypassController().pauseOneHour(id);
                m_engine.reload();
            },
        .onResume =
            [this, id] {
                m_engine.bypassController().resume(id);
                m_engine.reload();
                // Not forgetting: the watcher fires again for a target the
                // user paused for, but not for one opened anyway or passed.
                m_engine.sendRulesChanged(false);
            },
        .onEdit = [this, id] { emit editRequested(id); },
        .onDelete = [this, id] { emit deleteRequested(id); },
    };
    return new StreakManagerRow(rowValues(streak, m_engine, m_applications, locale()),
                                std::move(actions), m_engine.dayClock().clock(), m_scheduler,
                                widget());
}

void PopoverListView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        rebuild();
    KitScrollArea::changeEvent(event);
}

} // namespace halvex
