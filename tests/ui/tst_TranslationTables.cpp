// Every text key the code looks up must be in all six string tables: English
// complete (and equal to the default written at the call), the other
// languages translated, with the same placeholders.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include "ui/TranslationLoader.h"

namespace {

struct Use {
    QString key;
    QString englishDefault; // from a "//%" comment before the call; may be empty
    QString where;
};

struct Entry {
    // A plural entry's last form: the one its English default names.
    QString translation;
    QStringList numerusForms; // empty for a plain entry
    QString type;             // "", "unfinished", "obsolete", "vanished"
};

QString unescape(const QString &literal)
{
    QString out;
    for (int i = 0; i < literal.size(); ++i) {
        if (literal[i] == u'\\' && i + 1 < literal.size()) {
            const QChar n = literal[++i];
            out += n == u'n' ? QChar(u'\n') : n == u't' ? QChar(u'\t') : n;
        } else {
            out += literal[i];
        }
    }
    return out;
}

// The keys of qtTrId("...") and QT_TRID_NOOP("...") calls under src/.
QList<Use> scanSources(const QString &root)
{
    static const QRegularExpression call(QStringLiteral(
        "\\b(?:qtTrId|QT_TRID_NOOP|QT_TRID_N_NOOP)\\s*\\(\\s*\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression engineering(
        QStringLiteral("^\\s*//%\\s*\"((?:[^\"\\\\]|\\\\.)*)\""));
    QList<Use> uses;
    QDirIterator it(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QString pending;
        int lineNumber = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine());
            ++lineNumber;
            const auto eng = engineering.match(line);
            if (eng.hasMatch()) {
                pending += unescape(eng.captured(1));
                continue;
            }
            auto calls = call.globalMatch(line);
            bool any = false;
            while (calls.hasNext()) {
                const auto m = calls.next();
                uses.append(
                    {unescape(m.captured(1)), pending,
                     QDir(root).relativeFilePath(path) + u':' + QString::number(lineNumber)});
                any = true;
                pending.clear();
            }
            if (!any && !line.trimmed().isEmpty() && !line.trimmed().startsWith(u"//"))
                pending.clear();
        }
    }
    return uses;
}

QMap<QString, Entry> readTable(const QString &path, QString *error)
{
    QMap<QString, Entry> table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return table;
    }
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"message") {
            id = xml.attributes().value(QLatin1String("id")).toString();
        } else if (xml.name() == u"translation" && !id.isEmpty()) {
            Entry e;
            e.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plain text, or one <numerusform> per plural form.
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == u"translation")) {
                xml.readNext();
                if (xml.isCharacters())
                    e.translation += xml.text();
                else if (xml.isStartElement() && xml.name() == u"numerusform")
                    e.numerusForms << xml.readElementText();
            }
            if (!e.numerusForms.isEmpty())
                e.translation =
                    e.numerusForms.contains(QString()) ? QString() : e.numerusForms.last();
            if (table.contains(id))
                *error = QStringLiteral("duplicate id ") + id;
            table.insert(id, e);
            id.clear();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return table;
}

// One language's table: every area's file of that language, merged. A key
// in two files is an error, as lrelease would keep only one of them.
QMap<QString, Entry> readLanguage(const QString &language, QString *error)
{
    QMap<QString, Entry> merged;
    const QDir dir(QStringLiteral(HALVEX_SOURCE_DIR "/resources/translations"));
    const QStringList files =
        dir.entryList({QStringLiteral("*_") + language + QStringLiteral(".ts")}, QDir::Files);
    if (files.isEmpty())
        *error = QStringLiteral("no table for ") + language;
    for (const QString &name : files) {
        const auto table = readTable(dir.filePath(name), error);
        for (auto it = table.begin(); it != table.end(); ++it) {
            if (merged.contains(it.key()))
                *error = QStringLiteral("id in two files: ") + it.key() + u" (" + name + u')';
            merged.insert(it.key(), it.value());
        }
    }
    return merged;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression arg(QStringLiteral("%(?:\\d+|n|L\\d+)"));
    QStringList found;
    auto it = arg.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class tst_TranslationTables : public QObject {
    Q_OBJECT

    QList<Use> m_uses;
    QMap<QString, QString> m_englishTable;

private slots:
    void initTestCase()
    {
        m_uses = scanSources(QStringLiteral(HALVEX_SOURCE_DIR "/src"));
        QString error;
        const auto en = readLanguage(QStringLiteral("en"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (auto it = en.begin(); it != en.end(); ++it)
            m_englishTable.insert(it.key(), it->translation);
    }

    void scanSeesTheKeysOfTheCode()
    {
        // The kit's own key: if the scan missed it, it would miss others too.
        const bool found = std::any_of(m_uses.begin(), m_uses.end(), [](const Use &u) {
            return u.key == u"ui.progress.loading" && u.englishDefault == u"Loading";
        });
        QVERIFY(found);
    }

    void everyKeyIsInTheTable_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : halvex::TranslationLoader::supportedLanguageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyKeyIsInTheTable()
    {
        QFETCH(QString, language);
        QString error;
        const auto table = readLanguage(language, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList problems;
        for (const Use &use : std::as_const(m_uses)) {
            const auto entry = table.constFind(use.key);
            if (entry == table.constEnd()) {
                problems << use.key + u" missing (" + use.where + u')';
                continue;
            }
            if (entry->translation.isEmpty() || !entry->type.isEmpty()) {
                problems << use.key + u" not translated (" + use.where + u')';
                continue;
            }
            if (language == u"en" && !use.englishDefault.isEmpty() &&
                entry->translation != use.englishDefault)
                problems << use.key + u": table says \"" + entry->translation +
                                u"\", code says \"" + use.englishDefault + u'"';
            const QString english = m_englishTable.value(use.key);
            const QStringList forms = entry->numerusForms.isEmpty()
                                          ? QStringList{entry->translation}
                                          : entry->numerusForms;
            for (const QString &form : forms) {
                if (!english.isEmpty() && placeholders(form) != placeholders(english))
                    problems << use.key + u": placeholders differ from English";
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(language + u":\n  " + problems.join(u"\n  ")));
    }
};

QTEST_GUILESS_MAIN(tst_TranslationTables)
#include "tst_TranslationTables.moc"
