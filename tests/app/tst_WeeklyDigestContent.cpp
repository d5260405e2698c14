#include <QTest>

#include "StoreFixture.h"
#include "app/WeeklyDigestContent.h"
#include "model/TriggerEvent.h"

using halvex::WeeklyDigestContent;

namespace {

// "Name@hours": a streak started that many hours before now. A leading "!"
// stores it but leaves it out of the list handed over.
// "Name@yyyy-MM-ddTHH:mm:ss@outcome": a trigger event of that streak, fired
// at that Berlin time; "~" as the name: an event of no streak.
struct Scenario : testing::StoreFixture {
    std::vector<std::shared_ptr<halvex::Streak>> listed;
    QHash<QString, std::shared_ptr<halvex::Streak>> byName;

    void addStreaks(const QStringList &rows)
    {
        for (QString row : rows) {
            const bool unlisted = row.startsWith(u'!');
            if (unlisted)
                row.remove(0, 1);
            const QStringList parts = row.split(u'@');
            auto streak = addStreak();
            streak->setName(parts[0]);
            streak->setStartedAt(now.addSecs(-parts[1].toLongLong() * 3600));
            byName.insert(parts[0], streak);
            if (!unlisted)
                listed.push_back(streak);
        }
    }
    void addEvents(const QStringList &rows)
    {
        for (const QString &row : rows) {
            const QStringList parts = row.split(u'@');
            const QDateTime firedAt = QDateTime::fromString(parts[1], Qt::ISODate);
            auto event = std::make_shared<halvex::TriggerEvent>(
                QUuid::createUuid(),
                QDateTime(firedAt.date(), firedAt.time(), testing::berlin).toUTC(),
                halvex::TriggerSource::app, std::nullopt, QStringLiteral("code"));
            if (parts[0] != u"~")
                event->setStreak(byName.value(parts[0]));
            event->setOutcomeRaw(parts[2]);
            context().insert(event);
        }
    }
};

// "A 2, B 0 | A 1", with "-" for no most resisted streak; "none".
QString describe(const std::optional<WeeklyDigestContent::Result> &result)
{
    if (!result)
        return QStringLiteral("none");
    QStringList top;
    for (const auto &entry : result->topStreaks)
        top << entry.name + u' ' + QString::number(entry.days);
    const QString resisted =
        result->mostResistedName
            ? QString(*result->mostResistedName + u' ' + QString::number(result->mostResistedCount))
            : QString(QStringLiteral("-") + (result->mostResistedCount ? u"!" : u""));
    return top.join(u", ") + u" | " + resisted;
}

} // namespace

class tst_WeeklyDigestContent : public QObject {
    Q_OBJECT
private slots:
    void compute_data();
    void compute();
};

void tst_WeeklyDigestContent::compute_data()
{
    QTest::addColumn<QStringList>("streaks");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("expected");

    // Now is Friday 6 March 2026, 10:00 in Berlin: the window runs from
    // Saturday 28 February 00:00 to Saturday 7 March 00:00.
    QTest::newRow("no streaks") << QStringList{} << QStringList{"~@2026-03-06T09:00:00@stepBack"}
                                << "none";
    QTest::newRow("one day, nothing resisted")
        << QStringList{"Social@30"} << QStringList{} << "Social 1 | -";
    QTest::newRow("no whole day, nothing resisted")
        << QStringList{"Social@2"} << QStringList{} << "none";
    QTest::newRow("no whole day, resisted")
        << QStringList{"Social@2", "Video@2"}
        << QStringList{"Video@2026-03-06T08:00:00@stepBack", "Video@2026-03-06T09:00:00@stepBack"}
        << "Social 0, Video 0 | Video 2";
    QTest::newRow("top three, ties by name")
        << QStringList{"Games@24", "News@48", "Mail@48", "Social@240"} << QStringList{}
        << "Social 10, Mail 2, News 2 | -";
    QTest::newRow("resisted ties by name")
        << QStringList{"Zed@48", "Amy@48"}
        << QStringList{"Zed@2026-03-05T12:00:00@stepBack", "Amy@2026-03-04T12:00:00@stepBack"}
        << "Amy 2, Zed 2 | Amy 1";
    QTest::newRow("window edges and outcomes")
        << QStringList{"Social@48"} << QStringList{"Social@2026-02-28T00:00:00@stepBack",
                                                   "Social@2026-03-07T00:00:00@stepBack",
                                                   "Social@2026-02-27T23:59:59@stepBack",
                                                   "Social@2026-03-06T09:00:00@pause",
                                                   "Social@2026-03-06T09:00:00@openAnyway",
                                                   "Social@2026-03-06T09:00:00@"}
        << "Social 2 | Social 1";
    QTest::newRow("unlisted streak or none")
        << QStringList{"Social@48", "!Gone@48"}
        << QStringList{"Gone@2026-03-06T09:00:00@stepBack", "Gone@2026-03-06T09:30:00@stepBack",
                       "~@2026-03-06T09:00:00@stepBack"}
        << "Social 2 | -";
    // A clock set back behind a start: that streak counts 0 and ranks by name
    // among the others at 0.
    QTest::newRow("start ahead") << QStringList{"Social@-1", "Video@30"} << QStringList{}
                                 << "Video 1, Social 0 | -";
    QTest::newRow("start ahead, resisted")
        << QStringList{"Art@-1", "Video@2"} << QStringList{"Video@2026-03-06T09:00:00@stepBack"}
        << "Art 0, Video 0 | Video 1";
}

void tst_WeeklyDigestContent::compute()
{
    QFETCH(QStringList, streaks);
    QFETCH(QStringList, events);
    QFETCH(QString, expected);

    Scenario s;
    s.addStreaks(streaks);
    s.addEvents(events);
    QVERIFY(s.save());

    QCOMPARE(describe(WeeklyDigestContent::compute(s.listed, s.context(), s.now, testing::berlin)),
             expected);
}

QTEST_GUILESS_MAIN(tst_WeeklyDigestContent)
#include "tst_WeeklyDigestContent.moc"
