#include <QAction>
#include <QTest>
#include <QWidget>

#include "app/AppMenuCommands.h"
#include "ui/TranslationLoader.h"

using halvex::AppMenuCommands;

class tst_AppMenuCommands : public QObject {
    Q_OBJECT
private slots:
    void everyWindowOpensAboutFromItsCommands()
    {
        int abouts = 0;
        AppMenuCommands commands([&] { ++abouts; });
        QWidget before;
        before.show();
        commands.install();
        QWidget after;
        after.show();
        QVERIFY(QTest::qWaitForWindowActive(&after));

        for (QWidget *window : {&before, &after})
            QVERIFY(window->actions().contains(commands.helpAction()) &&
                    window->actions().contains(commands.aboutAction()));
        QTest::keyClick(&after, Qt::Key_F1);
        QCOMPARE(abouts, 1);
        commands.aboutAction()->trigger();
        QCOMPARE(abouts, 2);
    }

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
