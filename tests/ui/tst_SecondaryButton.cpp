#include <QTest>

#include "UiTestSupport.h"
#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/PointingHandCursor.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"

using namespace halvex;

class tst_SecondaryButton : public QObject {
    Q_OBJECT

    // The outline's colour at the middle of the left edge.
    static QColor outlineAt(const QImage &image, QWidget *button)
    {
        return image.pixelColor(button->mapTo(button->window(), QPoint(0, button->height() / 2)));
    }

private slots:
    void initTestCase() { Motion::setReduceMotion(true); }

    void looks_data()
    {
        QTest::addColumn<bool>("isEnabled");
        QTest::addColumn<bool>("containerEnabled");
        QTest::addColumn<qreal>("opacity");
        QTest::addColumn<bool>("reacts");
        QTest::newRow("enabled") << true << true << 1.0 << true;
        QTest::newRow("disabled itself dims") << false << true << 0.4 << false;
        QTest::newRow("in a disabled container keeps its look") << true << false << 1.0 << false;
    }
    void looks()
    {
        QFETCH(bool, isEnabled);
        QFETCH(bool, containerEnabled);
        QFETCH(qreal, opacity);
        QFETCH(bool, reacts);
        int clicks = 0;
        auto *button = new SecondaryButton({.title = QStringLiteral("Cancel"),
                                            .action = [&clicks] { ++clicks; },
                                            .isEnabled = isEnabled});
        testing::Backdrop window(button);
        window.setEnabled(containerEnabled);
        const QImage image = testing::render(&window);
        QCOMPARE_COLOR(outlineAt(image, button),
                       testing::over(testing::light(Color::divider()), opacity,
                                     testing::light(Color::background())));
        QCOMPARE(PointingHandCursor::isActive(button), reacts);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks, reacts ? 1 : 0);
    }

    void trailingSymbolAddsItsWidth()
    {
        SecondaryButton plain({.title = QStringLiteral("Test")});
        SecondaryButton withSymbol(
            {.title = QStringLiteral("Test"), .trailingSymbol = QStringLiteral("arrow.up.right")});
        QCOMPARE(withSymbol.sizeHint().width() - plain.sizeHint().width(),
                 SecondaryButton::symbolSpacing + Symbol::sizeForFont(10));
        QCOMPARE(plain.sizeHint().width(),
                 plain.fontMetrics().horizontalAdvance(QStringLiteral("Test")) + 32);
    }

    void compactIsThirtyHigh()
    {
        auto *button = new SecondaryButton({.title = QStringLiteral("Resume"), .compact = true});
        testing::Backdrop window(button);
        testing::render(&window);
        QCOMPARE(button->height(), 30);
        QCOMPARE(button->sizeHint().width(),
                 button->fontMetrics().horizontalAdvance(QStringLiteral("Resume")) + 24);
    }

    void theOutlinedShapeTakesClicksAndPressShowsNothing()
    {
        int clicks = 0;
        auto *button = new SecondaryButton(
            {.title = QStringLiteral("Delete all"), .action = [&clicks] { ++clicks; }});
        testing::Backdrop window(button);
        const QImage released = testing::render(&window);
        // Well inside the outline but far from the glyphs.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
        QCOMPARE(clicks, 1);
        // The very corner lies outside the rounded shape.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(clicks, 1);
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(testing::renderWidget(&window), released);
        QTest::mouseRelease(button, Qt::LeftButton);
    }
};

QTEST_MAIN(tst_SecondaryButton)
#include "tst_SecondaryButton.moc"
