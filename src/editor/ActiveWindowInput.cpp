#include "editor/ActiveWindowInput.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/KeyboardFocusRing.h"
#include "editor/SelectionLook.h"
#include "editor/StreakFollower.h"
#include "engine/StreakEngine.h"
#include "model/Streak.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/PointingHandCursor.h"
#include "ui/TimeInputField.h"
#include "ui/ToggleRow.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr qreal cornerRadius = 8.0;

// Weekday 1 = Sunday ... 7 = Saturday in Qt's numbering (Monday = 1).
int qtDayOf(int weekday)
{
    return weekday == 1 ? 7 : weekday - 1;
}

QString shortDayName(const QLocale &locale, int weekday)
{
    return locale.standaloneDayName(qtDayOf(weekday), QLocale::ShortFormat);
}

QString clock(int minutes)
{
    // Always 24-hour, whatever the locale: a compact, unambiguous range.
    return QString::asprintf("%02d:%02d", minutes / 60, minutes % 60);
}

// A time field in its outlined box, under its label.
QWidget *timeColumn(KitLabel *label, TimeInputField *field, QWidget *parent)
{
    class Box final : public QWidget {
    public:
        using QWidget::QWidget;

    protected:
        void paintEvent(QPaintEvent *) override
        {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Color::divider().resolve(this), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius,
                              cornerRadius);
        }
        bool event(QEvent *event) override
        {
            if (Environment::isChange(event))
                update();
            return QWidget::event(event);
        }
    };
    auto *column = new QWidget(parent);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(label);
    auto *box = new Box(column);
    auto *inside = new QHBoxLayout(box);
    // Optically centred: the field's text sits a little high in its line.
    inside->setContentsMargins(12, 14, 12, 12);
    inside->addWidget(field);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(box, 0, Qt::AlignLeft);
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return column;
}

// One weekday's chip: its short name, filled in ink while ticked.
class WeekdayChip final : public QAbstractButton {
public:
    WeekdayChip(int weekday, const QString &name, bool selected, QWidget *parent)
        : QAbstractButton(parent)
        , m_weekday(weekday)
        , m_look(new SelectionLook(this, selected))
    {
        setObjectName(QStringLiteral("streakEditor.activeWindow.day.") + QString::number(weekday));
        setText(name);
        setAccessibleName(name);
        // The selected trait: checked while ticked, never by a click alone.
        setCheckable(true);
        setChecked(selected);
        setFocusPolicy(Qt::TabFocus);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        HoverPointingHandCursor::apply(this);
        KeyboardFocusRing::track(this);
    }
    int weekday() const { return m_weekday; }
    void setSelected(bool selected)
    {
        setChecked(selected);
        m_look->setSelected(selected);
    }
    QSize sizeHint() const override
    {
        const QFontMetrics fm(Typography::caption11());
        return {fm.horizontalAdvance(text()) + 8, fm.height() + 16};
    }
    QSize minimumSizeHint() const override { return {16, sizeHint().height()}; }

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal t = qBound(0.0, m_look->value(), 1.0);
        const QColor ink = Color::ink().resolve(this);
        QColor fill = ink;
        fill.setAlphaF(ink.alphaF() * t);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        // Unticked, the edge is all that shows a chip can be ticked: subtle
        // ink, as the divider colour all but vanished against the window.
        p.setPen(QPen(Color::mix(Color::inkSubtle().resolve(this), ink, t), 1.0));
        p.setBrush(fill);
        p.drawRoundedRect(box, cornerRadius, cornerRadius);

        QFont font = Typography::caption11();
        const int room = width() - 4;
        const int natural = QFontMetrics(font).horizontalAdvance(text());
        if (natural > room && natural > 0)
            font.setPixelSize(qMax(1, qRound(font.pixelSize() * qMax(0.8, qreal(room) / natural))));
        p.setFont(font);
        p.setPen(Color::mix(Color::inkMuted().resolve(this), Color::background().resolve(this), t));
        p.drawText(QRectF(rect()), Qt::AlignCenter,
                   QFontMetrics(font).elidedText(text(), Qt::ElideRight, room));
        if (KeyboardFocusRing::shows(this)) {
            p.setPen(QPen(Color::accent().resolve(this), 2.0));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(box.adjusted(2, 2, -2, -2), cornerRadius - 2, cornerRadius - 2);
        }
    }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QAbstractButton::event(event);
    }

private:
    int m_weekday;
    SelectionLook *m_look;
};

} // namespace

ActiveWindowInput::ActiveWindowInput(QWidget *parent)
    : ActiveWindowInput(Value{}, parent)
{}

