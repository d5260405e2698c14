#pragma once

#include <functional>

#include <QDialog>

#include "editor/InstalledApplications.h"

class QListWidget;

namespace halvex {

class KitLabel;
class PrimaryButton;
class SecondaryButton;
class TextInputField;

// Our own dialog for choosing installed applications, in place of a file
// panel on an applications folder: every listed application with its icon,
// name and identifier, a search field, and several may be chosen at once
// (Ctrl and Shift extend the selection) unless the caller wants exactly one.
// Run it with exec(); once accepted, chosenIdentifiers() names the chosen
// ones in the list's order.
//
// Identifiers: "streakEditor.apps.chooser" (the dialog), ".search",
// ".list", ".confirm" and ".cancel".
class ApplicationChooser final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ApplicationChooser)
public:
    struct Options {
        bool multipleSelection = true;
        // The window's and the confirm button's titles, looked up afresh
        // on a change of language; the editor's own when empty.
        std::function<QString()> title{};
        std::function<QString()> confirmTitle{};
    };

    explicit ApplicationChooser(const InstalledApplications &applications,
                                QWidget *parent = nullptr);
    ApplicationChooser(const InstalledApplications &applications, Options options,
                       QWidget *parent = nullptr);

    // Runs a chooser over `owner`'s window, through the host's modal panel
    // presenter when one is set, and on the heap: that window may close
    // while it runs. `chosen` hears the identifiers once the user confirms;
    // nothing is heard after a cancel or once `owner` is gone. `applications`
    // must live as long as `owner`.
    static void choose(const InstalledApplications &applications, Options options, QWidget *owner,
                       std::function<void(const QStringList &)> chosen);

    static constexpr int iconSize = 24;
    static constexpr int rowHeight = 44;

    QStringList chosenIdentifiers() const;
    // Shows only the applications whose name or identifier contains `text`.
    void setFilter(const QString &text);

    QListWidget *list() const { return m_list; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyTheme();
    void retranslate();
    void refreshState();

    Options m_options;
    TextInputField *m_search;
    QListWidget *m_list;
    KitLabel *m_empty;
    SecondaryButton *m_cancel;
    PrimaryButton *m_confirm;
};

} // namespace halvex
