#include <QTest>

#include "NotificationFixture.h"
#include "app/WeeklyDigestScheduler.h"
#include "engine/StreakEngine.h"
#include "model/TriggerEvent.h"

using halvex::WeeklyDigestContent;
using halvex::WeeklyDigestScheduler;
using Status = platform::NotificationAuthorizationStatus;

namespace {

constexpr qint64 hour = 3600;
constexpr qint64 day = 86400;
const QString digest = QStringLiteral("halvex.weeklyDigest");

struct Fixture : testing::NotificationFixture {
    bool digestEnabled = true;
    halvex::StreakEngine engine{persistence, dayClock, nullptr, scheduler};
    WeeklyDigestScheduler digests{manager,
                                  persistence,
                                  engine,
                                  clock(),
                                  testing::berlin,
                                  sound(),
                                  [this] { return digestEnabled; }};

    Fixture() { now = testing::local(3, 5, 10, 0); } // a Thursday

    std::shared_ptr<halvex::Streak> addListed(const QString &name, qint64 daysAgo)
    {
        auto streak = addStreak(name, now.addSecs(-daysAgo * day));
        engine.reload();
        return streak;
    }
    void stepBack(const std::shared_ptr<halvex::Streak> &streak)
    {
        auto event = std::make_shared<halvex::TriggerEvent>(QUuid::createUuid(), now.addSecs(-hour),
                                                            halvex::TriggerSource::app,
                                                            std::nullopt, QStringLiteral("code"));
        event->setStreak(streak);
        event->setOutcome(halvex::TriggerOutcome::stepBack);
        context().insert(event);
    }
};

QDateTime utc(int month, int day, int hour)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, 0), Qt::UTC);
}

} // namespace

class tst_WeeklyDigestScheduler : public QObject {
    Q_OBJECT
private slots:
    void nextFireDate_data();
    void nextFireDate();
    void reschedulePlansTheComingSunday();
    void body_data();
    void body();
    void nothingPending_data();
    void nothingPending();
    void rescheduleIfStale_data();
    void rescheduleIfStale();
    void latestRescheduleDecides();
    void followsDeletes();
};

void tst_WeeklyDigestScheduler::nextFireDate_data()
{
    QTest::addColumn<QDateTime>("after");
    QTest::addColumn<QDateTime>("expected");

    using testing::local;
    QTest::newRow("thursday") << local(3, 5, 10, 0) << local(3, 8, 18, 0);
    QTest::newRow("sunday 17:59") << local(3, 8, 17, 59) << local(3, 8, 18, 0);
    QTest::newRow("sunday 18:00") << local(3, 8, 18, 0) << local(3, 15, 18, 0);
    QTest::newRow("sunday 18:00:01") << local(3, 8, 18, 0, 1) << local(3, 15, 18, 0);
    // Summer time begins that Sunday at 02:00, and ends on 25 October.
    QTest::newRow("into summer time") << local(3, 26, 10, 0) << utc(3, 29, 16);
    QTest::newRow("out of summer time") << local(10, 24, 12, 0) << utc(10, 25, 17);
}

void tst_WeeklyDigestScheduler::nextFireDate()
{
    QFETCH(QDateTime, after);
    QFETCH(QDateTime, expected);
    QCOMPARE(WeeklyDigestScheduler::nextDigestFireDate(after, testing::berlin), expected);
}

void tst_WeeklyDigestScheduler::reschedulePlansTheComingSunday()
{
    Fixture f;
    const auto streak = f.addListed(QStringLiteral("Social"), 12);
    f.stepBack(streak);
    f.stepBack(streak);
    f.addStale(digest);

    QVERIFY(testing::finishes(f.digests.reschedule()));

    QCOMPARE(f.center.pending.size(), 1);
    const auto *request = f.pending(digest);
    QVERIFY(request);
    QCOMPARE(request->deliveryDate, testing::local(3, 8, 18, 0));
    QCOMPARE(request->title, QStringLiteral("Your week in streaks"));
    QCOMPARE(request->body,
             QStringLiteral("Social: 12\u00a0days\nMost resisted: Social (2 steps back)"));
    QVERIFY(request->playsSound);
    QCOMPARE(f.digests.lastScheduledAt(), std::optional<QDateTime>(f.now));

    // Moved to Tokyo, the same Sunday evening comes nine hours earlier.
    f.digests.setTimeZone(QTimeZone("Asia/Tokyo"));
    QTRY_COMPARE(f.pending(digest) ? f.pending(digest)->deliveryDate : QDateTime(), utc(3, 8, 9));
    QCOMPARE(f.center.pending.size(), 1);
}

