#include "app/LanguageSwitch.h"

#include "friction/HalvexLocalizedRoot.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

namespace halvex {

LanguageSwitch::LanguageSwitch(ModelContext &context, TranslationLoader &translations,
                               ThemeController &theme, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_translations(translations)
    , m_theme(theme)
{}

LanguageSwitch::~LanguageSwitch() = default;

void LanguageSwitch::start()
{
    apply();
    if (m_subscription)
        return;
    m_subscription = connect(&m_context, &ModelContext::recordChanged, this,
                             [this](Record *record, const QString &field) {
                                 if (dynamic_cast<AppSettings *>(record) &&
                                     (field == u"languageRaw" || field == u"themeRaw"))
                                     apply();
                             });
}

QString LanguageSwitch::currentLanguageCode() const
{
    return m_translations.languageCode();
}

void LanguageSwitch::apply()
{
    const std::shared_ptr<AppSettings> settings = AppSettings::fetchOrCreate(m_context);
    const QString code = HalvexLocalizedRoot::resolveLanguageCode(settings->languageRaw());
    // Loading installs new tables, which every widget hears of; only a real
    // change is worth that.
    if (m_translations.languageCode() != code)
        m_translations.load(code);
    m_theme.setThemeRaw(settings->themeRaw());
}

} // namespace halvex
