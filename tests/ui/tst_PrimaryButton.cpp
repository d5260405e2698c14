#include <QTest>

#include "UiTestSupport.h"
#include "ui/ActivityIndicator.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"
#include "ui/PrimaryButton.h"

using namespace halvex;

class tst_PrimaryButton : public QObject {
    Q_OBJECT

    static QColor fillAt(const QImage &image, PrimaryButton *button)
    {
        const QPoint p = button->mapTo(button->window(), QPoint(5, button->height() / 2));
        return image.pixelColor(p);
    }
    static QColor fillWithOpacity(qreal opacity)
    {
        return testing::over(testing::light(Color::accent()), opacity,
                             testing::light(Color::background()));
    }

private slots:
    void init() { Motion::setReduceMotion(true); }

    void looks_data()
    {
        QTest::addColumn<bool>("isEnabled");
        QTest::addColumn<bool>("isLoading");
        QTest::addColumn<bool>("containerEnabled");
        QTest::addColumn<bool>("reacts");
        // Whatever disables it, it looks disabled: a faint ink fill, no accent.
        QTest::newRow("enabled") << true << false << true << true;
        QTest::newRow("disabled") << false << false << true << false;
        QTest::newRow("loading") << true << true << true << false;
        QTest::newRow("inside a disabled container") << true << false << false << false;
    }
    void looks()
    {
        QFETCH(bool, isEnabled);
        QFETCH(bool, isLoading);
        QFETCH(bool, containerEnabled);
        QFETCH(bool, reacts);
        int clicks = 0;
        auto *button = new PrimaryButton({.title = QStringLiteral("Continue"),
                                          .action = [&clicks] { ++clicks; },
                                          .isEnabled = isEnabled,
                                          .isLoading = isLoading});
        button->setObjectName(QStringLiteral("onboarding.continue"));
        testing::Backdrop window(button);
        window.setEnabled(containerEnabled);
        const QImage image = testing::render(&window);
        QCOMPARE(window.findChild<PrimaryButton *>(QStringLiteral("onboarding.continue")), button);
        QCOMPARE_COLOR(fillAt(image, button),
                       reacts ? fillWithOpacity(1.0)
                              : testing::over(testing::light(Color::ink()),
                                              PrimaryButtonStyle::disabledFillOpacity,
                                              testing::light(Color::background())));
        QCOMPARE(PointingHandCursor::isActive(button), reacts);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicks, reacts ? 2 : 0); // the click and the space bar
    }

    void loadingShowsOnlyTheIndicator()
    {
        auto *a = new PrimaryButton({.title = QStringLiteral("Save"), .isLoading = true});
        auto *b =
            new PrimaryButton({.title = QStringLiteral("A much longer title"), .isLoading = true});
        testing::Backdrop wa(a), wb(b);
        const QImage ia = testing::render(&wa);
        const QImage ib = testing::render(&wb);
        // Width follows the indicator plus padding; no title is drawn.
        QCOMPARE(a->width(), ActivityIndicator::smallSize + 32);
        QCOMPARE(ia, ib);
        QVERIFY(a->activityIndicator()->isVisible());
        QVERIFY(a->activityIndicator()->isSpinning());
        QCOMPARE(a->activityIndicator()->tint(), PrimaryButtonStyle::disabledTitle());

        a->setLoading(false);
        QVERIFY(!a->activityIndicator()->isVisible());
        QVERIFY(a->sizeHint().width() > ActivityIndicator::smallSize + 32);
    }

    void heights_data()
    {
        QTest::addColumn<bool>("compact");
        QTest::addColumn<qreal>("padding");
        QTest::addColumn<int>("extra");
        QTest::newRow("regular") << false << 13.0 << 26;
        QTest::newRow("regular, dense environment") << false << 8.0 << 16;
        QTest::newRow("compact ignores the environment") << true << 8.0 << -1;
    }
    void heights()
    {
        QFETCH(bool, compact);
        QFETCH(qreal, padding);
        QFETCH(int, extra);
        auto *button = new PrimaryButton({.title = QStringLiteral("Go"), .compact = compact});
        testing::Backdrop window(button);
        Environment::setControlVerticalPadding(&window, padding);
        testing::render(&window);
        const int expected = extra < 0 ? 30 : button->fontMetrics().height() + extra;
        QCOMPARE(button->height(), expected);
        QCOMPARE(button->sizeHint().width(),
                 button->fontMetrics().horizontalAdvance(QStringLiteral("Go")) +
                     (compact ? 24 : 32));
    }

    void pressDimsAtOnceAndReleaseRuns()
    {
        int clicks = 0;
        auto *button =
            new PrimaryButton({.title = QStringLiteral("Save"), .action = [&clicks] { ++clicks; }});
        testing::Backdrop window(button);
        testing::render(&window);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE_COLOR(fillAt(testing::renderWidget(&window), button), fillWithOpacity(0.85));
        QCOMPARE(clicks, 0);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE_COLOR(fillAt(testing::renderWidget(&window), button), fillWithOpacity(1.0));
        QCOMPARE(clicks, 1);
    }

    void ownEnabledChangeEasesWithTheSnappySpring()
    {
        Motion::setReduceMotion(false);
        PrimaryButton button({.title = QStringLiteral("Go")});
        button.setEnabled(false);
        QVERIFY(testing::seek(&button, "enabledLook", 40));
        QVERIFY(button.enabledLook() > 0.0 && button.enabledLook() < 1.0);
        QVERIFY(testing::seek(&button, "enabledLook", Motion::snappySpring().durationMs));
        QCOMPARE(button.enabledLook(), 0.0);
        // Loading is no change of the flag: the look jumps.
        button.setEnabled(true);
        QVERIFY(testing::seek(&button, "enabledLook", Motion::snappySpring().durationMs));
        button.setLoading(true);
        QVERIFY(!Motion::runningAnimation(&button, "enabledLook"));
        QCOMPARE(button.enabledLook(), 0.0);
    }
};

QTEST_MAIN(tst_PrimaryButton)
#include "tst_PrimaryButton.moc"
