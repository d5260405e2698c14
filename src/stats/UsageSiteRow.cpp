#include "stats/UsageSiteRow.h"

#include <algorithm>
#include <cmath>

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "stats/UsageReport.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// The bar itself: decoration, hidden from accessibility like any plain widget.
class UsageBar final : public QWidget {
public:
    UsageBar(const UsageStreakSummary &summary, double scaleSeconds, QWidget *parent)
        : QWidget(parent)
        , m_summary(summary)
        , m_scale(scaleSeconds)
    {
        setObjectName(QStringLiteral("usage.row.bar"));
        setFixedHeight(UsageSiteRow::barHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF bar(rect());
        const qreal radius = bar.height() / 2.0;
        QPainterPath capsule;
        capsule.addRoundedRect(bar, radius, radius);
        p.setClipPath(capsule);
        p.fillRect(bar, Color::surface().resolve(this));
        // The edge shows the bar's full length against the window, which the
        // surface colour alone hardly does; the fills cover it where they reach.
        p.setPen(QPen(Color::inkSubtle().resolve(this), 1.0));
        p.drawRoundedRect(bar.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
        const auto fill = UsageSiteRow::barFill(m_summary, m_scale, bar.width());
        p.fillRect(QRectF(0, 0, fill.panel, bar.height()), Color::ink().resolve(this));
        p.fillRect(QRectF(fill.panel, 0, fill.allowance, bar.height()),
                   Color::success().resolve(this));
    }

private:
    UsageStreakSummary m_summary;
    double m_scale;
};

} // namespace

UsageSiteRow::UsageSiteRow(const UsageStreakSummary &summary, double scaleSeconds, QWidget *parent)
    : QWidget(parent)
    , m_summary(summary)
    , m_scaleSeconds(scaleSeconds)
{
    setObjectName(QStringLiteral("usage.row"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, verticalPadding, 0, verticalPadding);
    layout->setSpacing(spacing);

    auto *nameBlock = new QWidget(this);
    nameBlock->setFixedWidth(nameWidth);
    auto *names = new QVBoxLayout(nameBlock);
    names->setContentsMargins(0, 0, 0, 0);
    names->setSpacing(2);
    m_name = new KitLabel(QString(), Typography::body13Medium(), Color::ink(), nameBlock);
    m_name->setObjectName(QStringLiteral("usage.row.name"));
    m_visits = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), nameBlock);
    m_visits->setObjectName(QStringLiteral("usage.row.visits"));
    for (KitLabel *label : {m_name, m_visits}) {
        // Labels take their width from the block, not from their text.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        names->addWidget(label);
    }
    layout->addWidget(nameBlock, 0, Qt::AlignVCenter);

    layout->addWidget(new UsageBar(summary, scaleSeconds, this), 1, Qt::AlignVCenter);

    m_total = new KitLabel(QString(), Typography::body13Medium(), Color::ink(), this);
    m_total->setObjectName(QStringLiteral("usage.row.total"));
    m_total->setFixedWidth(totalWidth);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_total, 0, Qt::AlignVCenter);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    retranslate();
}

UsageSiteRow::BarFill UsageSiteRow::barFill(const UsageStreakSummary &summary, double scaleSeconds,
                                            double width)
{
    const double scale = scaleSeconds > 1.0 ? scaleSeconds : 1.0;
    const double panel = summary.unallowedSeconds / scale;
    const double allowance = std::max(summary.totalSeconds - summary.unallowedSeconds, 0.0) / scale;
    // Not-a-number fractions (a corrupt total) draw as empty.
    const auto share = [](double f) { return std::isnan(f) ? 0.0 : std::clamp(f, 0.0, 1.0); };
    const double panelShare = share(panel);
    return {width * panelShare, width * share(std::min(allowance, 1.0 - panelShare))};
}

QString UsageSiteRow::visitsText(qint64 sessionCount)
{
    if (sessionCount == 1) {
        //% "1 visit"
        return qtTrId("usage.row.visit");
    }
    //% "%1 visits"
    return qtTrId("usage.row.visits").arg(sessionCount);
}

void UsageSiteRow::retranslate()
{
    m_visits->setText(visitsText(m_summary.sessionCount));
    elide();
}

void UsageSiteRow::elide()
{
    // One line each: a long name is cut with an ellipsis at the block's edge.
    const QFontMetrics fm(m_name->font());
    m_name->setText(fm.elidedText(m_summary.streakName, Qt::ElideRight, nameWidth));
    m_name->setToolTip(m_name->text() == m_summary.streakName ? QString() : m_summary.streakName);
    const QString visits = visitsText(m_summary.sessionCount);
    m_visits->setText(QFontMetrics(m_visits->font()).elidedText(visits, Qt::ElideRight, nameWidth));
    const QString total = formatUsageDuration(m_summary.totalSeconds);
    m_total->setText(QFontMetrics(m_total->font()).elidedText(total, Qt::ElideRight, totalWidth));
    m_total->setToolTip(m_total->text() == total ? QString() : total);
}

void UsageSiteRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(QRect(0, height() - 1, width(), 1), Color::divider().resolve(this));
}

bool UsageSiteRow::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

void UsageSiteRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::FontChange)
        elide();
    QWidget::changeEvent(event);
}

} // namespace halvex
