#pragma once

#include <QUuid>
#include <QWidget>

class QAbstractButton;
class QStackedLayout;

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class KitLabel;
class PersistenceController;
class PopoverBackHeader;
class StreakEngine;
class StreakRulesEditor;

// The popover's screen for one stored streak: a back header with its name,
// a line of its current, best and average runs, and in a scroll view every
// editable rule (each written at once through the engine's edit bindings)
// above a Delete button. Back emits dismissed(); Delete emits
// deleteRequested() and deletes nothing itself. When the streak is gone
// (deleted in the editor window, say) the screen shows a short note with a
// Back button instead, and no control of it writes anything.
//
// Identifiers: "popover.edit.back", "popover.edit.summary",
// "popover.edit.delete", "popover.edit.notFound", "popover.edit.notFound.back".
class PopoverEditStreakView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverEditStreakView)
public:
    PopoverEditStreakView(const QUuid &streakId, PersistenceController &persistence,
                          StreakEngine &engine, const platform::DesktopEntryIndex &applications,
                          QWidget *parent = nullptr);

    // "12 days · best 30 · avg 9".
    static QString summaryText(qint64 days, qint64 best, qint64 average);

    const QUuid &streakId() const { return m_streakId; }
    bool showsStreak() const;
    PopoverBackHeader *header() const { return m_header; }
    KitLabel *summary() const { return m_summary; }
    StreakRulesEditor *rules() const { return m_rules; }

signals:
    void dismissed();
    void deleteRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildFound();
    QWidget *buildNotFound();
    void refresh();
    void retranslate();

    QUuid m_streakId;
    PersistenceController &m_persistence;
    StreakEngine &m_engine;
    const platform::DesktopEntryIndex &m_applications;
    QStackedLayout *m_pages;
    QWidget *m_found = nullptr;
    QWidget *m_notFound;
    PopoverBackHeader *m_header = nullptr;
    KitLabel *m_summary = nullptr;
    StreakRulesEditor *m_rules = nullptr;
    QAbstractButton *m_delete = nullptr;
    KitLabel *m_notFoundText = nullptr;
    QAbstractButton *m_notFoundBack = nullptr;
};

} // namespace halvex
