#pragma once

#include <memory>

#include <QWidget>

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class KitLabel;
class Streak;
class StreakBypassEditToggles;
class StreakEngine;
class StreakNameEditField;
class ToggleRow;

// Every editable rule of a stored streak, top to bottom: name, targets (the
// application picker for an application streak, the site list for any
// other stored type), mode, active hours, allowance, the bypass switches and
// milestone notifications. Each control writes through the engine's edit
// bindings at once; there is nothing to save. Compact is the popover's
// form: mode cards, boxed sections and dividers between the switches.
//
// Identifiers: "streakEditor.detail.triggers.title",
// "streakEditor.toggle.notifications", and those of the sections.
class StreakRulesEditor final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreakRulesEditor)
public:
    // `applications` lists what the application picker offers; it and the
    // engine must outlive the editor.
    StreakRulesEditor(const std::shared_ptr<Streak> &streak, StreakEngine &engine,
                      const platform::DesktopEntryIndex &applications, bool compact, int spacing,
                      QWidget *parent = nullptr);

    StreakNameEditField *nameField() const { return m_name; }
    ToggleRow *notifications() const { return m_notifications; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    StreakNameEditField *m_name;
    KitLabel *m_targetsTitle;
    StreakBypassEditToggles *m_bypass;
    ToggleRow *m_notifications;
};

} // namespace halvex
