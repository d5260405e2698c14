#include "stats/StatsRootView.h"

#include <algorithm>

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "ui/KeyboardFocusRing.h"
#include "engine/StreakEngine.h"
#include "model/ModelContext.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "model/DayMonthFormat.h"
#include "stats/StreakSummaryRow.h"
#include "stats/TriggerHourDistributionView.h"
#include "stats/UsageSection.h"
#include "stats/WhyAnswerListView.h"
#include "ui/Color.h"
#include "ui/EmptyStateBlock.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/KitScrollArea.h"
#include "ui/PointingHandCursor.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

const QFont &metricFont()
{
    static const QFont font = systemFont(40, FontWeight::bold, FontDesign::rounded);
    return font;
}

// A metric's number on one line: a number too wide for its tile shrinks,
// down to 0.6 of its size, before it is cut.
class MetricValue final : public QWidget {
public:
    static constexpr double minimumScale = 0.6;

    MetricValue(const ThemeColor &color, QWidget *parent)
        : QWidget(parent)
        , m_color(color)
    {
        setFont(metricFont());
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        setFixedHeight(QFontMetrics(metricFont()).height());
    }

    const QString &text() const { return m_text; }
    void setText(const QString &text)
    {
        m_text = text;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QFont font = metricFont();
        const double natural = QFontMetricsF(font).horizontalAdvance(m_text);
        if (natural > width() && natural > 0)
            font.setPointSizeF(font.pointSizeF() * std::max(minimumScale, width() / natural));
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(m_color.resolve(this));
        const QFontMetricsF fm(font);
        const QString shown = fm.elidedText(m_text, Qt::ElideRight, width());
        // On the baseline the full-size number would have.
        p.drawText(QPointF(0, QFontMetricsF(metricFont()).ascent()), shown);
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }

private:
    QString m_text;
    ThemeColor m_color;
};

// The hairline between and around the metric tiles.
class Hairline final : public QWidget {
public:
    Hairline(Qt::Orientation orientation, QWidget *parent)
        : QWidget(parent)
    {
        if (orientation == Qt::Vertical) {
            setFixedWidth(1);
            setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        } else {
            setFixedHeight(1);
            setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Color::divider().resolve(this));
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }
};

// A streak's row as a plain button: no frame or fill, the whole row takes
// the press, the pointing hand over it, a ring only for keyboard focus.
class StreakButton final : public QAbstractButton {
public:
    StreakButton(StreakSummaryRow *row, QWidget *parent)
        : QAbstractButton(parent)
    {
        setObjectName(QStringLiteral("stats.streakRow"));
        setFocusPolicy(Qt::TabFocus);
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(row);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        HoverPointingHandCursor::apply(this);
        KeyboardFocusRing::track(this);
    }

    QSize sizeHint() const override { return layout()->sizeHint(); }

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus() || !KeyboardFocusRing::shows(this))
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Color::accent().resolve(this), 2));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
};

bool isStepBackField(const QString &field)
{
    return field.isEmpty() || field == u"firedAt" || field == u"outcomeRaw";
}

} // namespace

