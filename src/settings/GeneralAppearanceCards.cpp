#include "settings/GeneralAppearanceCards.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "friction/HalvexLocalizedRoot.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "settings/MenuPicker.h"
#include "ui/Color.h"
#include "ui/KitLabel.h"
#include "ui/SettingsCard.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

const QStringList &themeValues()
{
    static const QStringList values{QStringLiteral("auto"), QStringLiteral("light"),
                                    QStringLiteral("dark")};
    return values;
}

const QStringList &languageValues()
{
    static const QStringList values{
        QStringLiteral("system"), QStringLiteral("en"), QStringLiteral("tr"), QStringLiteral("de"),
        QStringLiteral("es"),     QStringLiteral("fr"), QStringLiteral("ja")};
    return values;
}

QString themeText(const QString &value)
{
    if (value == u"light") {
        //% "Light"
        return qtTrId("settings.appearance.option.light");
    }
    if (value == u"dark") {
        //% "Dark"
        return qtTrId("settings.appearance.option.dark");
    }
    //% "System"
    return qtTrId("settings.appearance.option.auto");
}

QString languageText(const QString &value)
{
    // Each language is named in itself, so a reader finds their own.
    if (value == u"en") {
        //% "English"
        return qtTrId("settings.appearance.language.english");
    }
    if (value == u"tr") {
        //% "Türkçe"
        return qtTrId("settings.appearance.language.turkish");
    }
    if (value == u"de") {
        //% "Deutsch"
        return qtTrId("settings.appearance.language.german");
    }
    if (value == u"es") {
        //% "Español"
        return qtTrId("settings.appearance.language.spanish");
    }
    if (value == u"fr") {
        //% "Français"
        return qtTrId("settings.appearance.language.french");
    }
    if (value == u"ja") {
        //% "日本語"
        return qtTrId("settings.appearance.language.japanese");
    }
    //% "System"
    return qtTrId("settings.appearance.language.system");
}

SettingsCard *pickerCard(KitLabel *title, MenuPicker *picker, QWidget *parent)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(title, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(picker, 0, Qt::AlignVCenter);
    return new SettingsCard(16, row, parent);
}

} // namespace

GeneralAppearanceCards::GeneralAppearanceCards(std::shared_ptr<AppSettings> settings,
                                               ModelContext &context, ThemeController &theme,
                                               TranslationLoader &translations,
                                               const QString &idPrefix, QWidget *parent)
    : QWidget(parent)
    , m_settings(std::move(settings))
    , m_context(context)
    , m_theme(theme)
    , m_translations(translations)
    , m_themeTitle(new KitLabel(QString(), Typography::body13Medium(), Color::ink()))
    , m_languageTitle(new KitLabel(QString(), Typography::body13Medium(), Color::ink()))
    , m_themePicker(new MenuPicker)
    , m_languagePicker(new MenuPicker)
{
    m_themePicker->setObjectName(idPrefix + u".theme");
    m_languagePicker->setObjectName(idPrefix + u".language");
    for (const QString &value : themeValues())
        m_themePicker->addChoice(value, QString());
    for (const QString &value : languageValues())
        m_languagePicker->addChoice(value, QString());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(pickerCard(m_themeTitle, m_themePicker, this));
    layout->addWidget(pickerCard(m_languageTitle, m_languagePicker, this));

    connect(m_themePicker, &MenuPicker::picked, this, &GeneralAppearanceCards::chooseTheme);
    connect(m_languagePicker, &MenuPicker::picked, this, &GeneralAppearanceCards::chooseLanguage);
    // Another view (or the other copy of these cards) may write the record.
    connect(&m_context, &ModelContext::recordChanged, this,
            [this](Record *record, const QString &field) {
                if (record == m_settings.get() && (field == u"themeRaw" || field == u"languageRaw"))
                    showStoredValues();
            });
    retranslate();
    showStoredValues();
}

QString GeneralAppearanceCards::themeChoice(const QString &themeRaw)
{
    return raw(appThemeFromRaw(themeRaw).value_or(AppTheme::automatic));
}

QString GeneralAppearanceCards::languageChoice(const QString &languageRaw)
{
    return languageValues().contains(languageRaw) ? languageRaw : QStringLiteral("system");
}

void GeneralAppearanceCards::chooseTheme(const QString &value)
{
    m_settings->setThemeRaw(value);
    static_cast<void>(m_context.save());
    m_theme.setThemeRaw(value);
}

void GeneralAppearanceCards::chooseLanguage(const QString &choice)
{
    m_settings->setLanguageRaw(choice);
    static_cast<void>(m_context.save());
    // Loading the tables retranslates every open window.
    const QString code = HalvexLocalizedRoot::resolveLanguageCode(choice);
    if (m_translations.languageCode() != code)
        m_translations.load(code);
}

void GeneralAppearanceCards::showStoredValues()
{
    m_themePicker->setCurrentValue(themeChoice(m_settings->themeRaw()));
    m_languagePicker->setCurrentValue(languageChoice(m_settings->languageRaw()));
}

void GeneralAppearanceCards::retranslate()
{
    //% "Theme"
    m_themeTitle->setText(qtTrId("settings.appearance.title"));
    m_themePicker->setAccessibleName(m_themeTitle->text());
    //% "Language"
    m_languageTitle->setText(qtTrId("settings.appearance.language.title"));
    m_languagePicker->setAccessibleName(m_languageTitle->text());
    for (const QString &value : themeValues())
        m_themePicker->setChoiceText(value, themeText(value));
    for (const QString &value : languageValues())
        m_languagePicker->setChoiceText(value, languageText(value));
}

void GeneralAppearanceCards::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace halvex
