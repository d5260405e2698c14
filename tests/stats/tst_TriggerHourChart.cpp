#include <QTest>

#include "StoreFixture.h"
#include "UiTestSupport.h"
#include "stats/TriggerHourChart.h"
#include "ui/Color.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

// Three events at 22:xx and two at 08:xx in Berlin, bars 20 wide.
struct Chart {
    Chart()
    {
        std::vector<QDateTime> firedAt;
        for (int i = 0; i < 3; ++i)
            firedAt.push_back(testing::local(3, 5, 22, i));
        for (int i = 0; i < 2; ++i)
            firedAt.push_back(testing::local(3, 4, 8, i));
        chart->setDistribution(TriggerHourDistribution(firedAt, testing::berlin));
        chart->setFixedWidth(24 * 20 + 23 * TriggerHourChart::barSpacing);
    }
    TriggerHourChart *chart = new TriggerHourChart;
    testing::Backdrop window{chart, 0};
};

} // namespace

class tst_TriggerHourChart : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load("en")); }

    void drawsOneBarPerHourOnTheBottomEdge()
    {
        Chart c;
        const QImage image = testing::render(&c.window);
        QCOMPARE(c.chart->barRect(22), QRectF(22 * 24, 0, 20, 120));
        QCOMPARE(c.chart->barRect(8), QRectF(8 * 24, 40, 20, 80));
        QCOMPARE(c.chart->barRect(0), QRectF(0, 117, 20, 3));

        const QColor background = Color::background().light();
        const auto colourIn = [&](int hour, int fromBottom) {
            const QRectF bar = c.chart->barRect(hour);
            return image.pixelColor(
                c.chart->mapTo(&c.window, QPoint(int(bar.center().x()), 119 - fromBottom)));
        };
        QCOMPARE_COLOR(colourIn(22, 100), Color::brand().light());
        QCOMPARE_COLOR(colourIn(8, 60), testing::over(Color::ink().light(), 0.8, background));
        QCOMPARE_COLOR(colourIn(8, 90), background); // above its top
        QCOMPARE_COLOR(colourIn(0, 1), testing::over(Color::divider().light(), 1, background));
        QCOMPARE_COLOR(colourIn(0, 4), background);
    }

    void namesTheHourUnderThePointer_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("tip"); // empty: none
        QTest::newRow("a tall bar") << 22 * 24 + 10 << "22:00: 3";
        QTest::newRow("above a short bar") << 8 * 24 + 19 << "08:00: 2";
        QTest::newRow("an empty hour") << 23 * 24 << "23:00: 0";
        QTest::newRow("the gap between two bars") << 8 * 24 + 21 << "";
    }
    void namesTheHourUnderThePointer()
    {
        QFETCH(int, x);
        QFETCH(QString, tip);
        Chart c;
        testing::render(&c.window);
        QCOMPARE(c.chart->helpAt(x), tip);
        QCOMPARE(c.chart->hourAt(x) >= 0, !tip.isEmpty());
    }
};

QTEST_MAIN(tst_TriggerHourChart)
#include "tst_TriggerHourChart.moc"
