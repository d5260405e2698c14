#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

#include "FakeSystemAppearance.h"
#include "app/LanguageSwitch.h"
#include "model/AppSettings.h"
#include "model/PersistenceController.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// An open window of the application that draws one text of the shell's.
class HelpWindow final : public QWidget {
public:
    QString text = qtTrId("menu.help");

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            text = qtTrId("menu.help");
        QWidget::changeEvent(event);
    }
};

} // namespace

class tst_LanguageSwitch : public QObject {
    Q_OBJECT
private slots:
    void appliesTheChoiceAtStartAndEachChangeAtOnce_data();
    void appliesTheChoiceAtStartAndEachChangeAtOnce();
};

void tst_LanguageSwitch::appliesTheChoiceAtStartAndEachChangeAtOnce_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("help");
    QTest::newRow("German") << "de"
                            << "de"
                            << "Halvex-Hilfe";
    QTest::newRow("Japanese") << "ja"
                              << "ja"
                              << "Halvex ヘルプ";
    // The process prefers Brazilian Portuguese, which has no table, then Turkish (main()).
    QTest::newRow("system") << "system"
                            << "tr"
                            << "Halvex Yardımı";
    QTest::newRow("an unsupported code reads as system") << "it"
                                                         << "tr"
                                                         << "Halvex Yardımı";
}

void tst_LanguageSwitch::appliesTheChoiceAtStartAndEachChangeAtOnce()
{
    QFETCH(QString, stored);
    PersistenceController persistence(true);
    testing::FakeSystemAppearance desktop("Dark");
    ThemeController theme(desktop);
    TranslationLoader translations;
    auto settings = AppSettings::fetchOrCreate(persistence.mainContext());
    settings->setLanguageRaw(stored);
    settings->setThemeRaw("light");

    LanguageSwitch languages(persistence.mainContext(), translations, theme);
    languages.start();
    QTEST(languages.currentLanguageCode(), "code");
    QCOMPARE(theme.appearance(), Appearance::light);

    HelpWindow window;
    window.show();
    QTEST(window.text, "help");

    settings->setLanguageRaw("fr");
    settings->setThemeRaw("auto"); // follows the desktop
    // Each widget hears of the new tables from the event loop.
    QTRY_COMPARE(window.text, "Aide de Halvex");
    QCOMPARE(theme.appearance(), Appearance::dark);
}

int main(int argc, char **argv)
{
    // Read by the system locale when it is first made.
    qputenv("LANGUAGE", "pt_BR:tr");
    QApplication application(argc, argv);
    tst_LanguageSwitch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_LanguageSwitch.moc"
