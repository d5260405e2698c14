#include <QTest>

#include "UiTestSupport.h"
#include "ui/ActivityIndicator.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/DestructiveButton.h"
#include "ui/PointingHandCursor.h"

using namespace halvex;

class tst_DestructiveButton : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void looks_data()
    {
        QTest::addColumn<bool>("isEnabled");
        QTest::addColumn<bool>("isLoading");
        QTest::addColumn<bool>("containerEnabled");
        QTest::addColumn<qreal>("opacity");
        QTest::addColumn<bool>("reacts");
        QTest::newRow("enabled") << true << false << true << 1.0 << true;
        QTest::newRow("loading but enabled keeps full opacity")
            << true << true << true << 1.0 << false;
        QTest::newRow("disabled") << false << false << true << 0.4 << false;
        QTest::newRow("disabled and loading") << false << true << true << 0.4 << false;
        QTest::newRow("in a disabled container") << true << false << false << 1.0 << false;
    }
    void looks()
    {
        QFETCH(bool, isEnabled);
        QFETCH(bool, isLoading);
        QFETCH(bool, containerEnabled);
        QFETCH(qreal, opacity);
        QFETCH(bool, reacts);
        int clicks = 0;
        auto *button = new DestructiveButton({.title = QStringLiteral("Break streak"),
                                              .action = [&clicks] { ++clicks; },
                                              .isEnabled = isEnabled,
                                              .isLoading = isLoading});
        testing::Backdrop window(button);
        window.setEnabled(containerEnabled);
        const QImage image = testing::render(&window);
        const QPoint edge = button->mapTo(&window, QPoint(0, button->height() / 2));
        QCOMPARE_COLOR(image.pixelColor(edge),
                       testing::over(testing::light(Color::destructive()), opacity,
                                     testing::light(Color::background())));
        QCOMPARE(button->activityIndicator()->isVisible(), isLoading);
        QCOMPARE(button->activityIndicator()->opacity(), opacity);
        QCOMPARE(button->activityIndicator()->tint(), Color::destructive());
        QCOMPARE(PointingHandCursor::isActive(button), reacts);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicks, reacts ? 2 : 0); // the click and the space bar
    }

    void titleWrapsInsteadOfBeingCut()
    {
        DestructiveButton button(
            {.title = QStringLiteral("Delete this streak and all of its history")});
        const int oneLine = button.heightForWidth(button.sizeHint().width());
        QCOMPARE(oneLine, button.fontMetrics().height() + 26);
        QVERIFY(button.heightForWidth(120) >= oneLine + button.fontMetrics().height());
        QVERIFY(button.minimumSizeHint().width() < 120);
    }

    void aLayoutGivesTheWrappedTitleItsHeight()
    {
        auto *button = new DestructiveButton(
            {.title = QStringLiteral("Delete this streak and all of its history")});
        button->setMaximumWidth(140);
        testing::Backdrop window(button);
        testing::render(&window);
        QCOMPARE(button->width(), 140);
        QCOMPARE(button->height(), button->heightForWidth(140));
        QVERIFY(button->height() > button->sizeHint().height());
    }

    void pressShowsNothing()
    {
        auto *button = new DestructiveButton({.title = QStringLiteral("Delete")});
        testing::Backdrop window(button);
        const QImage released = testing::render(&window);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(testing::renderWidget(&window), released);
        QTest::mouseRelease(button, Qt::LeftButton);
    }
};

QTEST_MAIN(tst_DestructiveButton)
#include "tst_DestructiveButton.moc"
