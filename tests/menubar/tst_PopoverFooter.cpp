#include <QSignalSpy>
#include <QTest>

#include "menubar/PopoverFooter.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/PrimaryButton.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

class tst_PopoverFooter : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase()
    {
        Motion::setReduceMotion(true);
        QVERIFY(m_translations.load("en"));
    }

    void counter_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("counter"); // "" for none
        QTest::newRow("no streaks") << 0 << "";
        QTest::newRow("one") << 1 << "1 / 5";
        QTest::newRow("at the limit") << 5 << "5 / 5";
        QTest::newRow("past the limit, not clamped") << 6 << "6 / 5";
    }
    void counter()
    {
        QFETCH(int, count);
        QFETCH(QString, counter);
        PopoverFooter footer(count);
        footer.resize(320, footer.sizeHint().height());
        footer.show();
        QCOMPARE(footer.objectName(), "popover.footer.newStreak");
        QCOMPARE(footer.button()->text(), "+ New streak");
        QVERIFY(footer.button()->isEnabled());
        QCOMPARE(footer.counter()->isVisible() ? footer.counter()->text() : QString(), counter);

        // A click on the counter reaches the button beneath it.
        QSignalSpy requested(&footer, &PopoverFooter::newStreakRequested);
        const QPoint at = counter.isEmpty() ? footer.button()->rect().center()
                                            : footer.counter()->geometry().center();
        QVERIFY(footer.button()->geometry().contains(at));
        QTest::mouseClick(footer.childAt(at) ? footer.childAt(at) : &footer, Qt::LeftButton, {},
                          footer.childAt(at)->mapFrom(&footer, at));
        QCOMPARE(requested.count(), 1);
    }
};

QTEST_MAIN(tst_PopoverFooter)
#include "tst_PopoverFooter.moc"
