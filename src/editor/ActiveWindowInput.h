#pragma once

#include <memory>
#include <optional>

#include <QLocale>
#include <QWidget>

namespace halvex {

class KitLabel;
class Streak;
class StreakEngine;
class TimeInputField;
class ToggleRow;

// The form section that limits a streak to hours of the day and weekdays: a
// switch and, while it is on, the start and end times, a note when the
// window runs past midnight, and one chip per weekday.
//
// Bind it to a value: setValue() shows values and emits nothing; the user's
// changes emit one signal per field (a chip click emits the whole new mask)
// and are shown at once. bindTo() edits a stored streak through the
// engine's setters instead (each change saved at once, no reload), and shows
// edits made elsewhere.
//
// Weekday masks: bit (weekday - 1), weekday 1 = Sunday ... 7 = Saturday; 127
// is every day. The last ticked day cannot be unticked.
//
// Identifiers: "streakEditor.activeWindow.toggle" (the switch),
// ".start" and ".end" (the time fields), ".day.1" (Sunday) to ".day.7".
class ActiveWindowInput final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActiveWindowInput)
public:
    struct Value {
        bool enabled = false;
        int startMinutes = 540; // since local midnight
        int endMinutes = 1080;
        int weekdaysMask = 127;
        friend bool operator==(const Value &, const Value &) = default;
    };

    explicit ActiveWindowInput(QWidget *parent = nullptr);
    explicit ActiveWindowInput(const Value &value, QWidget *parent = nullptr);

    static constexpr int spacing = 8;
    static constexpr int everyDay = 127;
    static constexpr int weekdays = 62;
    static constexpr int weekends = 65;

    const Value &value() const { return m_value; }
    void setValue(const Value &value);

    // The chips start at this day; the system's first day of the week by default.
    Qt::DayOfWeek firstDayOfWeek() const { return m_firstDay; }
    void setFirstDayOfWeek(Qt::DayOfWeek day);

    // Reads and writes the streak's four fields through the engine; call once.
    void bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak);

    // The one-line form of a window: "09:00-18:00, weekdays"; none while the
    // window is off. Day names are the locale's; their order starts at
    // `firstDayOfWeek`. A mask of no day shows the hours alone.
    static std::optional<QString> summary(const Value &value, const QLocale &locale,
                                          Qt::DayOfWeek firstDayOfWeek);
    static std::optional<QString> summary(const Streak &streak, const QLocale &locale,
                                          Qt::DayOfWeek firstDayOfWeek);
    // None for every day; "weekdays", "weekends"; otherwise the short names
    // of the ticked days, space-separated ("" for none). Bits above 6 only
    // keep the mask from reading as one of the named sets.
    static std::optional<QString> weekdaySummary(int mask, const QLocale &locale,
                                                 Qt::DayOfWeek firstDayOfWeek);

    // The weekday (1 = Sunday) of chip `index`, counted from `firstDayOfWeek`.
    static int weekdayAt(int index, Qt::DayOfWeek firstDayOfWeek);
    // The mask after a click on `weekday`'s chip.
    static int toggledMask(int mask, int weekday);

    ToggleRow *toggleRow() const { return m_toggle; }
    KitLabel *overnightNote() const { return m_overnight; }

signals:
    void enabledEdited(bool enabled);
    void startMinutesEdited(int minutes);
    void endMinutesEdited(int minutes);
    void weekdaysMaskEdited(int mask);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    void rebuildChips();
    void retranslate();

    Value m_value;
    Qt::DayOfWeek m_firstDay;
    bool m_refreshing = false;
    ToggleRow *m_toggle;
    QWidget *m_details;
    KitLabel *m_fromLabel;
    KitLabel *m_toLabel;
    TimeInputField *m_start;
    TimeInputField *m_end;
    KitLabel *m_overnight;
    KitLabel *m_daysLabel;
    QWidget *m_chips;
};

} // namespace halvex