ActiveWindowInput::ActiveWindowInput(const Value &value, QWidget *parent)
    : QWidget(parent)
    , m_value(value)
    , m_firstDay(QLocale::system().firstDayOfWeek())
    , m_toggle(
          new ToggleRow({.isOn = value.enabled,
                         .accessibilityID = QStringLiteral("streakEditor.activeWindow.toggle")},
                        this))
    , m_details(new QWidget(this))
    , m_fromLabel(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_toLabel(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_start(new TimeInputField(0, QStringLiteral("streakEditor.activeWindow.start")))
    , m_end(new TimeInputField(0, QStringLiteral("streakEditor.activeWindow.end")))
    , m_overnight(new KitLabel({}, Typography::caption11(), Color::inkMuted(), m_details))
    , m_daysLabel(new KitLabel({}, Typography::caption11(), Color::inkMuted()))
    , m_chips(new QWidget)
{
    m_overnight->setWordWrap(true);
    auto *times = new QHBoxLayout;
    times->setContentsMargins(0, 0, 0, 0);
    times->setSpacing(12);
    times->addWidget(timeColumn(m_fromLabel, m_start, m_details), 0, Qt::AlignBottom);
    times->addWidget(timeColumn(m_toLabel, m_end, m_details), 0, Qt::AlignBottom);
    times->addStretch(1);

    auto *chipRow = new QHBoxLayout(m_chips);
    chipRow->setContentsMargins(0, 0, 0, 0);
    chipRow->setSpacing(4);
    auto *days = new QVBoxLayout;
    days->setContentsMargins(0, 4, 0, 0);
    days->setSpacing(4);
    days->addWidget(m_daysLabel);
    days->addWidget(m_chips);

    auto *details = new QVBoxLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    details->setSpacing(spacing);
    details->addLayout(times);
    details->addWidget(m_overnight);
    details->addLayout(days);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    column->addWidget(m_toggle);
    column->addWidget(m_details);

    connect(m_toggle, &ToggleRow::toggled, this, [this](bool on) {
        if (m_refreshing || on == m_value.enabled)
            return;
        m_value.enabled = on;
        refresh();
        emit enabledEdited(on);
    });
    connect(m_start, &TimeInputField::minutesChanged, this, [this](int minutes) {
        if (m_refreshing || minutes == m_value.startMinutes)
            return;
        m_value.startMinutes = minutes;
        refresh();
        emit startMinutesEdited(minutes);
    });
    connect(m_end, &TimeInputField::minutesChanged, this, [this](int minutes) {
        if (m_refreshing || minutes == m_value.endMinutes)
            return;
        m_value.endMinutes = minutes;
        refresh();
        emit endMinutesEdited(minutes);
    });
    rebuildChips();
    retranslate();
    refresh();
}

void ActiveWindowInput::setValue(const Value &value)
{
    if (value == m_value)
        return;
    m_value = value;
    refresh();
}

void ActiveWindowInput::setFirstDayOfWeek(Qt::DayOfWeek day)
{
    if (day == m_firstDay)
        return;
    m_firstDay = day;
    rebuildChips();
}

void ActiveWindowInput::bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak)
{
    followStreak(this, streak,
                 {QStringLiteral("activeWindowEnabled"), QStringLiteral("activeWindowStartMinutes"),
                  QStringLiteral("activeWindowEndMinutes"), QStringLiteral("activeWeekdaysMask")},
                 [this, streak] {
                     setValue({StreakEngine::activeWindowEnabledBindingGet(streak),
                               StreakEngine::activeWindowStartMinutesBindingGet(streak),
                               StreakEngine::activeWindowEndMinutesBindingGet(streak),
                               StreakEngine::activeWeekdaysMaskBindingGet(streak)});
                 });
    connect(this, &ActiveWindowInput::enabledEdited, &engine,
            [&engine, streak](bool on) { engine.activeWindowEnabledBindingSet(streak, on); });
    connect(this, &ActiveWindowInput::startMinutesEdited, &engine,
            [&engine, streak](int m) { engine.activeWindowStartMinutesBindingSet(streak, m); });
    connect(this, &ActiveWindowInput::endMinutesEdited, &engine,
            [&engine, streak](int m) { engine.activeWindowEndMinutesBindingSet(streak, m); });
    connect(this, &ActiveWindowInput::weekdaysMaskEdited, &engine,
            [&engine, streak](int mask) { engine.activeWeekdaysMaskBindingSet(streak, mask); });
}

int ActiveWindowInput::weekdayAt(int index, Qt::DayOfWeek firstDayOfWeek)
{
    const int firstWeekday = firstDayOfWeek == Qt::Sunday ? 1 : int(firstDayOfWeek) + 1;
    return (firstWeekday - 1 + index) % 7 + 1;
}

int ActiveWindowInput::toggledMask(int mask, int weekday)
{
    const int bit = 1 << (weekday - 1);
    const bool onlyDay = mask == bit;
    return onlyDay ? mask : mask ^ bit;
}

std::optional<QString> ActiveWindowInput::weekdaySummary(int mask, const QLocale &locale,
                                                         Qt::DayOfWeek firstDayOfWeek)
{
    if (mask == everyDay)
        return std::nullopt;
    if (mask == weekends)
        //% "weekends"
        return qtTrId("streakManager.row.weekends");
    if (mask == weekdays)
        //% "weekdays"
        return qtTrId("streakManager.row.weekdays");
    QStringList names;
    for (int i = 0; i < 7; ++i) {
        const int weekday = weekdayAt(i, firstDayOfWeek);
        if (mask & (1 << (weekday - 1)))
            names << shortDayName(locale, weekday);
    }
    return names.join(u' ');
}

std::optional<QString> ActiveWindowInput::summary(const Value &value, const QLocale &locale,
                                                  Qt::DayOfWeek firstDayOfWeek)
{
    if (!value.enabled)
        return std::nullopt;
    QString text = clock(value.startMinutes) + u'-' + clock(value.endMinutes);
    const std::optional<QString> days = weekdaySummary(value.weekdaysMask, locale, firstDayOfWeek);
    // A mask of no day at all (only foreign data holds one) adds nothing,
    // rather than a dangling ", ".
    if (days && !days->isEmpty())
        text += u", " + *days;
    return text;
}

std::optional<QString> ActiveWindowInput::summary(const Streak &streak, const QLocale &locale,
                                                  Qt::DayOfWeek firstDayOfWeek)
{
    return summary({streak.activeWindowEnabled(), streak.activeWindowStartMinutes(),
                    streak.activeWindowEndMinutes(), streak.activeWeekdaysMask()},
                   locale, firstDayOfWeek);
}

void ActiveWindowInput::refresh()
{
    m_refreshing = true;
    m_toggle->setOn(m_value.enabled);
    m_details->setVisible(m_value.enabled);
    m_start->setMinutes(m_value.startMinutes);
    m_end->setMinutes(m_value.endMinutes);
    m_overnight->setVisible(m_value.startMinutes > m_value.endMinutes);
    for (auto *chip : m_chips->findChildren<WeekdayChip *>())
        chip->setSelected(m_value.weekdaysMask & (1 << (chip->weekday() - 1)));
    m_refreshing = false;
}

void ActiveWindowInput::rebuildChips()
{
    auto *row = static_cast<QHBoxLayout *>(m_chips->layout());
    qDeleteAll(m_chips->findChildren<WeekdayChip *>());
    for (int i = 0; i < 7; ++i) {
        const int weekday = weekdayAt(i, m_firstDay);
        auto *chip = new WeekdayChip(weekday, shortDayName(locale(), weekday),
                                     m_value.weekdaysMask & (1 << (weekday - 1)), m_chips);
        row->addWidget(chip, 1);
        connect(chip, &QAbstractButton::clicked, this, [this, weekday] {
            const int mask = toggledMask(m_value.weekdaysMask, weekday);
            if (mask == m_value.weekdaysMask)
                return;
            m_value.weekdaysMask = mask;
            refresh();
            emit weekdaysMaskEdited(mask);
        });
    }
}

void ActiveWindowInput::retranslate()
{
    //% "Active hours"
    m_toggle->setTitle(qtTrId("streakEditor.activeWindow.title"));
    //% "Block only at these times and on these days."
    m_toggle->setSubtitle(qtTrId("streakEditor.activeWindow.subtitle"));
    //% "From"
    m_fromLabel->setText(qtTrId("streakEditor.activeWindow.from"));
    //% "To"
    m_toLabel->setText(qtTrId("streakEditor.activeWindow.to"));
    //% "Runs past midnight into the next day."
    m_overnight->setText(qtTrId("streakEditor.activeWindow.overnight"));
    //% "Days"
    m_daysLabel->setText(qtTrId("streakEditor.activeWindow.days"));
}

void ActiveWindowInput::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::LocaleChange)
        rebuildChips();
    QWidget::changeEvent(event);
}

} // namespace halvex
