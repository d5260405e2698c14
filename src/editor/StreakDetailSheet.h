#pragma once

#include <QPointer>
#include <QUuid>
#include <QWidget>

class QAbstractButton;
class QStackedLayout;
class QVBoxLayout;

namespace platform {
class DesktopEntryIndex;
class TimerScheduler;
} // namespace platform

namespace halvex {

class DeleteConfirmDialog;
class DestructiveButton;
class DisplayNumeral;
class KitLabel;
class MilestonePlanning;
class PersistenceController;
class StreakEngine;
class StreakRulesEditor;

// The streak editor window's content for one stored streak: its name, day
// count with the best and average runs, every editable rule (each written
// at once through the engine's bindings), its broken runs newest first, and
// Close and Delete. Delete asks first in a modal dialog; a confirmed
// deletion emits dismissed(). When the streak is gone (deleted in the
// popover, say) the sheet shows a short note with a Close button instead,
// and no control of it writes anything.
//
// Identifiers: "streakEditor.detail.root", ".header", ".days", ".best",
// ".avg", ".close", ".delete", ".notFound", "streakEditor.detail.tombstones"
// (the history), "tombstone.empty".
class StreakDetailSheet final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakDetailSheet)
public:
    struct Services {
        PersistenceController &persistence;
        StreakEngine &engine;
        MilestonePlanning &milestonePlanning;
        // What the application picker offers.
        const platform::DesktopEntryIndex &applications;
        // Runs the delete confirmation's delay.
        platform::TimerScheduler &scheduler;
    };

    // The editor window's own minimum: its history scrolls, so a netbook's
    // screen still shows the header and the footer's buttons.
    static constexpr QSize minimumContent{480, 560};
    static constexpr QSize idealContent{520, 760};
    static constexpr QSize maximumContent{720, 1000};

    StreakDetailSheet(const QUuid &streakId, Services services, QWidget *parent = nullptr);
    ~StreakDetailSheet() override;

    const QUuid &streakId() const { return m_streakId; }
    bool showsStreak() const;
    // The streak's name as stored; the header cuts it with "…" to its width.
    const QString &name() const { return m_fullName; }
    // The delete confirmation while it is up.
    DeleteConfirmDialog *deleteDialog() const { return m_dialog; }
    void showDeleteDialog();

    QSize sizeHint() const override { return idealContent; }

signals:
    // Close, or a completed deletion: the window should close.
    void dismissed();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildFound();
    QWidget *buildNotFound();
    void refresh();
    void rebuildHistory();
    void retranslate();
    void elideName();

    QUuid m_streakId;
    Services m_services;
    QStackedLayout *m_pages;
    QWidget *m_found = nullptr;
    QWidget *m_notFound;
    QPointer<DeleteConfirmDialog> m_dialog;

    KitLabel *m_name = nullptr;
    QString m_fullName;
    DisplayNumeral *m_days = nullptr;
    KitLabel *m_bestTitle = nullptr;
    KitLabel *m_best = nullptr;
    KitLabel *m_avgTitle = nullptr;
    KitLabel *m_avg = nullptr;
    StreakRulesEditor *m_rules = nullptr;
    KitLabel *m_historyTitle = nullptr;
    QVBoxLayout *m_history = nullptr;
    QList<QUuid> m_historyIds;
    KitLabel *m_notFoundText = nullptr;
    QList<QAbstractButton *> m_closeButtons;
    DestructiveButton *m_delete = nullptr;
};

} // namespace halvex
