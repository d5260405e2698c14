#include <QTest>

#include "ui/TitledWindow.h"

using namespace halvex;

class tst_TitledWindow : public QObject {
    Q_OBJECT

private slots:
    void escapeClosesOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("closesOnEscape");
        QTest::newRow("closes on Esc") << true;
        QTest::newRow("keeps Esc for the plain handling") << false;
    }
    void escapeClosesOnlyWhenAsked()
    {
        QFETCH(bool, closesOnEscape);
        int closes = 0;
        TitledWindow window({.objectName = QStringLiteral("some.window"),
                             .title = [] { return QStringLiteral("Title"); },
                             .didClose = [&closes] { ++closes; },
                             .closesOnEscape = closesOnEscape});
        QCOMPARE(window.objectName(), QStringLiteral("some.window"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Title"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.isVisible(), !closesOnEscape);
        QCOMPARE(closes, closesOnEscape ? 1 : 0);
        // Each close that goes through is told, the close button's too.
        window.show();
        QVERIFY(window.close());
        QCOMPARE(closes, closesOnEscape ? 2 : 1);
    }

    void titleFollowsTheLanguage()
    {
        QString title = QStringLiteral("Settings");
        TitledWindow window({.title = [&title] { return title; }});
        QCOMPARE(window.windowTitle(), QStringLiteral("Settings"));
        title = QStringLiteral("Einstellungen");
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&window, &change);
        QCOMPARE(window.windowTitle(), QStringLiteral("Einstellungen"));
    }
};

QTEST_MAIN(tst_TitledWindow)
#include "tst_TitledWindow.moc"
