#include "stats/StatsCardHeader.h"

#include <algorithm>

#include <QHBoxLayout>

#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/Typography.h"

namespace halvex {

StatsCardHeader::StatsCardHeader(QWidget *parent)
    : QWidget(parent)
    , m_title(new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), this))
    , m_note(new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    m_title->setWordWrap(true);
    layout->addWidget(m_title, 1, Qt::AlignTop);
    layout->addSpacing(minimumGap);
    m_note->setContentsMargins(
        0, baselineOffset(Typography::headline17Semibold(), Typography::caption11()), 0, 0);
    layout->addWidget(m_note, 0, Qt::AlignTop);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

int StatsCardHeader::baselineOffset(const QFont &large, const QFont &small)
{
    return std::max(0, QFontMetrics(large).ascent() - QFontMetrics(small).ascent());
}

} // namespace halvex
