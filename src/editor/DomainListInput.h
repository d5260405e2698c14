#pragma once

#include <memory>

#include <QStringList>
#include <QWidget>

#include "engine/DomainPreset.h"

class QMenu;

namespace halvex {

class KitLabel;
class PlainTextButton;
class Streak;
class StreakEngine;
class SymbolButton;
class TextInputField;

// The form section that edits a site streak's list of web sites: one
// editable row per entry (a host with an optional path), a button that adds
// an empty row and a menu that adds a preset set of sites.
//
// Bind it to a value: setDomains() shows a list and emits nothing; every
// edit emits domainsEdited() with the whole new list. A row stores what its
// text means (storedDomainEntry: trimmed, lower case, no scheme, query,
// fragment or port) at every keystroke, while the field keeps the text as
// typed until the user is done with it (Return, or the focus leaves) and only
// then shows the stored form: normalised and typed on, a half-typed
// "localhost:" or "https:" would turn into another site. Text that cannot be
// a site stores the empty entry, and once the user is done with it the row
// says so; an entry stored before is shown as it is, with the same note.
// Duplicates the user types are kept; a preset adds only the sites not
// already listed. Rows are addressed by index. bindTo() edits a stored streak
// through the engine's setter instead (each change saved at once), and shows
// edits made elsewhere.
//
// Identifiers: "streakEditor.domains.pathHint", "streakEditor.domains.field"
// and "streakEditor.domains.remove" (in each row, in order),
// "streakEditor.domains.add", "streakEditor.domains.addSet" (its menu's items
// are "streakEditor.domains.set.<preset>"), "streakEditor.domains.invalid"
// (the note under a row that is not a site).
class DomainListInput final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DomainListInput)
public:
    explicit DomainListInput(const QStringList &domains = {}, QWidget *parent = nullptr);
    ~DomainListInput() override;

    static constexpr int spacing = 8;

    const QStringList &domains() const { return m_domains; }
    void setDomains(const QStringList &domains);

    // A preset set's name in the interface language.
    static QString presetTitle(DomainPreset preset);

    // Reads and writes the streak's domains through the engine; call once.
    void bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak);

    // What the controls do, for hosts and keyboard shortcuts alike. The
    // row added takes the focus.
    void addEmptyRow();
    void addPreset(DomainPreset preset);
    // Both do nothing for an index that no longer exists.
    void editRow(int index, const QString &text);
    void removeRow(int index);
    // What Return or leaving the field does, for every row at once.
    void finishEditing();
    // Whether a row holds text that is not a site and so stores nothing.
    bool hasUnusableEntry() const;

signals:
    void domainsEdited(const QStringList &domains);

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Row {
        QWidget *widget;
        TextInputField *field;
        KitLabel *problem;
        SymbolButton *remove;
        // Edited since the user last finished with the field.
        bool typing = false;
    };

    void commit(const QStringList &domains);
    void syncRows();
    void finishRow(int index);
    void showProblem(Row &row);
    void retranslate();
    void showPresetMenu();

    QStringList m_domains;
    KitLabel *m_title;
    KitLabel *m_pathHint;
    QWidget *m_rows;
    QList<Row> m_rowViews;
    PlainTextButton *m_add;
    PlainTextButton *m_addSet;
    QMenu *m_presetMenu;
};

} // namespace halvex
