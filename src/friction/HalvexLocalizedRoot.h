#pragma once

#include <QStringList>
#include <QWidget>

namespace halvex {

class ModelContext;
class ThemeController;
class TranslationLoader;

// Wraps a window's content and applies what the settings record chooses:
// the interface language (its string tables and locale) and the theme. It
// applies them when built and again whenever either choice is written, so
// the content redraws in the new language and appearance without a restart.
class HalvexLocalizedRoot final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HalvexLocalizedRoot)
public:
    // Applies the stored choices at once, so content built afterwards
    // comes up in the chosen language.
    HalvexLocalizedRoot(ModelContext &context, ThemeController &theme,
                        TranslationLoader &translations, QWidget *parent = nullptr);

    // The language a stored choice stands for: a supported code as it is;
    // "system", an empty string or an unsupported code, the first of the
    // system's preferred languages that has a table, else English.
    static QString resolveLanguageCode(const QString &languageRaw,
                                       const QStringList &preferredLanguages);
    static QString resolveLanguageCode(const QString &languageRaw);

    QWidget *content() const { return m_content; }
    // By default the root takes exactly its content's size; a resizable
    // window's root follows the window instead.
    void setFollowsWindowSize(bool follows);
    // Takes `content` in, replacing what was there.
    void setContent(QWidget *content);

    // Reads the settings record and applies its language and theme.
    void apply();

private:
    QWidget *m_content = nullptr;
    ModelContext &m_context;
    ThemeController &m_theme;
    TranslationLoader &m_translations;
};

} // namespace halvex