StatsRootView::StatsRootView(ModelContext &context, StreakEngine &engine,
                             StreakAction onStreakSelect, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_engine(engine)
    , m_onStreakSelect(std::move(onStreakSelect))
    , m_stepBackCutoff(
          halvex::stepBackCutoff(engine.dayClock().now(), engine.dayClock().timeZone()))
    , m_stepBackZone(engine.dayClock().timeZone())
{
    setObjectName(QStringLiteral("stats.root"));
    setMinimumSize(minimumWidth, minimumHeight);
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);

    //% "Nothing to show yet. Come back tomorrow."
    m_empty = new EmptyStateBlock({.title = qtTrId("stats.empty")}, this);
    m_empty->setObjectName(QStringLiteral("stats.empty"));
    m_stack->addWidget(m_empty);

    m_scroll = new KitScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("stats.scroll"));
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("stats.page"));
    page->setAutoFillBackground(false);
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(horizontalPadding, verticalPadding, horizontalPadding,
                               verticalPadding);
    column->setSpacing(spacing);

    // Header.
    auto *header = new QVBoxLayout;
    header->setSpacing(4);
    m_title = new KitLabel(QString(), Typography::title22Semibold(), Color::ink(), page);
    m_title->setObjectName(QStringLiteral("stats.title"));
    m_since = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), page);
    m_since->setObjectName(QStringLiteral("stats.since"));
    header->addWidget(m_title);
    header->addWidget(m_since);
    column->addLayout(header);

    column->addWidget(buildMetricRow());

    // Streak list.
    auto *list = new QVBoxLayout;
    list->setSpacing(12);
    m_listTitle = new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), page);
    m_listTitle->setObjectName(QStringLiteral("stats.activeList.title"));
    list->addWidget(m_listTitle);
    m_rowsLayout = new QVBoxLayout;
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    list->addLayout(m_rowsLayout);
    m_nextMilestone = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), page);
    m_nextMilestone->setObjectName(QStringLiteral("stats.nextMilestone"));
    m_nextMilestone->setWordWrap(true);
    list->addWidget(m_nextMilestone);
    column->addLayout(list);

    m_triggerHours = new TriggerHourDistributionView(context, engine.dayClock(), page);
    column->addWidget(m_triggerHours);
    m_usage = new UsageSection(context, engine.dayClock(), page);
    connect(m_usage, &UsageSection::streakSelected, this, &StatsRootView::selectStreak);
    column->addWidget(m_usage);
    m_whyAnswers = new WhyAnswerListView(context, page);
    column->addWidget(m_whyAnswers);
    column->addStretch(1);

    m_scroll->setWidget(page);
    m_stack->addWidget(m_scroll);

    // Queued: the engine announces before its list changes.
    const auto refreshLater = [this] { m_pendingRefresh.schedule(); };
    connect(&m_engine, &StreakEngine::objectWillChange, this, refreshLater);
    connect(&m_engine, &StreakEngine::streaksChanged, this, refreshLater);
    connect(&m_engine, &StreakEngine::primaryStreakIdChanged, this, refreshLater);
    const auto watch = [this](Record *record, const QString &field) {
        const EntitySchema *entity = &record->entity();
        if ((entity == &TriggerEvent::schema() && isStepBackField(field)) ||
            entity == &Streak::schema())
            m_pendingRefresh.schedule();
    };
    connect(&m_context, &ModelContext::recordInserted, this,
            [watch](Record *record) { watch(record, QString()); });
    connect(&m_context, &ModelContext::recordRemoved, this,
            [watch](Record *record) { watch(record, QString()); });
    connect(&m_context, &ModelContext::recordChanged, this, watch);

    refresh();
}

QWidget *StatsRootView::buildMetricRow()
{
    struct Tile {
        const char *name;
        ThemeColor color;
    };
    const Tile tiles[] = {{"stats.metric.totalCleanDays", Color::ink()},
                          {"stats.metric.longestStreak", Color::ink()},
                          {"stats.metric.steppedBack", Color::brand()}};
    auto *block = new QWidget;
    block->setObjectName(QStringLiteral("stats.metrics"));
    auto *outer = new QVBoxLayout(block);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(new Hairline(Qt::Horizontal, block));
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    for (const Tile &t : tiles) {
        if (!m_metricTiles.isEmpty())
            row->addWidget(new Hairline(Qt::Vertical, block));
        auto *tile = new QWidget(block);
        tile->setObjectName(QString::fromLatin1(t.name));
        auto *stack = new QVBoxLayout(tile);
        stack->setContentsMargins(16, 16, 16, 16);
        stack->setSpacing(6);
        auto *value = new MetricValue(t.color, tile);
        auto *label = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), tile);
        label->setWordWrap(true); // a long label wraps; it is never cut
        stack->addWidget(value);
        stack->addWidget(label);
        stack->addStretch(1);
        row->addWidget(tile, 1);
        m_metricTiles << tile;
        m_metricLabels << label;
        m_metricValues << value;
    }
    outer->addLayout(row);
    outer->addWidget(new Hairline(Qt::Horizontal, block));
    block->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return block;
}

QString StatsRootView::nextMilestoneText() const
{
    if (!m_metrics.nextMilestone)
        return {};
    const UpcomingMilestone &next = *m_metrics.nextMilestone;
    const QString date = DayMonthFormat::milestoneDate(next.date, m_engine.dayClock().now(),
                                                       m_engine.dayClock().timeZone(), locale());
    //% "Next milestone: %1 reaches %2\u00a0days on %3."
    return qtTrId("stats.nextMilestone").arg(next.name, locale().toString(next.target), date);
}

