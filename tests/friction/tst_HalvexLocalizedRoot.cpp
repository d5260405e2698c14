#include <QTest>

#include "FakeSystemAppearance.h"
#include "friction/HalvexLocalizedRoot.h"
#include "model/AppSettings.h"
#include "model/PersistenceController.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_HalvexLocalizedRoot : public QObject {
    Q_OBJECT
private slots:
    void resolvesTheStoredLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("expected");
        const QStringList swiss{"de-CH", "en-GB"};
        QTest::newRow("a supported code") << "ja" << swiss << "ja";
        QTest::newRow("system") << "system" << swiss << "de";
        QTest::newRow("empty is system") << "" << QStringList{"pt_BR", "fr_FR"} << "fr";
        QTest::newRow("unsupported code") << "pt" << QStringList{"tr-TR"} << "tr";
        QTest::newRow("nothing supported") << "system" << QStringList{"pt-BR", "it"} << "en";
        QTest::newRow("no preference") << "system" << QStringList{} << "en";
    }
    void resolvesTheStoredLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, preferred);
        QTEST(HalvexLocalizedRoot::resolveLanguageCode(stored, preferred), "expected");
    }

    void appliesEachWrittenChoice()
    {
        PersistenceController persistence(true);
        testing::FakeSystemAppearance desktop("Dark");
        ThemeController theme(desktop);
        TranslationLoader translations;
        auto settings = AppSettings::fetchOrCreate(persistence.mainContext());
        settings->setLanguageRaw("es");
        settings->setThemeRaw("light");

        HalvexLocalizedRoot root(persistence.mainContext(), theme, translations);
        auto *content = new QWidget;
        root.setContent(content);
        QCOMPARE(translations.languageCode(), QString("es"));
        QCOMPARE(content->locale().language(), QLocale::Spanish);
        QCOMPARE(theme.appearance(), Appearance::light);

        settings->setLanguageRaw("ja");
        settings->setThemeRaw("auto"); // follows the desktop
        QCOMPARE(translations.languageCode(), QString("ja"));
        QCOMPARE(content->locale().language(), QLocale::Japanese);
        QCOMPARE(theme.appearance(), Appearance::dark);
        QCOMPARE(qtTrId("friction.button.stepBack"), QString("引き返す"));
    }
};

QTEST_MAIN(tst_HalvexLocalizedRoot)
#include "tst_HalvexLocalizedRoot.moc"
