#pragma once

#include <QUuid>
#include <QWidget>

namespace platform {
class TimerScheduler;
}

namespace halvex {

class DeleteConfirmContent;
class MilestonePlanning;
class StreakEngine;

// The layer the popover lays over its current screen while a streak awaits
// deletion: the popover dimmed, and a 300 × 214 card with the delete
// confirmation. Confirming emits willDelete(), removes the streak's pending
// milestone notifications, deletes it through the engine and emits
// dismissed(), whether or not the streak was still there. Cancel, and a
// click on the dimmed area, emit dismissed() alone.
//
// Identifiers: "popover.delete.confirm" (the layer), "popover.delete.card",
// and the content's buttons.
class PopoverDeleteConfirmOverlay final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverDeleteConfirmOverlay)
public:
    static constexpr QSize cardSize{300, 214};
    static constexpr qreal dimOpacity = 0.35;

    // The delay of the content's Delete button runs on `scheduler`.
    PopoverDeleteConfirmOverlay(const QUuid &streakId, qint64 streakDays, StreakEngine &engine,
                                MilestonePlanning &milestonePlanning,
                                platform::TimerScheduler &scheduler, QWidget *parent = nullptr);

    const QUuid &streakId() const { return m_streakId; }
    QWidget *card() const { return m_card; }
    DeleteConfirmContent *content() const { return m_content; }

signals:
    void willDelete();
    void dismissed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void confirm();

    QUuid m_streakId;
    StreakEngine &m_engine;
    MilestonePlanning &m_milestonePlanning;
    QWidget *m_card;
    DeleteConfirmContent *m_content;
};

} // namespace halvex
