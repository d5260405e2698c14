#include "stats/BlockSuggestionCard.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "stats/UsageReport.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

BlockSuggestionCard::BlockSuggestionCard(const UsageStreakSummary &summary, UsageReportRange range,
                                         Action onTighten, Action onDismiss, QWidget *parent)
    : QWidget(parent)
    , m_summary(summary)
    , m_range(range)
{
    setObjectName(QStringLiteral("usage.suggestion"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(spacing);

    layout->addWidget(new SymbolView(QStringLiteral("exclamationmark.triangle"),
                                     Symbol::sizeForFont(16), Color::warning(), this),
                      0, Qt::AlignTop);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    m_headline = new KitLabel(QString(), systemFont(13, FontWeight::semibold), Color::ink(), this);
    m_headline->setObjectName(QStringLiteral("usage.suggestion.headline"));
    m_prompt = new KitLabel(QString(), Typography::body13(), Color::inkMuted(), this);
    m_prompt->setObjectName(QStringLiteral("usage.suggestion.prompt"));
    for (KitLabel *label : {m_headline, m_prompt}) {
        // Never cut: the texts wrap onto as many lines as they need.
        label->setWordWrap(true);
        texts->addWidget(label);
    }
    column->addLayout(texts);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(8);
    m_tighten = new PrimaryButton({.action = std::move(onTighten), .compact = true}, this);
    m_tighten->setObjectName(QStringLiteral("usage.suggestion.tighten"));
    m_dismiss = new SecondaryButton({.action = std::move(onDismiss), .compact = true}, this);
    m_dismiss->setObjectName(QStringLiteral("usage.suggestion.dismiss"));
    buttons->addWidget(m_tighten);
    buttons->addWidget(m_dismiss);
    buttons->addStretch(1);
    column->addLayout(buttons);
    layout->addLayout(column, 1);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    retranslate();
}

QString BlockSuggestionCard::headline(const UsageStreakSummary &summary, UsageReportRange range)
{
    const QString past = formatUsageDuration(summary.unallowedSeconds);
    // One pass over both arguments, so a "%1" in a streak's name stays as typed.
    if (range == UsageReportRange::today) {
        //% "%1 on %2 today"
        return qtTrId("usage.suggestion.today").arg(past, summary.streakName);
    }
    //% "%1 on %2 in the last 7\u00a0days"
    return qtTrId("usage.suggestion.week").arg(past, summary.streakName);
}

void BlockSuggestionCard::retranslate()
{
    m_headline->setText(headline(m_summary, m_range));
    //% "Want to tighten this streak?"
    m_prompt->setText(qtTrId("usage.suggestion.prompt"));
    //% "Tighten streak"
    m_tighten->setText(qtTrId("usage.suggestion.tighten"));
    //% "Not now"
    m_dismiss->setText(qtTrId("usage.suggestion.dismiss"));
    m_tighten->updateGeometry();
    m_dismiss->updateGeometry();
}

void BlockSuggestionCard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const ThemeColor &warning = Color::warning();
    p.setBrush(warning.withOpacity(fillOpacity).resolve(this));
    p.setPen(QPen(warning.withOpacity(borderOpacity).resolve(this), 1.0));
    p.drawRoundedRect(shape, cornerRadius, cornerRadius);
}

bool BlockSuggestionCard::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void BlockSuggestionCard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
