#pragma once

#include <optional>

#include <QStringList>
#include <QWidget>

#include "editor/ActiveWindowInput.h"
#include "engine/DomainPreset.h"
#include "model/Streak.h"

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class AllowanceInput;
class AppPicker;
class DomainListInput;
class KitLabel;
class KitScrollArea;
class MilestonePlanning;
class ModeSelector;
class PersistenceController;
class PrimaryButton;
class SecondaryButton;
class SeededDomainsRow;
class SegmentedControl;
class StreakEngine;
class TextInputField;
class ToggleRow;

// The one form that creates a streak: the kind of streak (sites or
// applications) and its targets, its name, mode, active hours, allowance,
// bypasses and notifications, over a Cancel / Save footer. It keeps all of
// its editing state itself; Save validates (a name, no listed text that is
// not a site, a target, fewer than five stored streaks), writes one new
// streak through the store's main context, has the engine reload, plans the
// streak's milestone notifications and emits dismissed(). Cancel emits
// dismissed() alone.
//
// Until the user types a name, the name follows the first target. A save
// the store refuses writes nothing: the unsaved streak is dropped, the form
// stays as typed and says so, and Save can be pressed again.
//
// Compact is the popover's layout (mode cards, boxed sections, dividers
// between the switches); a seed starts a site streak from a preset set of
// sites, collapsed into one row in the compact layout.
//
// Identifiers: "streakEditor.picker.type", "streakEditor.field.name",
// "streakEditor.toggle.freePass", ".externalLink", ".notifications",
// "streakEditor.error", "streakEditor.button.cancel", "streakEditor.button.save".
class NewStreakFormContent final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewStreakFormContent)
public:
    struct Options {
        int horizontalPadding = 24; // the popover's is 20
        bool autoFocusName = false;
        std::optional<DomainPreset> seed{};
        bool compact = false;
    };

    // Every collaborator must outlive the form. `applications` lists what
    // the application picker offers.
    NewStreakFormContent(PersistenceController &persistence, StreakEngine &engine,
                         MilestonePlanning &milestonePlanning,
                         const platform::DesktopEntryIndex &applications, Options options,
                         QWidget *parent = nullptr);

    static constexpr int streakLimit = 5;

    // A name from a domain entry: "mail.example.com" and "www.example.com/news"
    // give "Example"; empty when nothing is left.
    static QString domainDisplayName(const QString &entry);

    // The Save button's action.
    void attemptSave();
    // None when the form may be saved, else the message to show.
    std::optional<QString> validate();
    bool hasTriggers() const;

    const QString &name() const { return m_name; }
    bool nameManuallyEdited() const { return m_nameManuallyEdited; }
    StreakType streakType() const { return m_streakType; }
    const QStringList &domains() const { return m_domains; }
    const QStringList &bundleIdentifiers() const { return m_bundleIdentifiers; }
    bool isSaving() const { return m_isSaving; }
    const std::optional<QString> &errorMessage() const { return m_errorMessage; }
    bool seedCollapsed() const { return m_seedCollapsed; }

    AppPicker *appPicker() const { return m_appPicker; }
    DomainListInput *domainList() const { return m_domainList; }

signals:
    void dismissed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void save();
    void applySeed();
    void refreshAutoName();
    void setStreakType(StreakType type);
    void setName(const QString &name);
    void setErrorMessage(const std::optional<QString> &message);
    void showTargets();
    void retranslate();
    QWidget *boxed(QWidget *section);

    PersistenceController &m_persistence;
    StreakEngine &m_engine;
    MilestonePlanning &m_milestonePlanning;
    Options m_options;

    QString m_name;
    bool m_nameManuallyEdited = false;
    StreakType m_streakType = StreakType::site;
    StrictnessMode m_mode = StrictnessMode::firm;
    QStringList m_domains{QString()};
    QStringList m_browsers;
    QStringList m_bundleIdentifiers;
    bool m_allowDailyFreePass = true;
    bool m_allowExternalLinkBypass = true;
    bool m_notificationsEnabled = true;
    ActiveWindowInput::Value m_activeWindow;
    bool m_allowanceEnabled = false;
    int m_allowanceMinutes = 15;
    std::optional<QString> m_errorMessage;
    bool m_isSaving = false;
    bool m_didApplySeed = false;
    bool m_seedCollapsed = false;

    KitScrollArea *m_scroll;
    KitLabel *m_typeTitle;
    SegmentedControl *m_typePicker;
    SeededDomainsRow *m_seededRow = nullptr;
    DomainListInput *m_domainList;
    AppPicker *m_appPicker;
    TextInputField *m_nameField;
    ModeSelector *m_modeSelector;
    ToggleRow *m_freePass;
    ToggleRow *m_externalLink;
    ToggleRow *m_notifications;
    KitLabel *m_error;
    SecondaryButton *m_cancel;
    PrimaryButton *m_save;
};

} // namespace halvex
