#include "stats/StreakSummaryRow.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/ModeChip.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/ProgressTrack.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

const QFont &countFont()
{
    static const QFont font = systemFont(17, FontWeight::bold, FontDesign::rounded);
    return font;
}

} // namespace

StreakSummaryRow::StreakSummaryRow(Options options, QWidget *parent)
    : QWidget(parent)
    , m_options(std::move(options))
{
    setObjectName(QStringLiteral("stats.streakRow.summary"));
    // The surrounding button takes every press, gaps included.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, verticalPadding, 0, verticalPadding);
    layout->setSpacing(spacing);

    auto *nameColumn = new QWidget(this);
    nameColumn->setFixedWidth(nameWidth);
    auto *names = new QVBoxLayout(nameColumn);
    names->setContentsMargins(0, 0, 0, 0);
    names->setSpacing(2);
    m_name = new KitLabel(QString(), Typography::body13Medium(), Color::ink(), nameColumn);
    m_name->setObjectName(QStringLiteral("stats.streakRow.name"));
    m_subtitle = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), nameColumn);
    m_subtitle->setObjectName(QStringLiteral("stats.streakRow.subtitle"));
    for (KitLabel *label : {m_name, m_subtitle}) {
        // Each one line, cut at the column's edge, so the bar keeps its place.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        label->setTextFormat(Qt::PlainText);
        names->addWidget(label);
    }
    layout->addWidget(nameColumn, 0, Qt::AlignVCenter);

    const ThemeColor fill = m_options.isPaused ? Color::inkMuted().withOpacity(0.5) : Color::ink();
    m_bar = new ProgressTrack({.progress = fillShare(m_options.days, m_options.scaleDays),
                               .fill = fill,
                               .track = Color::surface(),
                               .height = barHeight},
                              this);
    m_bar->setObjectName(QStringLiteral("stats.streakRow.bar"));
    layout->addWidget(m_bar, 1, Qt::AlignVCenter);

    // The count and its unit share a baseline, flush with the trailing edge.
    auto *countColumn = new QWidget(this);
    countColumn->setFixedWidth(countWidth);
    auto *counts = new QHBoxLayout(countColumn);
    counts->setContentsMargins(0, 0, 0, 0);
    counts->setSpacing(4);
    counts->addStretch(1);
    m_count = new KitLabel(QString::number(m_options.days), countFont(), Color::ink(), countColumn);
    m_count->setObjectName(QStringLiteral("stats.streakRow.count"));
    m_unit = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), countColumn);
    m_unit->setObjectName(QStringLiteral("stats.streakRow.unit"));
    // Bottoms aligned, the smaller text lifted by the difference of the
    // descents: the two baselines meet.
    m_unit->setContentsMargins(0, 0, 0,
                               std::max(0, QFontMetrics(countFont()).descent() -
                                               QFontMetrics(Typography::caption11()).descent()));
    counts->addWidget(m_count, 0, Qt::AlignBottom);
    counts->addWidget(m_unit, 0, Qt::AlignBottom);
    layout->addWidget(countColumn, 0, Qt::AlignVCenter);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    retranslate();
}

double StreakSummaryRow::fillShare(qint64 days, qint64 scaleDays)
{
    return double(days) / double(std::max<qint64>(scaleDays, 1));
}

QString StreakSummaryRow::subtitle(StrictnessMode mode, bool isPaused)
{
    const QString name = modeDisplayName(mode);
    if (!isPaused)
        return name;
    //% "paused"
    return name + QStringLiteral(", ") + qtTrId("stats.streak.paused");
}

void StreakSummaryRow::retranslate()
{
    const auto elided = [](KitLabel *label, const QString &text) {
        label->setText(QFontMetrics(label->font()).elidedText(text, Qt::ElideRight, nameWidth));
    };
    elided(m_name, m_options.name);
    elided(m_subtitle, subtitle(m_options.mode, m_options.isPaused));
    m_unit->setText(qtTrId("streakEditor.tombstone.days"));
}

void StreakSummaryRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
