#pragma once

#include <optional>
#include <vector>

#include <QWidget>

#include "onboarding/OnboardingAppPicker.h"
#include "onboarding/OnboardingPreset.h"

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class FirstStreakRow;
class KitLabel;
class KitScrollArea;
class OnboardingCoordinator;
class OnboardingScreenLayout;
class PrimaryButton;
class TextInputField;

// What the first streak will block, as chosen on the screen: one preset, the
// typed site, or the chosen application. Two presets are equal when they name
// the same service; the two custom kinds are equal to themselves alone.
struct FirstStreakSelection {
    enum class Kind { preset, customDomain, customApp };

    Kind kind = Kind::preset;
    OnboardingPreset preset = OnboardingPreset::twitter; // read for a preset only

    static FirstStreakSelection ofPreset(OnboardingPreset preset) { return {Kind::preset, preset}; }
    static FirstStreakSelection customDomain() { return {Kind::customDomain}; }
    static FirstStreakSelection customApp() { return {Kind::customApp}; }

    friend bool operator==(const FirstStreakSelection &a, const FirstStreakSelection &b)
    {
        return a.kind == b.kind && (a.kind != Kind::preset || a.preset == b.preset);
    }
};

// The third step: what the first streak will block. One row per preset
// service, a row for a site typed by hand and a row for an application
// chosen from the installed ones; at most one is selected, and the selected
// custom row shows its field or picker below it. The choice stays on the
// screen until Continue writes it into the coordinator (Back forgets it);
// the screen starts from what was last written.
//
// Identifiers: "onboarding.firstStreak.preset" (every preset row; its
// "preset" property names the preset), "onboarding.firstStreak.custom.website"
// and ".custom.app" (the two custom rows), ".custom.website.invalid" (the
// message under a site that is not one) and "onboarding.firstStreak.continue".
class FirstStreakScreen final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirstStreakScreen)
public:
    // `index` lists the applications that can be chosen; it must outlive the screen.
    FirstStreakScreen(OnboardingCoordinator &coordinator, const platform::DesktopEntryIndex &index,
                      QWidget *parent = nullptr);

    // Two or more labels of ASCII letters, digits and inner hyphens, 1 to 63
    // long, joined by single dots, after blanks (not line breaks) are
    // trimmed from both ends; nothing else, not even a final line break.
    static bool isValidDomain(const QString &text);

    const std::optional<FirstStreakSelection> &selection() const { return m_selection; }
    void select(const FirstStreakSelection &selection);
    const QString &customDomainText() const { return m_customDomainText; }
    const std::optional<OnboardingAppSelection> &appSelection() const { return m_appSelection; }

    bool canContinue() const;
    // Writes the choice: all four of the coordinator's first-streak fields,
    // the other kinds' cleared. Nothing without a choice.
    void commitSelection();
    // Starts from the coordinator's choice: its preset, else its non-empty
    // site, else its application (named, or by its identifier).
    void restoreFromCoordinator();

    OnboardingScreenLayout *screenLayout() const { return m_layout; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void refresh(bool animated);
    void revealSelectedRow();
    void retranslate();

    OnboardingCoordinator &m_coordinator;
    std::optional<FirstStreakSelection> m_selection;
    QString m_customDomainText;
    std::optional<OnboardingAppSelection> m_appSelection;

    KitLabel *m_title;
    KitLabel *m_helper;
    KitScrollArea *m_scroll;
    std::vector<std::pair<OnboardingPreset, FirstStreakRow *>> m_presetRows;
    FirstStreakRow *m_websiteRow;
    TextInputField *m_websiteField;
    KitLabel *m_invalid;
    FirstStreakRow *m_appRow;
    OnboardingAppPicker *m_appPicker;
    PrimaryButton *m_continue;
    OnboardingScreenLayout *m_layout;
};

} // namespace halvex
