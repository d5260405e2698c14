// Every text key the code looks up must be in all six string tables: English
// complete (and equal to the default written at the call), the other
// languages translated, with the same placeholders. A key looked up with a
// count has plural forms, as many as lrelease gives the language.
#include <QBuffer>
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
    bool counted = false; // looked up with a count: qtTrId("key", n)
};

struct Entry {
    QString translation; // the last plural form, for a message with plural forms
    QString type;        // "", "unfinished", "obsolete", "vanished"
    QStringList forms;   // the plural forms; empty for a plain message

    // Every text the message shows: its plural forms, or its one text.
    QStringList texts() const { return forms.isEmpty() ? QStringList{translation} : forms; }
};

using Table = QMap<QString, Entry>;

// How many plural forms lrelease of Qt 6 counts for each language.
const QMap<QString, int> pluralForms{{"en", 2}, {"de", 2}, {"es", 2},
                                     {"fr", 2}, {"tr", 1}, {"ja", 1}};

QString unescape(const QString &literal)
{
    QString out;
    for (int i = 0; i < literal.size(); ++i) {
        // "\u00a0": the spaces that keep a number with its unit show in code.
        if (literal[i] == u'\\' && literal.mid(i + 1, 1) == u"u" && i + 6 <= literal.size()) {
            bool hex = false;
            const ushort code = literal.mid(i + 2, 4).toUShort(&hex, 16);
            if (hex) {
                out += QChar(code);
                i += 5;
                continue;
            }
        }
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
        "\\b(?:qtTrId|QT_TRID_NOOP|QT_TRID_N_NOOP)\\s*\\(\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*(,)?"));
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
                uses.append({unescape(m.captured(1)), pending,
                             QDir(root).relativeFilePath(path) + u':' + QString::number(lineNumber),
                             m.hasCaptured(2)});
                any = true;
                pending.clear();
            }
            if (!any && !line.trimmed().isEmpty() && !line.trimmed().startsWith(u"//"))
                pending.clear();
        }
    }
    return uses;
}

Table readTable(QIODevice &device, const QString &name, QString *error)
{
    Table table;
    QXmlStreamReader xml(&device);
    QString id;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"message") {
            id = xml.attributes().value(QLatin1String("id")).toString();
            continue;
        }
        if (xml.name() != u"translation" || id.isEmpty())
            continue;
        // A plain translation is its text; one with plural forms holds them.
        Entry e;
        e.type = xml.attributes().value(QLatin1String("type")).toString();
        QString text;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters())
                text += xml.text();
            else if (xml.isStartElement() && xml.name() == u"numerusform")
                e.forms << xml.readElementText();
            else if (xml.isEndElement() && xml.name() == u"translation")
                break;
        }
        e.translation = e.forms.isEmpty() ? text : e.forms.last();
        if (table.contains(id))
            *error = QStringLiteral("duplicate id ") + id + u" in " + name;
        table.insert(id, e);
        id.clear();
    }
    if (xml.hasError())
        *error = name + u": " + xml.errorString();
    return table;
}

Table readTable(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return {};
    }
    return readTable(file, path, error);
}

