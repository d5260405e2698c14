#include "menubar/StreakRowProgressLine.h"

#include <cmath>

#include <QHBoxLayout>
#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/ProgressTrack.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr qreal tintCornerRadius = 8.0;
constexpr qreal tintOpacity = 0.16;

int totalMinutes(int allowanceMinutes)
{
    return qMax(1, allowanceMinutes);
}

} // namespace

qint64 StreakRowProgressLine::minutesLeft(double remainingSeconds)
{
    return qint64(std::ceil(remainingSeconds / 60.0));
}

QString StreakRowProgressLine::allowanceCaption(double remainingSeconds, int allowanceMinutes)
{
    const qint64 left = minutesLeft(remainingSeconds);
    if (left < 1) {
        //% "No minutes left today"
        return qtTrId("streakManager.row.allowanceSpent");
    }
    //% "%1 of %2\u00a0min left"
    return qtTrId("streakManager.row.allowanceOf")
        .arg(QString::number(left), QString::number(totalMinutes(allowanceMinutes)));
}

double StreakRowProgressLine::allowanceFraction(double remainingSeconds, int allowanceMinutes)
{
    const int total = totalMinutes(allowanceMinutes);
    return double(qMin<qint64>(total, minutesLeft(remainingSeconds))) / total;
}

QString StreakRowProgressLine::milestoneCaption(const MilestoneBounds &bounds, qint64 days)
{
    // Counted, so that a language can give the days left their unit in the
    // right form ("Noch 1 Tag bis 7").
    //% "%n more to %1\u00a0days"
    return qtTrId("streakManager.row.milestone", int(bounds.next - days))
        .arg(QString::number(bounds.next));
}

double StreakRowProgressLine::milestoneFraction(const MilestoneBounds &bounds, qint64 days)
{
    const qint64 span = bounds.next - bounds.previous;
    return double(days - bounds.previous) / double(span < 1 ? 1 : span);
}

StreakRowProgressLine::StreakRowProgressLine(Kind kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

StreakRowProgressLine *
StreakRowProgressLine::forRow(std::optional<double> allowanceRemainingSeconds, int allowanceMinutes,
                              qint64 days, QWidget *parent)
{
    if (allowanceRemainingSeconds) {
        const double seconds = *allowanceRemainingSeconds;
        auto *line = new StreakRowProgressLine(Kind::allowance, parent);
        line->setObjectName(QStringLiteral("popover.list.row.allowance"));
        const bool spent = minutesLeft(seconds) < 1;
        // Edged in green: the grey edge of other bars fades on the green tint.
        line->m_track = new ProgressTrack({.progress = allowanceFraction(seconds, allowanceMinutes),
                                           .fill = Color::success(),
                                           .track = Color::divider(),
                                           .height = 4.0,
                                           .outline = Color::success()},
                                          line);
        line->m_caption = new KitLabel(allowanceCaption(seconds, allowanceMinutes),
                                       systemFont(11, FontWeight::semibold),
                                       spent ? Color::inkMuted() : Color::ink(), line);
        auto *row = new QHBoxLayout(line);
        row->setContentsMargins(8, 6, 8, 6);
        row->setSpacing(8);
        row->addWidget(new SymbolView(QStringLiteral("clock"), Symbol::sizeForFont(11),
                                      Color::success(), line),
                       0, Qt::AlignVCenter);
        row->addWidget(line->m_track, 1, Qt::AlignVCenter);
        row->addWidget(line->m_caption, 0, Qt::AlignVCenter);
        line->m_caption->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        line->setAccessibleName(line->m_caption->text());
        return line;
    }
    const auto bounds = milestoneBounds(days);
    if (!bounds)
        return nullptr;
    auto *line = new StreakRowProgressLine(Kind::milestone, parent);
    line->setObjectName(QStringLiteral("popover.list.row.milestone"));
    line->m_track = new ProgressTrack(
        {milestoneFraction(*bounds, days), Color::ink(), Color::surface(), 4.0}, line);
    line->m_caption = new KitLabel(milestoneCaption(*bounds, days), Typography::caption11(),
                                   Color::inkMuted(), line);
    line->m_caption->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto *row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(line->m_track, 1, Qt::AlignVCenter);
    row->addWidget(line->m_caption, 0, Qt::AlignVCenter);
    line->setAccessibleName(line->m_caption->text());
    return line;
}

void StreakRowProgressLine::paintEvent(QPaintEvent *)
{
    if (m_kind != Kind::allowance)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Color::success().withOpacity(tintOpacity).resolve(this));
    p.drawRoundedRect(QRectF(rect()), tintCornerRadius, tintCornerRadius);
}

bool StreakRowProgressLine::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
