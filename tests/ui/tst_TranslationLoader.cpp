#include <QTest>

#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_TranslationLoader : public QObject {
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("onlyEnglish");
        QTest::newRow("de") << "de" << true << "Hallo"
                            << "Only in English";
        QTest::newRow("en") << "en" << true << "Hello"
                            << "Only in English";
        QTest::newRow("unsupported it falls back to English") << "it" << false << "Hello"
                                                              << "Only in English";
        QTest::newRow("supported but without a sample table") << "fr" << false << "Hello"
                                                              << "Only in English";
    }
    void lookups()
    {
        QFETCH(QString, language);
        QFETCH(bool, loaded);
        QFETCH(QString, greeting);
        QFETCH(QString, onlyEnglish);
        TranslationLoader loader(QStringLiteral(":/samples/sample_"));
        QCOMPARE(loader.load(language), loaded);
        QCOMPARE(qtTrId("sample.greeting"), greeting);
        QCOMPARE(qtTrId("sample.onlyEnglish"), onlyEnglish);
        // A key in no table shows itself.
        QCOMPARE(qtTrId("sample.unknown"), QStringLiteral("sample.unknown"));
    }

    void loadingAgainReplacesAndDestroyingRemoves()
    {
        {
            TranslationLoader loader(QStringLiteral(":/samples/sample_"));
            loader.load(QStringLiteral("de"));
            QCOMPARE(qtTrId("sample.greeting"), QStringLiteral("Hallo"));
            QCOMPARE(QLocale().language(), QLocale::German);
            loader.load(QStringLiteral("en"));
            QCOMPARE(qtTrId("sample.greeting"), QStringLiteral("Hello"));
            QCOMPARE(loader.languageCode(), QStringLiteral("en"));
        }
        QCOMPARE(qtTrId("sample.greeting"), QStringLiteral("sample.greeting"));
    }

    void builtInTablesAreCompiledIn_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : TranslationLoader::supportedLanguageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void builtInTablesAreCompiledIn()
    {
        QFETCH(QString, language);
        TranslationLoader loader;
        QVERIFY(loader.load(QStringLiteral("en")));
        const QString english = qtTrId("ui.progress.loading");
        QCOMPARE(english, QStringLiteral("Loading"));
        QVERIFY(loader.load(language));
        const QString text = qtTrId("ui.progress.loading");
        QVERIFY(text != QStringLiteral("ui.progress.loading"));
        QCOMPARE(text == english, language == QStringLiteral("en"));
    }
};

QTEST_GUILESS_MAIN(tst_TranslationLoader)
#include "tst_TranslationLoader.moc"
