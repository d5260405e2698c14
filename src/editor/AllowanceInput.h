#pragma once

#include <array>
#include <memory>

#include <QWidget>

namespace halvex {

class SegmentedControl;
class Streak;
class StreakEngine;
class ToggleRow;

// The form section that grants a daily allowance: a switch and, while it is
// on, one segment per amount (5, 15, 30 and 60 minutes a day).
//
// Bind it to a value: setAllowanceEnabled() and setMinutes() show values and emit nothing; the
// user's changes emit enabledEdited() and minutesEdited() with the minutes (not the segment's
// index). A stored amount that is no choice selects no segment and stays
// until the user picks one. bindTo() edits a stored streak through the
// engine's setters instead (each saved, the engine reloaded and the rules
// announced as changed), and shows edits made elsewhere.
//
// Identifiers: "streakEditor.allowance.toggle" (the switch),
// "streakEditor.allowance.minutes" (the segments).
class AllowanceInput final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AllowanceInput)
public:
    static constexpr std::array<int, 4> choices{5, 15, 30, 60};

    explicit AllowanceInput(bool enabled = false, int minutes = 15, QWidget *parent = nullptr);

    bool isAllowanceEnabled() const { return m_enabled; }
    void setAllowanceEnabled(bool enabled);
    int minutes() const { return m_minutes; }
    void setMinutes(int minutes);

    // Reads and writes the streak's allowance through the engine; call once.
    void bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak);

    ToggleRow *toggleRow() const { return m_toggle; }
    SegmentedControl *picker() const { return m_picker; }

signals:
    void enabledEdited(bool enabled);
    void minutesEdited(int minutes);

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    void retranslate();

    bool m_enabled;
    int m_minutes;
    bool m_refreshing = false;
    ToggleRow *m_toggle;
    SegmentedControl *m_picker;
};

} // namespace halvex
