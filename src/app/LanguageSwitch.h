#pragma once

#include <QObject>
#include <QString>

namespace halvex {

class ModelContext;
class ThemeController;
class TranslationLoader;

// The interface language and theme the settings record chooses, applied to
// the whole application: at start, before any window exists, and again at
// once whenever either choice is written, so that every open window redraws
// in the new language (each widget hears the language change) without a
// restart. Main thread only.
class LanguageSwitch final : public QObject {
    Q_OBJECT
public:
    LanguageSwitch(ModelContext &context, TranslationLoader &translations, ThemeController &theme,
                   QObject *parent = nullptr);
    ~LanguageSwitch() override;
    Q_DISABLE_COPY_MOVE(LanguageSwitch)

    // Reads the record and applies its choices; then follows its changes.
    void start();
    // The language of the installed tables.
    QString currentLanguageCode() const;

private:
    void apply();

    ModelContext &m_context;
    TranslationLoader &m_translations;
    ThemeController &m_theme;
    QMetaObject::Connection m_subscription;
};

} // namespace halvex
