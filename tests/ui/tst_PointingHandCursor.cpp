#include <QTest>

#include "ui/PointingHandCursor.h"

using namespace halvex;

class tst_PointingHandCursor : public QObject {
    Q_OBJECT

private slots:
    void activeFlagSequence_data()
    {
        QTest::addColumn<QList<bool>>("sequence");
        QTest::addColumn<bool>("expected");
        QTest::newRow("true, true, false") << QList<bool>{true, true, false} << false;
        QTest::newRow("false, true") << QList<bool>{false, true} << true;
        QTest::newRow("true, false, true") << QList<bool>{true, false, true} << true;
    }
    void activeFlagSequence()
    {
        QFETCH(QList<bool>, sequence);
        QFETCH(bool, expected);
        QWidget parent;
        parent.setCursor(Qt::IBeamCursor);
        auto *w = new QWidget(&parent);
        for (bool active : sequence)
            PointingHandCursor::setActive(w, active);
        QCOMPARE(PointingHandCursor::isActive(w), expected);
        // Inactive, the widget shows what its parent shows.
        QCOMPARE(w->cursor().shape(), expected ? Qt::PointingHandCursor : Qt::IBeamCursor);
    }

    void hoverCursorFollowsEnabledState()
    {
        QWidget container;
        auto *button = new QWidget(&container);
        HoverPointingHandCursor::apply(button);
        HoverPointingHandCursor::apply(button); // harmless twice
        QCOMPARE(button->findChildren<HoverPointingHandCursor *>().size(), 1);
        QVERIFY(PointingHandCursor::isActive(button));

        button->setEnabled(false);
        QVERIFY(!PointingHandCursor::isActive(button));
        button->setEnabled(true);
        QVERIFY(PointingHandCursor::isActive(button));

        // Disabled through an ancestor: the arrow as well.
        container.setEnabled(false);
        QVERIFY(!PointingHandCursor::isActive(button));
        container.setEnabled(true);
        QVERIFY(PointingHandCursor::isActive(button));
    }

    void disabledFromTheStartShowsTheArrow()
    {
        QWidget w;
        w.setEnabled(false);
        HoverPointingHandCursor::apply(&w);
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(tst_PointingHandCursor)
#include "tst_PointingHandCursor.moc"
