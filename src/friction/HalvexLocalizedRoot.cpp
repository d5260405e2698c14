#include "friction/HalvexLocalizedRoot.h"

#include <QLocale>
#include <QVBoxLayout>

#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

namespace halvex {

HalvexLocalizedRoot::HalvexLocalizedRoot(ModelContext &context, ThemeController &theme,
                                         TranslationLoader &translations, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_theme(theme)
    , m_translations(translations)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    apply();
    connect(&m_context, &ModelContext::recordChanged, this,
            [this](Record *record, const QString &field) {
                if (dynamic_cast<AppSettings *>(record) &&
                    (field == u"themeRaw" || field == u"languageRaw"))
                    apply();
            });
}

void HalvexLocalizedRoot::setFollowsWindowSize(bool follows)
{
    layout()->setSizeConstraint(follows ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
}

void HalvexLocalizedRoot::setContent(QWidget *content)
{
    delete m_content;
    m_content = content;
    // It inherits the locale set here.
    layout()->addWidget(content);
}

QString HalvexLocalizedRoot::resolveLanguageCode(const QString &languageRaw)
{
    return resolveLanguageCode(languageRaw, QLocale::system().uiLanguages());
}

QString HalvexLocalizedRoot::resolveLanguageCode(const QString &languageRaw,
                                                 const QStringList &preferredLanguages)
{
    const QStringList &supported = TranslationLoader::supportedLanguageCodes();
    if (supported.contains(languageRaw))
        return languageRaw;
    for (const QString &preferred : preferredLanguages) {
        // "de-CH", "pt_BR": the language is what comes before the region.
        const QString language = preferred.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (supported.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

void HalvexLocalizedRoot::apply()
{
    const std::shared_ptr<AppSettings> settings = AppSettings::fetchOrCreate(m_context);
    const QString code = resolveLanguageCode(settings->languageRaw());
    if (m_translations.languageCode() != code)
        m_translations.load(code);
    setLocale(QLocale(code));
    m_theme.setThemeRaw(settings->themeRaw());
}

} // namespace halvex
