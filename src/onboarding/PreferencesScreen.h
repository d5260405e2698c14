#pragma once

#include <QWidget>

namespace fennimar {
class LaunchAtLoginBackend;
}

namespace halvex {

class KitLabel;
class ModelContext;
class OnboardingCoordinator;
class OnboardingScreenLayout;
class PrimaryButton;
class ThemeController;
class TranslationLoader;

// The second step: appearance, language and open-at-login before any streak
// exists. The theme and language apply at once, as in the settings window;
// the login switch only records the wish in the coordinator, which registers
// the login item when the user continues. Shown, it makes sure the settings
// record exists, so the cards have one to show.
//
// Identifiers: the cards' controls under "onboarding.preferences" and
// "onboarding.preferences.continue".
class PreferencesScreen final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreferencesScreen)
public:
    static constexpr const char *idPrefix = "onboarding.preferences";

    struct Services {
        ModelContext &context;
        fennimar::LaunchAtLoginBackend &loginItem;
        ThemeController &theme;
        TranslationLoader &translations;
    };

    PreferencesScreen(OnboardingCoordinator &coordinator, Services services,
                      QWidget *parent = nullptr);

    OnboardingScreenLayout *screenLayout() const { return m_layout; }
    // Where the appearance, language and login cards stand.
    QWidget *cards() const { return m_cards; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    OnboardingCoordinator &m_coordinator;
    Services m_services;
    KitLabel *m_title;
    KitLabel *m_subtitle;
    QWidget *m_cards;
    PrimaryButton *m_continue;
    OnboardingScreenLayout *m_layout;
};

} // namespace halvex
