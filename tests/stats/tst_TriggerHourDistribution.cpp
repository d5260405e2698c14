#include <QTest>

#include "StoreFixture.h"
#include "model/TriggerEvent.h"
#include "stats/TriggerHourDistribution.h"

using namespace halvex;
using Tone = TriggerHourDistribution::Tone;

namespace {

using Counts = QList<QPair<int, int>>; // local hour, events

TriggerHourDistribution at(const Counts &counts)
{
    std::vector<QDateTime> firedAt;
    for (const auto &[hour, n] : counts)
        for (int i = 0; i < n; ++i)
            firedAt.push_back(testing::local(3, 5, hour, i % 60));
    return TriggerHourDistribution(firedAt, testing::berlin);
}

QString toneName(Tone tone)
{
    switch (tone) {
    case Tone::empty:
        return "empty";
    case Tone::peak:
        return "peak";
    case Tone::faint:
        return "faint";
    case Tone::strong:
        return "strong";
    }
    return {};
}

} // namespace

class tst_TriggerHourDistribution : public QObject {
    Q_OBJECT
private slots:
    void barsOfEachHour_data()
    {
        QTest::addColumn<Counts>("counts");
        QTest::addColumn<QStringList>("bars"); // "hour height tone" of the hours named
        QTest::addColumn<int>("namedPeak");    // -1 for none
        QTest::newRow("no events") << Counts{} << QStringList{"0 3 empty", "23 3 empty"} << -1;
        QTest::newRow("three at nine: a peak, but too few to name")
            << Counts{{9, 3}} << QStringList{"9 120 peak", "8 3 empty", "10 3 empty"} << -1;
        QTest::newRow("three at 22, two at 8")
            << Counts{{22, 3}, {8, 2}} << QStringList{"22 120 peak", "8 80 strong"} << 22;
        QTest::newRow("a tie goes to the earlier hour")
            << Counts{{19, 2}, {7, 2}, {12, 1}}
            << QStringList{"7 120 peak", "19 120 strong", "12 60 strong"} << 7;
        QTest::newRow("one beside forty keeps the least height")
            << Counts{{20, 40}, {3, 1}, {4, 19}, {5, 20}}
            << QStringList{"20 120 peak", "3 3 faint", "4 57 faint", "5 60 strong"} << 20;
    }
    void barsOfEachHour()
    {
        QFETCH(Counts, counts);
        QFETCH(QStringList, bars);
        const TriggerHourDistribution d = at(counts);
        for (const QString &bar : bars) {
            const int hour = bar.section(u' ', 0, 0).toInt();
            QCOMPARE(QString::number(hour) + u' ' + QString::number(d.barHeight(hour, 120, 3)) +
                         u' ' + toneName(d.tone(hour)),
                     bar);
        }
        QFETCH(int, namedPeak);
        QCOMPARE(d.namedPeakHour().value_or(-1), namedPeak);
    }

    void bucketsByTheWallClockOfTheZone_data()
    {
        QTest::addColumn<QTimeZone>("zone");
        QTest::addColumn<QList<qint64>>("hours0to3");
        QTest::addColumn<int>("peak");
        // Berlin: 02:00 does not exist on 29 March and comes twice on 25 October.
        QTest::newRow("Berlin") << testing::berlin << QList<qint64>{0, 1, 2, 2} << 2;
        QTest::newRow("UTC") << QTimeZone::utc() << QList<qint64>{2, 2, 1, 0} << 0;
    }
    void bucketsByTheWallClockOfTheZone()
    {
        QFETCH(QTimeZone, zone);
        const auto utc = [](int month, int day, int hour) {
            return QDateTime(QDate(2026, month, day), QTime(hour, 30), Qt::UTC);
        };
        const TriggerHourDistribution d(
            {utc(3, 29, 0), utc(3, 29, 1), utc(10, 25, 0), utc(10, 25, 1), utc(10, 25, 2)}, zone);
        const auto &b = d.buckets();
        QTEST((QList<qint64>{b[0], b[1], b[2], b[3]}), "hours0to3");
        QTEST(d.peakHour(), "peak");
        QCOMPARE(d.total(), 5);
    }

    void periodStartsThirtyDaysBeforeToday()
    {
        testing::StoreFixture f;
        const QDateTime cutoff = TriggerHourDistribution::cutoff(f.now, testing::berlin);
        QCOMPARE(cutoff, testing::local(2, 4, 0, 0));
        for (const QDateTime &firedAt : {cutoff, cutoff.addSecs(-1), f.now})
            f.context().insert(std::make_shared<TriggerEvent>(
                QUuid::createUuid(), firedAt, TriggerSource::url, "a.example", std::nullopt));
        QVERIFY(f.save());
        QCOMPARE(f.context().fetch(TriggerHourDistribution::eventsFetch(cutoff))->size(),
                 size_t(2));
        QCOMPARE(TriggerHourDistribution::hourLabel(7), QString("07:00"));
    }
};

QTEST_GUILESS_MAIN(tst_TriggerHourDistribution)
#include "tst_TriggerHourDistribution.moc"
