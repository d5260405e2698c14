#pragma once

#include <memory>

#include <QWidget>

namespace halvex {

class AppSettings;
class KitLabel;
class MenuPicker;
class ModelContext;
class ThemeController;
class TranslationLoader;

// The theme and language cards: two pickers over the settings record. A
// choice is written to the record, saved (a failed save keeps the value in
// memory, silently) and applied to the whole application at once, with no
// restart. Shown by the settings window's General section and by the
// onboarding preferences; the pickers are named `idPrefix` + ".theme" and
// ".language".
class GeneralAppearanceCards final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralAppearanceCards)
public:
    static constexpr int spacing = 8;

    GeneralAppearanceCards(std::shared_ptr<AppSettings> settings, ModelContext &context,
                           ThemeController &theme, TranslationLoader &translations,
                           const QString &idPrefix, QWidget *parent = nullptr);

    // What each picker shows for a stored value: an unknown theme is "auto",
    // an empty or unknown language "system".
    static QString themeChoice(const QString &themeRaw);
    static QString languageChoice(const QString &languageRaw);

    void chooseTheme(const QString &raw);
    void chooseLanguage(const QString &choice);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showStoredValues();
    void retranslate();

    std::shared_ptr<AppSettings> m_settings;
    ModelContext &m_context;
    ThemeController &m_theme;
    TranslationLoader &m_translations;
    KitLabel *m_themeTitle;
    KitLabel *m_languageTitle;
    MenuPicker *m_themePicker;
    MenuPicker *m_languagePicker;
};

} // namespace halvex