// One language's table: every area's file of that language, merged. A key
// in two files is an error, as lrelease would keep only one of them.
Table readLanguage(const QString &language, QString *error)
{
    Table merged;
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

// The numbered placeholders; a plural form may leave out its count (%n),
// as "one day" does.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression arg(QStringLiteral("%(?:\\d+|L\\d+)"));
    QStringList found;
    auto it = arg.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

// What is wrong with one language's table for the keys the code uses.
QStringList problemsOf(const QString &language, const Table &table, const QList<Use> &uses,
                       const Table &english)
{
    QStringList problems;
    for (const Use &use : uses) {
        const QString at = u" (" + use.where + u')';
        const auto entry = table.constFind(use.key);
        if (entry == table.constEnd()) {
            problems << use.key + u" missing" + at;
            continue;
        }
        const QStringList texts = entry->texts();
        if (!entry->type.isEmpty() || texts.contains(QString())) {
            problems << use.key + u" not translated" + at;
            continue;
        }
        if (use.counted != !entry->forms.isEmpty())
            problems << use.key +
                            (use.counted ? u" is looked up with a count but has no plural forms"
                                         : u" has plural forms but no count is given") +
                            at;
        else if (use.counted && entry->forms.size() != pluralForms.value(language))
            problems << use.key + u": " + QString::number(entry->forms.size()) +
                            u" plural forms, lrelease expects " +
                            QString::number(pluralForms.value(language)) + at;
        // For plural forms, the default written at the call is the plural.
        if (language == u"en" && !use.englishDefault.isEmpty() &&
            entry->translation != use.englishDefault)
            problems << use.key + u": table says \"" + entry->translation + u"\", code says \"" +
                            use.englishDefault + u'"';
        const QString reference = english.value(use.key).translation;
        for (const QString &text : texts) {
            if (!reference.isEmpty() && placeholders(text) != placeholders(reference))
                problems << use.key + u": placeholders differ from English" + at;
        }
    }
    return problems;
}

// The units of time a number stands with, per language. Attached Latin
// letters ("%1h") never part; a Japanese unit written solid stays as written.
const QMap<QString, QString> units{
    {"en", R"((?:s|h|m|min|mins|minutes?|hours?|days?|weeks?|seconds?)(?!\p{L}))"},
    {"de",
     R"((?:s|h|min|Min\.|Minuten?|Stunden?|Tag|Tage|Tagen|Tages|Wochen?|Sek\.|Sekunden?)(?!\p{L}))"},
    {"es", R"((?:s|h|min|minutos?|horas?|días?|semanas?|segundos?)(?!\p{L}))"},
    {"fr", R"((?:s|h|min|minutes?|heures?|jours?|semaines?|secondes?)(?!\p{L}))"},
    {"tr", R"((?:sn|sa|dk|saniye\p{L}*|dakika\p{L}*|saat\p{L}*|gün\p{L}*|hafta\p{L}*)(?!\p{L}))"},
    {"ja", R"((?:秒|分|時間|日|週))"},
};

// Where `text` parts a number from its unit with a space or hyphen that may
// end a line ("back on in 40 / min"); a no-break space (U+00A0, U+202F) or
// hyphen (U+2011) keeps them together.
QStringList partedUnits(const QString &language, const QString &text)
{
    const QRegularExpression parted(R"((?:%L?\d+|%n|(?<![A-Za-z\d])\d+)[ \t-])" +
                                    units.value(language));
    QStringList found;
    auto it = parted.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    return found;
}

// The familiar pronouns and possessives in a French text ("tu", "ton",
// "t’"...): French speaks to the user as "vous" throughout.
QStringList familiarWords(const QString &text)
{
    static const QRegularExpression familiar(
        QStringLiteral("(?<!\\p{L})(?:(?:tu|te|toi|ton|ta|tes)(?!\\p{L})|t['\u2019](?=\\p{L}))"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    auto it = familiar.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    return found;
}

Table tableFrom(const QByteArray &messages)
{
    QByteArray xml = "<TS version=\"2.1\"><context><name></name>" + messages + "</context></TS>";
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    QString error;
    return readTable(buffer, QStringLiteral("sample"), &error);
}

} // namespace

class tst_TranslationTables : public QObject {
    Q_OBJECT

    QList<Use> m_uses;
    Table m_english;

private slots:
    void initTestCase()
    {
        m_uses = scanSources(QStringLiteral(HALVEX_SOURCE_DIR "/src"));
        QString error;
        m_english = readLanguage(QStringLiteral("en"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
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
        const Table table = readLanguage(language, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList problems = problemsOf(language, table, m_uses, m_english);
        QVERIFY2(problems.isEmpty(), qPrintable(language + u":\n  " + problems.join(u"\n  ")));
    }

    // A message that takes a count, filled as the code fills it, leaves no
    // placeholder in any language for any count: Qt writes a count into
    // every form, and the arguments fill the rest.
    void countedTextsLeaveNoPlaceholder_data()
    {
        QTest::addColumn<QString>("key");
        QStringList keys;
        for (const Use &use : std::as_const(m_uses)) {
            if (use.counted && !keys.contains(use.key))
                keys << use.key;
        }
        for (auto it = m_english.cbegin(); it != m_english.cend(); ++it) {
            if (!it->forms.isEmpty() && !keys.contains(it.key()))
                keys << it.key();
        }
        QVERIFY(keys.contains(u"a11y.menubar.streak"));
        for (const QString &key : std::as_const(keys))
            QTest::newRow(qPrintable(key)) << key;
    }
    void countedTextsLeaveNoPlaceholder()
    {
        QFETCH(QString, key);
        // As many arguments as the English text numbers; the lowest
        // placeholder takes each, as .arg() at the call does.
        QStringList numbered = placeholders(m_english.value(key).translation);
        numbered.removeDuplicates();
        halvex::TranslationLoader loader;
        QStringList problems;
        for (const QString &language : halvex::TranslationLoader::supportedLanguageCodes()) {
            QVERIFY(loader.load(language));
            for (const int n : {0, 1, 2, 5, 21}) {
                QString text = qtTrId(key.toUtf8().constData(), n);
                for (qsizetype i = 0; i < numbered.size(); ++i)
                    text = text.arg(QStringLiteral("Work"));
                if (text.contains(u'%') || text == key)
                    problems << language + u", " + QString::number(n) + u": " + text;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n  ")));
    }

    // Every text of every table keeps a number and its unit on one line.
    void numbersKeepTheirUnits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : halvex::TranslationLoader::supportedLanguageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void numbersKeepTheirUnits()
    {
        QFETCH(QString, language);
        QVERIFY(units.contains(language));
        QString error;
        const Table table = readLanguage(language, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList problems;
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            for (const QString &text : it->texts()) {
                for (const QString &parted : partedUnits(language, text))
                    problems << it.key() + u": \"" + parted + u'"';
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(language + u":\n  " + problems.join(u"\n  ")));
    }

    // The check finds the familiar words, and the French tables have none.
    void frenchSaysVous()
    {
        QCOMPARE(familiarWords(QStringLiteral("Ferme-le toi-même : Ton avis t\u2019aide, tu es "
                                              "là. Votre note, vous-même, tenté, tes.")),
                 (QStringList{"toi", "Ton", "t\u2019", "tu", "tes"}));
        QString error;
        const Table table = readLanguage(QStringLiteral("fr"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QStringList problems;
        for (auto it = table.cbegin(); it != table.cend(); ++it) {
            for (const QString &text : it->texts()) {
                const QStringList familiar = familiarWords(text);
                if (!familiar.isEmpty())
                    problems << it.key() + u": " + familiar.join(u", ");
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n  ")));
    }

    void unitCheckCatchesPartedUnits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("parted");
        QTest::addColumn<QString>("language");
        QTest::newRow("space") << QStringLiteral("Back on in %1 min") << 1 << "en";
        QTest::newRow("no-break space") << QStringLiteral("Back on in %1\u00a0min") << 0 << "en";
        QTest::newRow("hyphen") << QStringLiteral("Your %n-day streak, %1 days") << 2 << "en";
        QTest::newRow("no-break hyphen") << QStringLiteral("Your %n\u2011day streak") << 0 << "en";
        QTest::newRow("no unit") << QStringLiteral("%1 more, %2 sites, X11 session") << 0 << "en";
        QTest::newRow("inflected") << QStringLiteral("%2 güne %1 dk kaldı") << 2 << "tr";
        QTest::newRow("Japanese") << QStringLiteral("あと %1 分、%2日") << 1 << "ja";
    }
    void unitCheckCatchesPartedUnits()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QTEST(int(partedUnits(language, text).size()), "parted");
    }

    // The check itself, on small tables: what it must let through and what
    // it must catch.
    void checkCatchesWhatIsWrong_data()
    {
        QTest::addColumn<QByteArray>("german");
        QTest::addColumn<bool>("counted");
        QTest::addColumn<int>("problems");
        const QByteArray plural = R"(<message id="k" numerus="yes"><source>x</source><translation>)"
                                  R"(<numerusform>%n Tag ohne %2</numerusform>)"
                                  R"(<numerusform>%n Tage ohne %2</numerusform>)"
                                  R"(</translation></message>)";
        QTest::newRow("plural forms") << plural << true << 0;
        QTest::newRow("missing key") << QByteArray() << true << 1;
        QTest::newRow("plural forms without a count") << plural << false << 1;
        QTest::newRow("one form too few")
            << QByteArray(R"(<message id="k" numerus="yes"><source>x</source><translation>)"
                          R"(<numerusform>%n Tage ohne %2</numerusform></translation></message>)")
            << true << 1;
        QTest::newRow("placeholder lost in one form")
            << QByteArray(R"(<message id="k" numerus="yes"><source>x</source><translation>)"
                          R"(<numerusform>ein Tag</numerusform>)"
                          R"(<numerusform>%n Tage ohne %2</numerusform></translation></message>)")
            << true << 1;
        QTest::newRow("plain text for a count")
            << QByteArray(R"(<message id="k"><source>x</source>)"
                          R"(<translation>Tage ohne %2</translation></message>)")
            << true << 1;
    }
    void checkCatchesWhatIsWrong()
    {
        QFETCH(QByteArray, german);
        QFETCH(bool, counted);
        const Table english =
            tableFrom(R"(<message id="k" numerus="yes"><source>x</source><translation>)"
                      R"(<numerusform>day without %2</numerusform>)"
                      R"(<numerusform>days without %2</numerusform></translation></message>)");
        const QList<Use> uses{{"k", "days without %2", "here", counted}};
        QCOMPARE(problemsOf("en", english, uses, english).size(), counted ? 0 : 1);
        QTEST(int(problemsOf("de", tableFrom(german), uses, english).size()), "problems");
    }
};

QTEST_GUILESS_MAIN(tst_TranslationTables)
#include "tst_TranslationTables.moc"