void tst_WeeklyDigestScheduler::body_data()
{
    QTest::addColumn<qint64>("days");
    QTest::addColumn<QString>("resistedName"); // empty: none
    QTest::addColumn<qint64>("resistedCount");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one day") << qint64(1) << "" << qint64(0) << "Social: 1\u00a0day";
    QTest::newRow("no day") << qint64(0) << "" << qint64(0) << "Social: 0\u00a0days";
    QTest::newRow("two days") << qint64(2) << "" << qint64(0) << "Social: 2\u00a0days";
    QTest::newRow("resisted once") << qint64(2) << "Video" << qint64(1)
                                   << "Social: 2\u00a0days\nMost resisted: Video (1 step back)";
    QTest::newRow("resisted twice") << qint64(2) << "Video" << qint64(2)
                                    << "Social: 2\u00a0days\nMost resisted: Video (2 steps back)";
    QTest::newRow("name without count") << qint64(2) << "Video" << qint64(0) << "Social: 2\u00a0days";
}

void tst_WeeklyDigestScheduler::body()
{
    QFETCH(qint64, days);
    QFETCH(QString, resistedName);
    QFETCH(qint64, resistedCount);
    QFETCH(QString, expected);

    halvex::TranslationLoader texts;
    texts.load(QStringLiteral("en"));
    WeeklyDigestContent::Result result;
    result.topStreaks = {{QStringLiteral("Social"), days}};
    if (!resistedName.isEmpty())
        result.mostResistedName = resistedName;
    result.mostResistedCount = resistedCount;
    QCOMPARE(WeeklyDigestScheduler::digestBody(result), expected);
}

void tst_WeeklyDigestScheduler::nothingPending_data()
{
    QTest::addColumn<bool>("digestEnabled");
    QTest::addColumn<Status>("status");
    QTest::addColumn<qint64>("streakDays");

    QTest::newRow("digest off") << false << Status::authorized << qint64(12);
    QTest::newRow("not authorized") << true << Status::denied << qint64(12);
    QTest::newRow("nothing to say") << true << Status::authorized << qint64(0);
}

void tst_WeeklyDigestScheduler::nothingPending()
{
    QFETCH(bool, digestEnabled);
    QFETCH(Status, status);
    QFETCH(qint64, streakDays);

    Fixture f;
    f.digestEnabled = digestEnabled;
    f.center.status = status;
    f.addListed(QStringLiteral("Social"), streakDays);
    f.addStale(digest);

    QVERIFY(testing::finishes(f.digests.reschedule()));
    QVERIFY(f.center.pending.isEmpty());
    QCOMPARE(f.digests.lastScheduledAt(), std::optional<QDateTime>(f.now));
}

void tst_WeeklyDigestScheduler::rescheduleIfStale_data()
{
    QTest::addColumn<bool>("rescheduledBefore");
    QTest::addColumn<qint64>("secondsLater");
    QTest::addColumn<bool>("reschedules");

    QTest::newRow("first of the run") << false << qint64(0) << true;
    QTest::newRow("5 h 59 min later") << true << 6 * hour - 60 << false;
    QTest::newRow("6 h later") << true << 6 * hour << true;
    QTest::newRow("clock set back") << true << -hour << false;
}

void tst_WeeklyDigestScheduler::rescheduleIfStale()
{
    QFETCH(bool, rescheduledBefore);
    QFETCH(qint64, secondsLater);
    QFETCH(bool, reschedules);

    Fixture f;
    f.addListed(QStringLiteral("Social"), 12);
    if (rescheduledBefore)
        QVERIFY(testing::finishes(f.digests.reschedule()));
    const auto before = f.digests.lastScheduledAt();
    f.center.pending.clear();

    f.now = f.now.addSecs(secondsLater);
    QVERIFY(testing::finishes(f.digests.rescheduleIfStale()));
    QCOMPARE(f.digests.lastScheduledAt(), reschedules ? std::optional<QDateTime>(f.now) : before);
    QCOMPARE(f.pending(digest) != nullptr, reschedules);
}

// The digest switched off while an earlier reschedule still waits for the
// centre stays off.
void tst_WeeklyDigestScheduler::latestRescheduleDecides()
{
    Fixture f;
    f.addListed(QStringLiteral("Social"), 12);
    f.center.holdStatusReads = true;
    const QFuture<void> earlier = f.digests.reschedule();
    f.digestEnabled = false;
    const QFuture<void> later = f.digests.reschedule();
    f.center.answerStatusReads();

    QVERIFY(testing::finishes(earlier) && testing::finishes(later));
    QVERIFY(f.center.pending.isEmpty());
}

void tst_WeeklyDigestScheduler::followsDeletes()
{
    Fixture f;
    f.digests.bind(f.engine);
    const auto social = f.addListed(QStringLiteral("Social"), 12);
    f.addListed(QStringLiteral("Video"), 3);
    QVERIFY(f.save());
    f.engine.reload();
    QVERIFY(testing::finishes(f.digests.reschedule()));
    QCOMPARE(f.pending(digest)->body, QStringLiteral("Social: 12\u00a0days\nVideo: 3\u00a0days"));

    QVERIFY(f.engine.deleteStreak(social->id()));
    QTRY_COMPARE(f.pending(digest) ? f.pending(digest)->body : QString(),
                 QStringLiteral("Video: 3\u00a0days"));
}

QTEST_GUILESS_MAIN(tst_WeeklyDigestScheduler)
#include "tst_WeeklyDigestScheduler.moc"
