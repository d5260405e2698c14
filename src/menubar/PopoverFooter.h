#pragma once

#include <QWidget>

namespace halvex {

class KitLabel;
class PrimaryButton;

// The fixed bar below the popover's streak list: the full-width new-streak
// button, which emits newStreakRequested(), with the streak counter ("3 / 5")
// at its trailing end once there is a streak. The button is never disabled
// here and the count is not clamped: the limit is the new-streak form's.
//
// Identifier: "popover.footer.newStreak" (the footer).
class PopoverFooter final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverFooter)
public:
    explicit PopoverFooter(int streakCount = 0, QWidget *parent = nullptr);

    static constexpr int streakLimit = 5;
    static constexpr int counterTrailingPadding = 16;

    int streakCount() const { return m_count; }
    void setStreakCount(int count);

    PrimaryButton *button() const { return m_button; }
    // Hidden while there is no streak.
    KitLabel *counter() const { return m_counter; }

signals:
    void newStreakRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    int m_count;
    PrimaryButton *m_button;
    KitLabel *m_counter;
};

} // namespace halvex
