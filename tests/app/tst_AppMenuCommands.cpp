#include <QAction>
#include <QTest>

#include "app/AppMenuCommands.h"
#include "ui/TranslationLoader.h"

using halvex::AppMenuCommands;

class tst_AppMenuCommands : public QObject {
    Q_OBJECT
private slots:
    void theCommandsFollowTheLanguage()
    {
        halvex::TranslationLoader translations;
        AppMenuCommands commands({});
        commands.install();
        QVERIFY(translations.load("tr"));
        QCOMPARE(commands.aboutAction()->text(), "Halvex Hakkında");
        QVERIFY(translations.load("en"));
        QCOMPARE(commands.helpAction()->text(), "Halvex Help");
    }
};

QTEST_MAIN(tst_AppMenuCommands)

#include "tst_AppMenuCommands.moc"