void StatsRootView::refresh()
{
    m_pendingRefresh.settle();
    if (const QTimeZone zone = m_engine.dayClock().timeZone(); zone != m_stepBackZone) {
        m_stepBackZone = zone;
        m_stepBackCutoff = halvex::stepBackCutoff(m_engine.dayClock().now(), zone);
    }
    m_metrics = StatsMetrics::compute(m_engine);
    const auto count = m_context.fetchCount(recentStepBacksFetch(m_stepBackCutoff));
    m_recentStepBacks = count ? *count : 0; // a failed count shows as none
    m_stack->setCurrentWidget(m_engine.streaks().empty() ? static_cast<QWidget *>(m_empty)
                                                         : m_scroll);
    rebuildStreakList();
    retranslate();
}

void StatsRootView::rebuildStreakList()
{
    if (m_rows) {
        // Later: the click that led here may still be running in a row.
        m_rowsLayout->removeWidget(m_rows);
        m_rows->hide();
        m_rows->deleteLater();
    }
    m_rows = new QWidget;
    m_rows->setObjectName(QStringLiteral("stats.activeList"));
    auto *rows = new QVBoxLayout(m_rows);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(8);
    for (const auto &streak : m_engine.streaks()) {
        const StreakSummaryRow::Options options{
            .name = streak->name(),
            .days = m_engine.days(*streak),
            .mode = streak->mode(),
            .isPaused = m_engine.pausedUntilIfActive(*streak).has_value(),
            .scaleDays = m_metrics.barScaleDays,
        };
        auto *row = new StreakSummaryRow(options);
        auto *button = new StreakButton(row, m_rows);
        button->setAccessibleName(
            QStringList{options.name, StreakSummaryRow::subtitle(options.mode, options.isPaused),
                        qtTrId("a11y.dayCount", int(options.days))}
                .join(QStringLiteral(", ")));
        connect(button, &QAbstractButton::clicked, this, [this, streak] { selectStreak(streak); });
        rows->addWidget(button);
    }
    m_rowsLayout->addWidget(m_rows);
    m_rows->show();
}

void StatsRootView::retranslate()
{
    //% "Nothing to show yet. Come back tomorrow."
    m_empty->titleLabel()->setText(qtTrId("stats.empty"));
    //% "Stats"
    m_title->setText(qtTrId("stats.window.title"));
    if (m_metrics.earliestStreakCreation) {
        //% "Since %1"
        m_since->setText(
            qtTrId("stats.since")
                .arg(DayMonthFormat::dayMonth(*m_metrics.earliestStreakCreation,
                                              m_engine.dayClock().timeZone(), locale())));
    }
    m_since->setVisible(m_metrics.earliestStreakCreation.has_value());

    const qint64 values[] = {m_metrics.totalCleanDays, m_metrics.longestStreakDays,
                             m_recentStepBacks};
    const QString labels[] = {qtTrId("stats.totalCleanDays"), qtTrId("stats.longestStreak"),
                              //% "Stepped back this week"
                              qtTrId("stats.steppedBack")};
    // Spoken as one phrase with the count in its own form: the label under
    // the figure reads the same for every count.
    const QString spoken[] = {//% "%n clean days in total"
                              qtTrId("a11y.stats.totalCleanDays", int(values[0])),
                              //% "Longest streak: %n\u00a0days"
                              qtTrId("a11y.stats.longestStreak", int(values[1])),
                              //% "Stepped back %n times this week"
                              qtTrId("a11y.stats.steppedBack", int(values[2]))};
    for (qsizetype i = 0; i < m_metricTiles.size(); ++i) {
        auto *value = static_cast<MetricValue *>(m_metricValues[i]);
        value->setText(QString::number(values[i]));
        m_metricLabels[i]->setText(labels[i]);
        m_metricTiles[i]->setAccessibleName(spoken[i]);
    }

    //% "Active streaks"
    m_listTitle->setText(qtTrId("stats.activeList.title"));
    const QString next = nextMilestoneText();
    m_nextMilestone->setText(next);
    m_nextMilestone->setVisible(!next.isEmpty());
}

void StatsRootView::selectStreak(const std::shared_ptr<Streak> &streak)
{
    if (m_onStreakSelect && streak)
        m_onStreakSelect(streak);
}

void StatsRootView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

bool StatsRootView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void StatsRootView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        m_pendingRefresh.schedule();
    QWidget::changeEvent(event);
}

} // namespace halvex
