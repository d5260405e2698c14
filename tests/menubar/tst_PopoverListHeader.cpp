#include <QAbstractButton>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "menubar/PopoverListHeader.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/SymbolButton.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_PopoverListHeader : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    // Each button only asks; quitting included, which the host routes
    // through the application's one quit path.
    void buttonsOnlyAsk_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QList<int>>("counts"); // statistics, settings, quit
        QTest::newRow("statistics") << "popover.footer.stats"
                                    << "Statistics" << QList<int>{1, 0, 0};
        QTest::newRow("settings") << "popover.footer.settings"
                                  << "Settings" << QList<int>{0, 1, 0};
        QTest::newRow("quit") << "popover.header.quit"
                              << "Quit Halvex" << QList<int>{0, 0, 1};
    }
    void buttonsOnlyAsk()
    {
        QFETCH(QString, button);
        QFETCH(QString, label);
        QFETCH(QList<int>, counts);
        PopoverListHeader header;
        header.resize(328, header.sizeHint().height());
        header.show();
        QSignalSpy stats(&header, &PopoverListHeader::openStatsRequested);
        QSignalSpy settings(&header, &PopoverListHeader::openSettingsRequested);
        QSignalSpy quit(&header, &PopoverListHeader::quitRequested);
        auto *target = header.findChild<QAbstractButton *>(button);
        QCOMPARE(target->accessibleName(), label);
        QCOMPARE(target->size(), QSize(28, 28));
        // The whole square takes the click, not only the symbol.
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE((QList<int>{int(stats.count()), int(settings.count()), int(quit.count())}),
                 counts);
    }

    void quitButtonTurnsDestructiveWhileHovered()
    {
        PopoverListHeader header;
        header.show();
        auto *quit = header.findChild<SymbolButton *>("popover.header.quit");
        QCOMPARE(quit->toolTip(), "Quit Halvex");
        QCOMPARE(quit->currentColor(), Color::inkMuted());
        QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
        QCoreApplication::sendEvent(quit, &enter);
        QCOMPARE(quit->currentColor(), Color::destructive());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(quit, &leave);
        QCOMPARE(quit->currentColor(), Color::inkMuted());
    }
};

QTEST_MAIN(tst_PopoverListHeader)
#include "tst_PopoverListHeader.moc"
