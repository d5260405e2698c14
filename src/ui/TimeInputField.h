#pragma once

#include <optional>

#include <QTimeEdit>

namespace halvex {

// A time of day as minutes since midnight (0 to 1439), edited as hours and
// minutes in the locale's short time format, without stepper or frame. The
// value is the caller's: read minutes(), write setMinutes(), follow
// minutesChanged(), which fires on every change, the user's edits included.
class TimeInputField final : public QTimeEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeInputField)
public:
    static constexpr int lastMinute = 24 * 60 - 1;

    explicit TimeInputField(int minutes = 0,
                            const std::optional<QString> &accessibilityID = std::nullopt,
                            QWidget *parent = nullptr);

    int minutes() const;
    // A value outside 0...1439 names no time of day and leaves the field as
    // it is; returns whether the value was taken.
    bool setMinutes(int minutes);

    static std::optional<QTime> timeForMinutes(int minutes);
    static int minutesOf(const QTime &time) { return time.hour() * 60 + time.minute(); }

signals:
    void minutesChanged(int minutes);

protected:
    bool event(QEvent *event) override;

private:
    void applyFormat();
    void applyTheme();
};

} // namespace halvex
