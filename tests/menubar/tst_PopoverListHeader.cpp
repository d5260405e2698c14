#include <QAbstractButton>
#include <QEnterEvent>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/SymbolButton.h"
#include "menubar/PopoverListHeader.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// Takes the application's quit request instead of letting it close every
// window, and ends the application's run.
struct QuitCatcher : QObject {
    int requests = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Quit)
            return false;
        ++requests;
        QCoreApplication::exit(0);
        return true;
    }
};

} // namespace

class tst_PopoverListHeader : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    void buttonsOnlyAsk_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("stats");
        QTest::addColumn<int>("settings");
        QTest::newRow("statistics") << "popover.footer.stats"
                                    << "Statistics" << 1 << 0;
        QTest::newRow("settings") << "popover.footer.settings"
                                  << "Settings" << 0 << 1;
    }
    void buttonsOnlyAsk()
    {
        QFETCH(QString, button);
        QFETCH(QString, label);
        QFETCH(int, stats);
        QFETCH(int, settings);
        PopoverListHeader header;
        header.resize(328, header.sizeHint().height());
        header.show();
        QSignalSpy statsSpy(&header, &PopoverListHeader::openStatsRequested);
        QSignalSpy settingsSpy(&header, &PopoverListHeader::openSettingsRequested);
        auto *target = header.findChild<QAbstractButton *>(button);
        QCOMPARE(target->accessibleName(), label);
        QCOMPARE(target->size(), QSize(28, 28));
        // The whole square takes the click, not only the symbol.
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(statsSpy.count(), stats);
        QCOMPARE(settingsSpy.count(), settings);
    }

    void quitButton()
    {
        PopoverListHeader header;
        header.show();
        auto *quit = header.findChild<SymbolButton *>("popover.header.quit");
        QCOMPARE(quit->toolTip(), "Quit Halvex");
        QCOMPARE(quit->accessibleName(), "Quit Halvex");
        QCOMPARE(quit->currentColor(), Color::inkMuted());
        QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
        QCoreApplication::sendEvent(quit, &enter);
        QCOMPARE(quit->currentColor(), Color::destructive());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(quit, &leave);
        QCOMPARE(quit->currentColor(), Color::inkMuted());

        // A click asks the running application to quit (a request only a
        // running application hears).
        QuitCatcher catcher;
        qApp->installEventFilter(&catcher);
        QTimer::singleShot(0, quit, [quit] { QTest::mouseClick(quit, Qt::LeftButton); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // should it not come
        const int code = QApplication::exec();
        qApp->removeEventFilter(&catcher);
        QCOMPARE(code, 0);
        QCOMPARE(catcher.requests, 1);
    }
};

QTEST_MAIN(tst_PopoverListHeader)
#include "tst_PopoverListHeader.moc"
