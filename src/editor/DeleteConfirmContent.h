#pragma once

#include <memory>

#include <QWidget>

namespace platform {
class ScheduledTimer;
class TimerScheduler;
} // namespace platform

namespace halvex {

class DestructiveButton;
class KitLabel;
class MilestonePlanning;
class SecondaryButton;
class StreakEngine;

// What deleting a streak asks before it happens: a warning with the
// streak's day count, a note that its whole history goes with it, and
// Cancel and Delete. Delete is usable only half a second after the content
// is shown, so a double click on whatever opened it deletes nothing.
//
// Identifiers: "popover.delete.cancel", "popover.delete.confirm.button".
class DeleteConfirmContent final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeleteConfirmContent)
public:
    static constexpr double enableDelaySeconds = 0.5;

    // The delay runs on `scheduler`, which must outlive the content.
    DeleteConfirmContent(qint64 streakDays, int horizontalPadding,
                         platform::TimerScheduler &scheduler, QWidget *parent = nullptr);
    ~DeleteConfirmContent() override;

    DestructiveButton *deleteButton() const { return m_delete; }

signals:
    void confirmed();
    void cancelled();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    qint64 m_streakDays;
    platform::TimerScheduler &m_scheduler;
    std::shared_ptr<platform::ScheduledTimer> m_enableTimer;
    bool m_deleteEnabled = false;
    KitLabel *m_title;
    KitLabel *m_warning;
    KitLabel *m_cascade;
    SecondaryButton *m_cancel;
    DestructiveButton *m_delete;
};

// The streak editor's modal confirmation over its window, 420 × 220: on
// Delete it removes the streak's pending milestone notifications, deletes
// the streak (and its history) through the engine and emits deleted(),
// whether or not the store took the deletion. Cancel emits cancelled().
class DeleteConfirmDialog final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeleteConfirmDialog)
public:
    static constexpr QSize dialogSize{420, 220};

    DeleteConfirmDialog(const QUuid &streakId, qint64 streakDays, StreakEngine &engine,
                        MilestonePlanning &milestonePlanning, platform::TimerScheduler &scheduler,
                        QWidget *parent = nullptr);

    DeleteConfirmContent *content() const { return m_content; }

signals:
    void deleted();
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    DeleteConfirmContent *m_content;
};

} // namespace halvex
