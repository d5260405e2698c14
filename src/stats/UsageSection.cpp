#include "stats/UsageSection.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "engine/NotificationHub.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/Streak.h"
#include "model/UsageSession.h"
#include "platform/SystemTimeZone.h"
#include "stats/BlockSuggestionCard.h"
#include "stats/UsageRangePicker.h"
#include "stats/UsageReport.h"
#include "stats/UsageSiteRow.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// The colour key of one legend item.
class Swatch final : public QWidget {
public:
    Swatch(const ThemeColor &color, QWidget *parent)
        : QWidget(parent)
        , m_color(color)
    {
        setFixedSize(10, 10);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(m_color.resolve(this));
        p.drawRoundedRect(QRectF(rect()), 3, 3);
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }

private:
    ThemeColor m_color;
};

QWidget *legendItem(const QString &name, const ThemeColor &color, const QString &text,
                    QWidget *parent)
{
    auto *item = new QWidget(parent);
    item->setObjectName(name);
    auto *layout = new QHBoxLayout(item);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(new Swatch(color, item), 0, Qt::AlignVCenter);
    layout->addWidget(new KitLabel(text, Typography::caption11(), Color::inkMuted(), item), 0,
                      Qt::AlignVCenter);
    return item;
}

bool isWatched(const Record *record)
{
    const EntitySchema *entity = &record->entity();
    return entity == &UsageSession::schema() || entity == &Streak::schema();
}

} // namespace

UsageSection::UsageSection(ModelContext &context, DayClock clock, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_clock(std::move(clock))
{
    setObjectName(QStringLiteral("usage.section"));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(spacing);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(spacing);
    m_title = new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), this);
    m_title->setObjectName(QStringLiteral("usage.section.title"));
    m_title->setWordWrap(true); // a long translation takes a second line, never clipped
    // The title takes the room the picker leaves, so it wraps only when a
    // translation is longer than that.
    header->addWidget(m_title, 1, Qt::AlignVCenter);
    m_picker = new UsageRangePicker(this);
    header->addWidget(m_picker, 0, Qt::AlignVCenter);
    m_layout->addLayout(header);

    connect(m_picker, &UsageRangePicker::rangeChanged, this, [this](UsageReportRange range) {
        m_range = range;
        refresh();
    });
    connect(&NotificationHub::shared(), &NotificationHub::didCommitSession, this,
            &UsageSection::refresh);
    connect(&m_context, &ModelContext::recordInserted, this, [this](Record *record) {
        if (isWatched(record))
            m_pendingRefresh.schedule();
    });
    connect(&m_context, &ModelContext::recordRemoved, this, [this](Record *record) {
        if (isWatched(record))
            m_pendingRefresh.schedule();
    });
    connect(&m_context, &ModelContext::recordChanged, this,
            [this](Record *record, const QString &field) {
                if (isWatched(record) || (&record->entity() == &AppSettings::schema() &&
                                          field == u"dismissedSuggestionsRaw"))
                    m_pendingRefresh.schedule();
            });
    // The same sessions fall on other days in another zone.
    if (const platform::SystemTimeZone *zone = m_clock.timeZoneSource())
        connect(zone, &platform::SystemTimeZone::changed, this,
                [this] { m_pendingRefresh.schedule(); });

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    retranslate();
    refresh();
}

FetchDescriptor<UsageSession> UsageSection::rangeFetch(UsageReportRange range, const QDateTime &now,
                                                       const QTimeZone &zone)
{
    // Only the sessions that began in the range: the fold would drop every
    // other one, and reading a long history whole takes far longer than a
    // draw may.
    const UsageReportInterval span = interval(range, now, zone);
    using Op = Predicate::Op;
    const QString startedAt = QStringLiteral("startedAt");
    return {Predicate::compare(startedAt, Op::greaterOrEqual, span.start) &&
                Predicate::compare(startedAt, Op::lessOrEqual, span.end),
            {{startedAt, false}}};
}

void UsageSection::setRange(UsageReportRange range)
{
    if (range == m_range)
        return;
    m_range = range;
    m_picker->setRange(range);
    refresh();
}

void UsageSection::refresh()
{
    m_pendingRefresh.settle();
    const auto settings = AppSettings::fetchOrCreate(m_context);
    const auto dismissed = AppSettings::decodeDismissedSuggestions(
        settings->dismissedSuggestionsRaw().value_or(QString()));
    const QDateTime now = m_clock.now();
    const auto sessions =
        m_context.fetch<UsageSession>(rangeFetch(m_range, now, m_clock.timeZone()));
    // A failed fetch shows as no usage; the section reports no errors.
    m_summaries = sessions ? summarizeUsage(*sessions, m_range, dismissed, now, m_clock.timeZone())
                           : std::vector<UsageStreakSummary>{};
    rebuild();
}

