#include "editor/TombstoneRow.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "engine/TrimmedBlanks.h"
#include "model/Tombstone.h"
#include "model/DayMonthFormat.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// The outline around the mode label.
class ModePill final : public QWidget {
public:
    explicit ModePill(QWidget *label)
    {
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(8, 2, 8, 2);
        layout->addWidget(label);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Color::divider().resolve(this), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QWidget::event(event);
    }
};

} // namespace

TombstoneRow::TombstoneRow(const std::shared_ptr<Tombstone> &tombstone, const QTimeZone &zone,
                           QWidget *parent)
    : QWidget(parent)
    , m_tombstone(tombstone)
    , m_zone(zone)
    , m_unit(new KitLabel({}, Typography::body13(), Color::inkMuted()))
    , m_mode(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_dates(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
{
    setObjectName(QStringLiteral("streakEditor.tombstone"));
    QFont markFont = font();
    markFont.setPixelSize(20);
    auto *mark = new QLabel(QString::fromUtf8("\U0001FAA6"));
    mark->setFont(markFont);
    mark->setFixedWidth(24);
    mark->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    mark->setAccessibleName(QString()); // decoration

    // A run broken while the clock stood behind its start may be stored below 0.
    auto *count = new KitLabel(QString::number(std::max<qint64>(tombstone->days(), 0)),
                               Typography::title22Semibold(), Color::ink());
    count->setObjectName(QStringLiteral("streakEditor.tombstone.count"));
    m_mode->setObjectName(QStringLiteral("streakEditor.tombstone.mode"));
    m_dates->setObjectName(QStringLiteral("streakEditor.tombstone.dates"));

    auto *daysRow = new QHBoxLayout;
    daysRow->setSpacing(8);
    daysRow->addWidget(count, 0, Qt::AlignVCenter);
    daysRow->addWidget(m_unit, 0, Qt::AlignVCenter);
    daysRow->addWidget(new ModePill(m_mode), 0, Qt::AlignVCenter);
    daysRow->addStretch(1);

    auto *text = new QVBoxLayout;
    text->setSpacing(4);
    text->addLayout(daysRow);
    text->addWidget(m_dates);
    const QString why = tombstone->lastWhyAnswer().value_or(QString());
    if (!why.isEmpty()) {
        auto *answer = new KitLabel(why, Typography::body13(), Color::inkMuted());
        answer->setObjectName(QStringLiteral("streakEditor.tombstone.why"));
        answer->setWordWrap(true);
        // Two lines at most: the label is as tall as two lines of its font.
        answer->setMaximumHeight(2 * answer->fontMetrics().lineSpacing());
        answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->addWidget(answer);
    }

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 8, 0, 8);
    row->setSpacing(12);
    row->addWidget(mark, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    retranslate();
}

QString TombstoneRow::modeLabel(const QString &modeAtBreak)
{
    const QByteArray key = "onboarding.mode." + modeAtBreak.toUtf8() + ".title";
    const QString title = qtTrId(key.constData());
    if (title == QString::fromUtf8(key)) {
        // No title: each word capitalised.
        QString label = modeAtBreak.toLower();
        for (qsizetype i = 0; i < label.size(); ++i) {
            if (label.at(i).isLetter() && (i == 0 || !label.at(i - 1).isLetterOrNumber()))
                label[i] = label.at(i).toUpper();
        }
        return label;
    }
    const QStringList pieces = title.split(u'-', Qt::SkipEmptyParts);
    if (pieces.isEmpty())
        return title;
    return trimmedBlanks(pieces.first());
}

QString TombstoneRow::datesLine(const QDateTime &startedAt, const QDateTime &brokenAt,
                                const QTimeZone &zone, const QLocale &locale)
{
    QString pattern = DayMonthFormat::dayMonthPattern(locale);
    pattern.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    const auto day = [&](const QDateTime &instant) {
        return locale.toString(instant.toTimeZone(zone).date(), pattern);
    };
    return day(startedAt) + QStringLiteral(" \u2192 ") + day(brokenAt);
}

void TombstoneRow::retranslate()
{
    m_unit->setText(qtTrId("streakEditor.tombstone.days"));
    m_mode->setText(modeLabel(m_tombstone->modeAtBreak()));
    m_dates->setText(
        datesLine(m_tombstone->startedAt(), m_tombstone->brokenAt(), m_zone, locale()));
}

void TombstoneRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
