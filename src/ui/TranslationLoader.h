#pragma once

#include <memory>

#include <QStringList>

class QTranslator;

namespace halvex {

// Installs the string tables of one interface language. The English table
// goes in first and the chosen one over it, so a key the chosen table lacks
// shows the English text, and a key no table has shows the key itself (what
// qtTrId returns). Qt's own texts (standard buttons, context menus) follow
// when the system has Qt's translations. Loading again replaces what the
// previous load installed; destroying the loader removes it.
class TranslationLoader final {
public:
    // `tablePrefix` + code + ".qm" names each table; the built-in tables by default.
    explicit TranslationLoader(QString tablePrefix = QStringLiteral(":/i18n/halvex_"));
    ~TranslationLoader();
    TranslationLoader(const TranslationLoader &) = delete;
    TranslationLoader &operator=(const TranslationLoader &) = delete;

    // "en", "tr", "de", "es", "fr", "ja".
    static const QStringList &supportedLanguageCodes();

    // Installs `languageCode`'s tables and makes its locale the default for
    // widgets built from now on. A code without a table installs English
    // alone and returns false.
    bool load(const QString &languageCode);

    // The language whose table is installed ("en" after a failed load).
    const QString &languageCode() const { return m_languageCode; }

private:
    void unload();

    QString m_prefix;
    QString m_languageCode;
    std::unique_ptr<QTranslator> m_english;
    std::unique_ptr<QTranslator> m_chosen;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace halvex
