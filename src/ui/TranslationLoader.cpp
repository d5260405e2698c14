#include "ui/TranslationLoader.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/Log.h"

namespace halvex {

namespace {

const QString english = QStringLiteral("en");

std::unique_ptr<QTranslator> loadTable(const QString &path)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

TranslationLoader::TranslationLoader(QString tablePrefix)
    : m_prefix(std::move(tablePrefix))
{}

TranslationLoader::~TranslationLoader()
{
    unload();
}

const QStringList &TranslationLoader::supportedLanguageCodes()
{
    static const QStringList codes{QStringLiteral("en"), QStringLiteral("tr"),
                                   QStringLiteral("de"), QStringLiteral("es"),
                                   QStringLiteral("fr"), QStringLiteral("ja")};
    return codes;
}

void TranslationLoader::unload()
{
    for (auto *slot : {&m_qt, &m_chosen, &m_english}) {
        if (*slot)
            QCoreApplication::removeTranslator(slot->get());
        slot->reset();
    }
}

bool TranslationLoader::load(const QString &languageCode)
{
    unload();
    m_english = loadTable(m_prefix + english + QStringLiteral(".qm"));
    if (!m_english)
        platform::log::app().error("string table missing: %s", {QString(m_prefix + english)});

    const bool supported = supportedLanguageCodes().contains(languageCode);
    const QString code = supported ? languageCode : english;
    if (code != english) {
        m_chosen = loadTable(m_prefix + code + QStringLiteral(".qm"));
        if (!m_chosen)
            platform::log::app().error("string table missing: %s", {QString(m_prefix + code)});
    }
    m_qt = loadTable(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                     QStringLiteral("/qtbase_") + code + QStringLiteral(".qm"));
    m_languageCode = code;
    QLocale::setDefault(QLocale(code));
    return supported && (code == english ? m_english != nullptr : m_chosen != nullptr);
}

} // namespace halvex
