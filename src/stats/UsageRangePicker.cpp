#include "stats/UsageRangePicker.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/PointingHandCursor.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// One segment: the selected one is an ink pill on the picker's track, which
// stands apart from the track in either appearance (a raised pill of the
// elevated surface all but matched the dark track).
class Segment final : public QAbstractButton {
public:
    explicit Segment(QWidget *parent)
        : QAbstractButton(parent)
    {
        setCheckable(true);
        setAutoExclusive(true);
        setFont(Typography::body13());
        setFocusPolicy(Qt::TabFocus);
        HoverPointingHandCursor::apply(this);
    }

    QSize sizeHint() const override
    {
        return {QFontMetrics(font()).horizontalAdvance(text()) + 2 * horizontalPadding,
                UsageRangePicker::segmentHeight - 2 * UsageRangePicker::inset};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal radius = UsageRangePicker::cornerRadius - UsageRangePicker::inset;
        if (isChecked()) {
            p.setPen(Qt::NoPen);
            p.setBrush(Color::ink().resolve(this));
            p.drawRoundedRect(QRectF(rect()), radius, radius);
        }
        if (hasFocus() && m_keyboardFocus) {
            p.setPen(QPen(Color::accent().resolve(this), 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        }
        p.setFont(font());
        p.setPen((isChecked() ? Color::surfaceElevated() : Color::inkMuted()).resolve(this));
        p.drawText(rect(), Qt::AlignCenter, text());
    }

    void focusInEvent(QFocusEvent *event) override
    {
        // The ring marks focus the keyboard moved here, not that a window
        // opened with this segment first in line.
        m_keyboardFocus =
            event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
        QAbstractButton::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        // The arrows choose the neighbouring segment, as in a radio group.
        const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
        if (step == 0) {
            QAbstractButton::keyPressEvent(event);
            return;
        }
        const auto all =
            parentWidget()->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
        const qsizetype next = all.indexOf(this) + step;
        if (next < 0 || next >= all.size())
            return;
        all[next]->setFocus(Qt::TabFocusReason);
        all[next]->click();
    }

private:
    static constexpr int horizontalPadding = 12;
    bool m_keyboardFocus = false;
};

} // namespace

UsageRangePicker::UsageRangePicker(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("usage.range"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(inset, inset, inset, inset);
    layout->setSpacing(0);
    for (size_t i = 0; i < allUsageReportRanges.size(); ++i) {
        const UsageReportRange range = allUsageReportRanges[i];
        auto *segment = new Segment(this);
        segment->setObjectName(u"usage.range." + raw(range));
        segment->setChecked(range == m_range);
        connect(segment, &QAbstractButton::toggled, this, [this, range](bool checked) {
            if (!checked || range == m_range)
                return;
            m_range = range;
            update();
            emit rangeChanged(range);
        });
        layout->addWidget(segment);
        m_segments[i] = segment;
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    retranslate();
}

void UsageRangePicker::setRange(UsageReportRange range)
{
    m_range = range;
    segment(range)->setChecked(true);
    update();
}

QAbstractButton *UsageRangePicker::segment(UsageReportRange range) const
{
    return m_segments[size_t(range)];
}

void UsageRangePicker::retranslate()
{
    //% "Today"
    segment(UsageReportRange::today)->setText(qtTrId("usage.range.today"));
    //% "Last 7\u00a0days"
    segment(UsageReportRange::sevenDays)->setText(qtTrId("usage.range.sevenDays"));
    for (QAbstractButton *s : m_segments)
        s->updateGeometry();
}

void UsageRangePicker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The edge marks the control's extent against the card or window.
    p.setPen(QPen(Color::inkSubtle().resolve(this), 1.0));
    p.setBrush(Color::divider().withOpacity(0.6).resolve(this));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5,
                      cornerRadius - 0.5);
}

bool UsageRangePicker::event(QEvent *event)
{
    if (Environment::isChange(event)) {
        update();
        for (QAbstractButton *s : m_segments)
            s->update();
    }
    return QWidget::event(event);
}

void UsageRangePicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
