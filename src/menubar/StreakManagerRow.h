#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QWidget>

#include "model/Streak.h"

class QMenu;
class QVBoxLayout;

namespace platform {
class ScheduledTimer;
class TimerScheduler;
} // namespace platform

namespace halvex {

class ClampedLabel;
class KitLabel;
class StreakRowProgressLine;
class SymbolButton;

// One streak's card in the popover list: the day count on the left; the
// name, a pause button and a "more" menu on the first line; beneath them the
// streak's kind, mode and active hours, or, while it is paused, the minutes
// until the pause ends with a resume button; and last the progress line
// (today's allowance or the next milestone). A click on the card edits the
// streak; a secondary click opens the same menu as the "more" button.
//
// The row holds plain values and the list's actions; an empty action is not
// offered. Every 15 s (on `scheduler`) it compares the pause's end with
// `clock`, so a pause that has run out drops from the row by itself.
//
// Identifiers: "popover.list.row.days" (the day column),
// "popover.list.row.edit" (the name), "popover.list.row.pause",
// "popover.list.row.more", "popover.list.row.subtitle",
// "popover.list.row.resume", and in the menu "popover.list.row.delete".
class StreakManagerRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakManagerRow)
public:
    struct Values {
        QString name{};
        qint64 days = 0;
        StrictnessMode mode = StrictnessMode::firm;
        QString kindLabel{}; // may be empty
        std::optional<QString> activeHoursLabel{};
        std::optional<QDateTime> pausedUntil{};
        std::optional<double> allowanceRemainingSeconds{}; // none without an allowance
        int allowanceMinutes = 15;

        bool operator==(const Values &) const = default;
    };
    struct Actions {
        std::function<void()> onPause{};
        std::function<void()> onResume{};
        std::function<void()> onEdit{};
        std::function<void()> onDelete{};
    };
    using Clock = std::function<QDateTime()>;

    StreakManagerRow(Values values, Actions actions, Clock clock,
                     platform::TimerScheduler &scheduler, QWidget *parent = nullptr);
    ~StreakManagerRow() override;

    static constexpr int daysColumnWidth = 44;
    static constexpr double tickSeconds = 15.0;
    static constexpr qreal cornerRadius = 12.0;

    // Whole minutes until `until`, rounded up.
    static qint64 pauseMinutesLeft(const QDateTime &until, const QDateTime &now);

    const Values &values() const { return m_values; }
    // Paused as of the last look at the clock.
    bool isPaused() const { return m_paused; }
    bool isHovering() const { return m_hovering; }
    // What the pause text reads while paused, else empty.
    QString pausedText() const;
    StreakRowProgressLine *progressLine() const { return m_progress; }
    ClampedLabel *nameLabel() const { return m_nameLabel; }
    // The shown subtitle: the kind line, or the pause text while paused.
    QWidget *subtitle() const { return m_subtitle; }

    // The row menu, built afresh (owned by the row, deleted once closed):
    // Edit, Pause or Resume, a separator, Delete.
    QMenu *makeMenu();
    // Looks at the clock now, as the 15-second tick does.
    void tick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;

private:
    void refresh();
    void rebuildLowerLines();
    void applyColors();
    void setHovering(bool hovering);

    Values m_values;
    Actions m_actions;
    Clock m_clock;
    platform::TimerScheduler &m_scheduler;
    std::shared_ptr<platform::ScheduledTimer> m_timer;
    bool m_paused = false;
    bool m_built = false;
    bool m_hovering = false;

    QWidget *m_numeral;
    KitLabel *m_unit;
    ClampedLabel *m_nameLabel;
    SymbolButton *m_pause = nullptr;
    SymbolButton *m_more;
    QVBoxLayout *m_textBlock;
    QVBoxLayout *m_mainColumn;
    QWidget *m_subtitle = nullptr;
    KitLabel *m_pausedLabel = nullptr;
    StreakRowProgressLine *m_progress = nullptr;
};

} // namespace halvex
