#include <QLabel>
#include <QTest>

#include "StoreFixture.h"
#include "model/TriggerEvent.h"
#include "stats/TriggerHourChart.h"
#include "stats/TriggerHourDistributionView.h"
#include "ui/TranslationLoader.h"

using namespace halvex;

namespace {

struct Card : testing::StoreFixture {
    std::shared_ptr<TriggerEvent> add(const QDateTime &firedAt)
    {
        auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), firedAt, TriggerSource::app,
                                                std::nullopt, QStringLiteral("code"));
        context().insert(e);
        return e;
    }
    void open()
    {
        QVERIFY(save());
        view = std::make_unique<TriggerHourDistributionView>(context(), dayClock);
        view->resize(540, 400);
        view->show();
    }
    QLabel *label(const char *name) const { return view->findChild<QLabel *>(name); }
    // What is on screen, top to bottom: "title | range | empty | chart | peak".
    QStringList shown() const
    {
        QStringList parts;
        for (const char *name :
             {"stats.triggerHours.title", "stats.triggerHours.range", "stats.triggerHours.empty"})
            if (label(name)->isVisible())
                parts << label(name)->text();
        if (view->findChild<QWidget *>("stats.triggerHours.box")->isVisible())
            parts << "chart: " + view->chart()->accessibleName();
        if (label("stats.triggerHours.peak")->isVisible())
            parts << label("stats.triggerHours.peak")->text();
        return parts;
    }
    std::unique_ptr<TriggerHourDistributionView> view;
};

using Hours = QList<int>;

} // namespace

class tst_TriggerHourDistributionView : public QObject {
    Q_OBJECT

    TranslationLoader m_translations;

private slots:
    void initTestCase() { QVERIFY(m_translations.load("en")); }

    void showsTheCountAndTheHardestHour_data()
    {
        QTest::addColumn<Hours>("hours"); // of events yesterday, local time
        QTest::addColumn<QStringList>("shown");
        const QString title = "When the urge hits";
        QTest::newRow("none") << Hours{} << QStringList{title, "No trigger events yet."};
        QTest::newRow("one") << Hours{9}
                             << QStringList{title, "Last 30\u00a0days, 1 panel", "chart: " + title};
        QTest::newRow("three at nine: no sentence yet")
            << Hours{9, 9, 9}
            << QStringList{title, "Last 30\u00a0days, 3 panels", "chart: " + title};
        const QString peak = "22:00 is your hardest hour.";
        QTest::newRow("five: the hardest hour named")
            << Hours{22, 8, 22, 8, 22}
            << QStringList{title, "Last 30\u00a0days, 5 panels", "chart: " + peak, peak};
    }
    void showsTheCountAndTheHardestHour()
    {
        QFETCH(Hours, hours);
        Card c;
        int minute = 0;
        for (int hour : hours)
            c.add(testing::local(3, 5, hour, minute++));
        c.open();
        QTEST(c.shown(), "shown");
        QCOMPARE(c.view->chart()->distribution().total(), hours.size());
    }

    void followsTheStoreOverAFixedPeriod()
    {
        Card c;
        c.add(c.now.addDays(-40)); // long before the period
        c.open();
        QCOMPARE(c.view->cutoff(), testing::local(2, 4, 0, 0));
        QCOMPARE(c.view->distribution().total(), 0);

        auto first = c.add(c.view->cutoff());
        c.add(c.now);
        QVERIFY(c.save());
        QTRY_COMPARE(c.view->distribution().total(), 2);
        QCOMPARE(c.view->distribution().count(0), 1);
        QCOMPARE(c.view->distribution().count(10), 1);

        // A day later the period still starts where it did when the card was built.
        c.now = c.now.addDays(1);
        c.view->refresh();
        QCOMPARE(c.view->distribution().total(), 2);

        first->setFiredAt(testing::local(3, 6, 7, 0));
        QTRY_COMPARE(c.view->distribution().count(7), 1);
        c.context().remove(first);
        QTRY_COMPARE(c.view->distribution().total(), 1);
    }
};

QTEST_MAIN(tst_TriggerHourDistributionView)
#include "tst_TriggerHourDistributionView.moc"
