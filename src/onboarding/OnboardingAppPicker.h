#pragma once

#include <optional>

#include <QIcon>
#include <QString>
#include <QWidget>

#include "editor/InstalledApplications.h"

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class KitLabel;
class SecondaryButton;

// The application chosen for the first streak: its identifier as the rest
// of the program knows it, its name, and the ".desktop" file it was chosen
// from, whose icon is drawn. The file is not kept beyond the screen: a
// selection rebuilt from stored fields has none.
struct OnboardingAppSelection {
    QString bundleId;
    QString displayName;
    std::optional<QString> iconPath;

    friend bool operator==(const OnboardingAppSelection &,
                           const OnboardingAppSelection &) = default;
};

// Chooses the one application the first streak will block, from the same
// installed-application index (and so the same identities) as the streak
// editor's picker, in the shared chooser limited to one application. Shows
// the choice (icon, name, identifier) under its button; a new choice
// replaces the old one, and a cancelled chooser changes nothing.
//
// Bind it to a value: setSelection() shows one and emits nothing; a choice
// emits selectionEdited().
//
// Identifiers: "onboarding.firstStreak.custom.app.choose" (the button),
// "onboarding.firstStreak.custom.app.selection" (the chosen application's
// row), with ".name" and ".identifier" for its texts.
class OnboardingAppPicker final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnboardingAppPicker)
public:
    // `index` must outlive the picker.
    explicit OnboardingAppPicker(const platform::DesktopEntryIndex &index,
                                 QWidget *parent = nullptr);

    const std::optional<OnboardingAppSelection> &selection() const { return m_selection; }
    void setSelection(const std::optional<OnboardingAppSelection> &selection);

    // The button's operation: the chooser, through the host's modal panel
    // presenter when one is set.
    void chooseApplication();
    // The installed application known by `identifier`, as a selection;
    // nothing for an empty identifier or one not installed.
    std::optional<OnboardingAppSelection> readAppSelection(const QString &identifier) const;
    // The icon drawn for a selection: its file's icon while that file
    // exists and names one; otherwise null, and the "app" symbol is drawn.
    static QIcon appIcon(const OnboardingAppSelection &selection);

signals:
    void selectionEdited(const std::optional<halvex::OnboardingAppSelection> &selection);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showSelection();
    void retranslate();

    InstalledApplications m_applications;
    std::optional<OnboardingAppSelection> m_selection;
    SecondaryButton *m_choose;
    QWidget *m_row;
};

} // namespace halvex