void UsageSection::rebuild()
{
    if (m_content) {
        // Later: the click that led here may still be running in a card.
        m_layout->removeWidget(m_content);
        m_content->hide();
        m_content->deleteLater();
    }
    m_content = buildContent();
    m_layout->addWidget(m_content);
    // At once, not on the layout's deferred show, so what a refresh shows is
    // there when it returns.
    m_content->show();
}

QWidget *UsageSection::buildContent()
{
    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("usage.content"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    if (m_summaries.empty()) {
        layout->setContentsMargins(0, 12, 0, 12);
        //% "No usage tracked yet for this range."
        auto *empty = new KitLabel(qtTrId("usage.section.empty"), Typography::body13(),
                                   Color::inkMuted(), content);
        empty->setObjectName(QStringLiteral("usage.section.empty"));
        empty->setWordWrap(true);
        layout->addWidget(empty);
        return content;
    }
    layout->setSpacing(contentSpacing);
    for (const UsageStreakSummary &summary : m_summaries) {
        if (!summary.shouldSuggest)
            continue;
        layout->addWidget(new BlockSuggestionCard(
            summary, m_range, [this, summary] { tighten(summary); },
            [this, summary] { dismissSuggestion(summary); }, content));
    }
    auto *rows = new QWidget(content);
    rows->setObjectName(QStringLiteral("usage.rows"));
    auto *rowsLayout = new QVBoxLayout(rows);
    rowsLayout->setContentsMargins(0, 0, 0, 0);
    rowsLayout->setSpacing(0);
    const double scale =
        std::max_element(m_summaries.begin(), m_summaries.end(), [](const auto &a, const auto &b) {
            return a.totalSeconds < b.totalSeconds;
        })->totalSeconds;
    for (const UsageStreakSummary &summary : m_summaries)
        rowsLayout->addWidget(new UsageSiteRow(summary, scale, rows));
    layout->addWidget(rows);
    layout->addWidget(buildLegend());
    return content;
}

QWidget *UsageSection::buildLegend()
{
    const bool anyPanel = std::any_of(m_summaries.begin(), m_summaries.end(),
                                      [](const auto &s) { return s.unallowedSeconds > 0; });
    const bool anyAllowance =
        std::any_of(m_summaries.begin(), m_summaries.end(),
                    [](const auto &s) { return s.unallowedSeconds < s.totalSeconds; });
    auto *legend = new QWidget;
    legend->setObjectName(QStringLiteral("usage.legend"));
    auto *layout = new QHBoxLayout(legend);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(16);
    if (anyPanel) {
        //% "Past the panel"
        layout->addWidget(legendItem(QStringLiteral("usage.legend.panel"), Color::ink(),
                                     qtTrId("usage.legend.panel"), legend));
    }
    if (anyAllowance) {
        //% "Within the daily allowance"
        layout->addWidget(legendItem(QStringLiteral("usage.legend.allowance"), Color::success(),
                                     qtTrId("usage.legend.allowance"), legend));
    }
    layout->addStretch(1);
    return legend;
}

void UsageSection::tighten(const UsageStreakSummary &summary)
{
    const auto found = m_context.fetch<Streak>(
        FetchDescriptor<Streak>(Predicate::equal(QStringLiteral("id"), summary.streakId)));
    if (!found || found->empty())
        return;
    emit streakSelected(found->front());
}

void UsageSection::dismissSuggestion(const UsageStreakSummary &summary)
{
    const auto settings = AppSettings::fetchOrCreate(m_context);
    auto dismissed = AppSettings::decodeDismissedSuggestions(
        settings->dismissedSuggestionsRaw().value_or(QString()));
    dismissed[summary.streakId] = m_clock.now();
    settings->setDismissedSuggestionsRaw(AppSettings::encodeDismissedSuggestions(dismissed));
    // A failed save keeps the change in the context, which the next fold
    // reads, so the card goes all the same.
    static_cast<void>(m_context.save());
    refresh();
}

void UsageSection::retranslate()
{
    //% "Time spent anyway"
    m_title->setText(qtTrId("usage.section.title"));
}

void UsageSection::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_pendingRefresh.schedule();
    }
    QWidget::changeEvent(event);
}

} // namespace halvex
