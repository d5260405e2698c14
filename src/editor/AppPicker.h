#pragma once

#include <memory>

#include <QStringList>
#include <QWidget>

#include "editor/InstalledApplications.h"

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class KitLabel;
class SecondaryButton;
class Streak;
class StreakEngine;

// The form section that edits the applications an application streak
// blocks: one row per identifier (icon, name, identifier, remove button) in
// the list's order, and a button that opens the application chooser. An
// identifier that is not installed shows the name still known for it
// (InstalledApplications::nameOf) over itself, with the "app" symbol.
//
// Bind it to a value: setBundleIdentifiers() shows a list and emits nothing;
// adding and removing emit bundleIdentifiersEdited() with the whole new
// list. Chosen applications are appended in the chooser's order, skipping
// those already listed. bindTo() edits a stored streak through the engine's
// setter instead (each change saved at once), and shows edits made elsewhere.
//
// The chooser is a modal dialog. When the host has set a modal panel
// presenter in the environment (Environment::setModalPanelPresenter), the
// choose operation is handed to it to run instead of running at once.
//
// Identifiers: "streakEditor.apps.choose" (the button), "streakEditor.apps.row"
// (each row; its "bundleIdentifier" property names it), and
// "streakEditor.apps.remove" (each row's remove button).
class AppPicker final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppPicker)
public:
    // The applications come from `index`: give the one the frontmost
    // detector resolves windows with. It must outlive the picker.
    explicit AppPicker(const platform::DesktopEntryIndex &index,
                       const QStringList &bundleIdentifiers = {}, QWidget *parent = nullptr);

    static constexpr int iconSize = 24;
    // An application's icon at iconSize, named `objectName`; the generic app
    // symbol (a window, never to be taken for a checkbox) when `icon` is null.
    static QWidget *iconView(const QIcon &icon, const QString &objectName, QWidget *parent);

    const QStringList &bundleIdentifiers() const { return m_identifiers; }
    void setBundleIdentifiers(const QStringList &identifiers);

    // Reads and writes the streak's identifiers through the engine; call once.
    void bindTo(StreakEngine &engine, const std::shared_ptr<Streak> &streak);

    // The choose button's operation: through the host's presenter when set.
    void choose();
    // Appends those not yet listed, in order; emits when any was new.
    void append(const QStringList &identifiers);
    // Removes every entry equal to `identifier`; emits when any was there.
    void remove(const QString &identifier);

    const InstalledApplications &applications() const { return m_applications; }

signals:
    void bundleIdentifiersEdited(const QStringList &identifiers);

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuildRows();
    void retranslate();

    InstalledApplications m_applications;
    QStringList m_identifiers;
    KitLabel *m_title;
    QWidget *m_rows;
    SecondaryButton *m_choose;
};

} // namespace halvex
