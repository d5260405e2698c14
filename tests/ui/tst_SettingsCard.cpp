#include <QLabel>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/Color.h"
#include "ui/SettingsCard.h"

using namespace halvex;

class tst_SettingsCard : public QObject {
    Q_OBJECT

private slots:
    void contentSpansTheWidthAtTheLeadingEdge_data()
    {
        QTest::addColumn<int>("maximumWidth");
        QTest::addColumn<int>("expectedWidth");
        QTest::newRow("narrow content stays at the leading edge") << 60 << 60;
        QTest::newRow("wide content is stretched")
            << QWIDGETSIZE_MAX << 300 - 2 * SettingsCard::horizontalPadding;
    }
    void contentSpansTheWidthAtTheLeadingEdge()
    {
        QFETCH(int, maximumWidth);
        QFETCH(int, expectedWidth);
        auto *content = new QLabel(QStringLiteral("Sound"));
        content->setMaximumWidth(maximumWidth);
        auto *card = new SettingsCard(12, content);
        testing::Backdrop window(card, 0);
        window.resize(300, 100);
        testing::render(&window);
        QCOMPARE(card->width(), 300);
        QCOMPARE(content->geometry().left(), SettingsCard::horizontalPadding);
        QCOMPARE(content->geometry().top(), 12);
        QCOMPARE(content->width(), expectedWidth);
    }

    void drawsASurfaceWithADividerOutline()
    {
        auto *card = new SettingsCard(16, new QWidget);
        testing::Backdrop window(card, 0);
        window.resize(200, 80);
        const QImage image = testing::render(&window); // the card fills the window
        QCOMPARE_COLOR(image.pixelColor(100, 40), testing::light(Color::surface()));
        QCOMPARE_COLOR(image.pixelColor(100, 0), testing::light(Color::divider()));
        QCOMPARE_COLOR(image.pixelColor(0, 40), testing::light(Color::divider()));
        // Rounded: the very corner shows what lies behind.
        QCOMPARE_COLOR(image.pixelColor(0, 0), testing::light(Color::background()));
    }
};

QTEST_MAIN(tst_SettingsCard)
#include "tst_SettingsCard.moc"
