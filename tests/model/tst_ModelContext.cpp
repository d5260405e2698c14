#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "LogCapture.h"
#include "model/AppSettings.h"
#include "model/BypassUsage.h"
#include "model/ModelContainer.h"
#include "model/ModelContext.h"
#include "model/SchemaV1.h"
#include "model/Streak.h"
#include "model/Tombstone.h"
#include "model/TriggerEvent.h"
#include "model/UsageSession.h"
#include "model/WhyAnswer.h"

using namespace halvex;

namespace {

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODateWithMs);
}

std::shared_ptr<Streak> makeStreak(const QString &name, int sortOrder = 0)
{
    auto s = std::make_shared<Streak>(
        QUuid::createUuid(), name, StreakType::app, StrictnessMode::firm, QStringList{},
        QStringList{}, QStringList{QStringLiteral("code")}, at("2026-01-01T00:00:00Z"));
    s->setSortOrder(sortOrder);
    return s;
}

std::shared_ptr<TriggerEvent> makeEvent(const std::shared_ptr<Streak> &streak,
                                        const QDateTime &firedAt)
{
    auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), firedAt, TriggerSource::app,
                                            std::nullopt, QStringLiteral("code"));
    e->setStreak(streak);
    return e;
}

std::unique_ptr<ModelContainer> openFile(const QString &path)
{
    auto c = ModelContainer::open(SchemaV1::schema(), {path, false});
    return c ? std::move(c).value() : nullptr;
}

// Fails the next write to a table with the given message, as a full disk would.
void failWritesTo(ModelContainer &container, const QString &table)
{
    QSqlQuery q(container.database());
    QVERIFY(q.exec(u"CREATE TEMP TRIGGER fail_insert BEFORE INSERT ON \"" + table +
                   u"\" BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    QVERIFY(q.exec(u"CREATE TEMP TRIGGER fail_delete BEFORE DELETE ON \"" + table +
                   u"\" BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
}

} // namespace

class tst_ModelContext : public QObject {
    Q_OBJECT
private slots:
    void savedRecordsSurviveReopening();
    void identityMapGivesOneObjectPerRow();
    void fetchSeesUnsavedChanges_data();
    void fetchSeesUnsavedChanges();
    void sortAndLimitMergeUnsavedRows();
    void cascadeDeletesHistoryTransitively();
    void restoreTakesBackAnUnsavedCascade();
    void failedSaveRollsBackAndKeepsChanges();
    void whyAnswerLinkIsOneToOne();
    void changeSignalsNameTheField();
    void setterOnDeletedRecordIsIgnored();
    void linkToADeletedRecordIsRefused();
    void unsaveableChangeDoesNotBlockLaterSaves_data();
    void unsaveableChangeDoesNotBlockLaterSaves();
    void damagedTableReportsItsErrorUntilRepaired();
};

void tst_ModelContext::savedRecordsSurviveReopening()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.sqlite"));
    auto streak = makeStreak(QStringLiteral("Work"));
    streak->setPausedUntil(at("2026-02-03T04:05:06.789Z"));
    streak->setDomains({QStringLiteral("x.com/home"), QStringLiteral("news.ycombinator.com")});
    {
        auto container = openFile(path);
        QVERIFY(container);
        container->mainContext().insert(streak);
        auto event = makeEvent(streak, at("2026-02-03T10:00:00Z"));
        container->mainContext().insert(event);
        QVERIFY(container->mainContext().save().hasValue());
        QVERIFY(!container->mainContext().hasChanges());
    }
    auto container = openFile(path);
    QVERIFY(container);
    auto loaded = container->mainContext().find<Streak>(streak->id());
    QVERIFY(loaded);
    QVERIFY(loaded != streak);
    QCOMPARE(loaded->name(), QStringLiteral("Work"));
    QCOMPARE(loaded->domains(), streak->domains());
    QCOMPARE(loaded->pausedUntil().value(), at("2026-02-03T04:05:06.789Z"));
    QCOMPARE(loaded->createdAt(), streak->createdAt());
    QCOMPARE(loaded->bundleIdentifiers(), QStringList{QStringLiteral("code")});
    const auto events = loaded->triggerEvents();
    QCOMPARE(events.size(), size_t(1));
    QCOMPARE(events.front()->streak(), loaded);
    QCOMPARE(events.front()->matchedDomain(), std::nullopt);
    QCOMPARE(events.front()->outcomeRaw(), QString());
}

void tst_ModelContext::identityMapGivesOneObjectPerRow()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    ctx.insert(makeStreak(QStringLiteral("A")));
    QVERIFY(ctx.save().hasValue());
    auto first = ctx.fetch<Streak>().value();
    auto second = ctx.fetch<Streak>().value();
    QCOMPARE(first.size(), size_t(1));
    QCOMPARE(first.front(), second.front());
    // An unsaved edit is what every later fetch sees.
    first.front()->setName(QStringLiteral("Edited"));
    QCOMPARE(ctx.find<Streak>(first.front()->id())->name(), QStringLiteral("Edited"));
}

void tst_ModelContext::fetchSeesUnsavedChanges_data()
{
    QTest::addColumn<bool>("saveFirst");
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("expected");
    // Predicate: today's decided events (outcome not empty).
    QTest::newRow("unsaved insert that matches") << false << "insertDecided" << 2;
    QTest::newRow("unsaved insert that does not") << false << "insertUndecided" << 1;
    QTest::newRow("saved row changed to stop matching") << true << "undecide" << 0;
    QTest::newRow("saved row deleted") << true << "delete" << 0;
    QTest::newRow("saved row changed to start matching") << true << "decideOther" << 2;
}

void tst_ModelContext::fetchSeesUnsavedChanges()
{
    QFETCH(bool, saveFirst);
    QFETCH(QString, change);
    QFETCH(int, expected);
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    auto decided = makeEvent(streak, at("2026-03-01T10:00:00Z"));
    decided->setOutcome(TriggerOutcome::openAnyway);
    auto undecided = makeEvent(streak, at("2026-03-01T11:00:00Z"));
    auto yesterday = makeEvent(streak, at("2026-02-28T11:00:00Z"));
    yesterday->setOutcome(TriggerOutcome::openAnyway);
    for (auto &e : {decided, undecided, yesterday})
        ctx.insert(e);
    if (saveFirst)
        QVERIFY(ctx.save().hasValue());

    if (change == u"insertDecided") {
        auto e = makeEvent(streak, at("2026-03-01T12:00:00Z"));
        e->setOutcome(TriggerOutcome::stepBack);
        ctx.insert(e);
    } else if (change == u"insertUndecided") {
        ctx.insert(makeEvent(streak, at("2026-03-01T12:00:00Z")));
    } else if (change == u"undecide") {
        decided->setOutcomeRaw(QString());
    } else if (change == u"delete") {
        ctx.remove(decided);
    } else if (change == u"decideOther") {
        undecided->setOutcome(TriggerOutcome::pause);
    }

    const FetchDescriptor<TriggerEvent> today(
        Predicate::compare(QStringLiteral("firedAt"), Predicate::Op::greaterOrEqual,
                           at("2026-03-01T00:00:00Z")) &&
        Predicate::compare(QStringLiteral("outcomeRaw"), Predicate::Op::notEqual, QString()));
    QCOMPARE(int(ctx.fetch(today).value().size()), expected);
    QCOMPARE(ctx.fetchCount(today).value(), qint64(expected));
    // A save makes the store agree with what the context showed.
    QVERIFY(ctx.save().hasValue());
    QCOMPARE(ctx.fetchCount(today).value(), qint64(expected));
}

void tst_ModelContext::sortAndLimitMergeUnsavedRows()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto a = makeStreak(QStringLiteral("A"), 1);
    auto b = makeStreak(QStringLiteral("B"), 2);
    auto c = makeStreak(QStringLiteral("C"), 3);
    for (auto &s : {a, b, c})
        ctx.insert(s);
    QVERIFY(ctx.save().hasValue());
    c->setSortOrder(0);                             // unsaved move to the front
    ctx.insert(makeStreak(QStringLiteral("D"), 5)); // unsaved, last
    const FetchDescriptor<Streak> bySort(Predicate(), {{QStringLiteral("sortOrder"), true}});
    QStringList names;
    for (const auto &s : ctx.fetch(bySort).value())
        names << s->name();
    QCOMPARE(names, (QStringList{"C", "A", "B", "D"}));
    const FetchDescriptor<Streak> firstTwo(Predicate(), {{QStringLiteral("sortOrder"), true}}, 2);
    names.clear();
    for (const auto &s : ctx.fetch(firstTwo).value())
        names << s->name();
    QCOMPARE(names, (QStringList{"C", "A"}));
}

void tst_ModelContext::cascadeDeletesHistoryTransitively()
{
    QTemporaryDir dir;
    auto container = openFile(dir.filePath(QStringLiteral("s.sqlite")));
    auto &ctx = container->mainContext();
    auto doomed = makeStreak(QStringLiteral("Doomed"));
    auto kept = makeStreak(QStringLiteral("Kept"));
    ctx.insert(doomed);
    ctx.insert(kept);
    auto e1 = makeEvent(doomed, at("2026-03-01T10:00:00Z"));
    auto e2 = makeEvent(doomed, at("2026-03-01T11:00:00Z"));
    auto keptEvent = makeEvent(kept, at("2026-03-01T11:00:00Z"));
    for (auto &e : {e1, e2, keptEvent})
        ctx.insert(e);
    auto answer = WhyAnswer::fromTypedText(QStringLiteral("bored"), at("2026-03-01T10:01:00Z"));
    ctx.insert(answer);
    e1->setWhyAnswer(answer);
    auto tomb = std::make_shared<Tombstone>(QUuid::createUuid(), 3, at("2026-02-01T00:00:00Z"),
                                            at("2026-02-04T00:00:00Z"), std::nullopt,
                                            QStringLiteral("firm"));
    tomb->setStreak(doomed);
    ctx.insert(tomb);
    auto usage = std::make_shared<BypassUsage>(QUuid::createUuid(), QStringLiteral("dailyFreePass"),
                                               at("2026-03-01T10:00:00Z"), std::nullopt);
    usage->setStreak(doomed);
    ctx.insert(usage);
    for (auto &owner : {doomed, kept}) {
        auto session = std::make_shared<UsageSession>(
            QUuid::createUuid(), at("2026-03-01T10:00:00Z"), at("2026-03-01T10:01:30.250Z"), 90.25,
            QStringLiteral("app"));
        session->setStreak(owner);
        ctx.insert(session);
    }
    QVERIFY(ctx.save().hasValue());

    ctx.remove(doomed);
    // Mirrored in memory before the save...
    QVERIFY(e1->isDeleted() && e2->isDeleted() && answer->isDeleted() && tomb->isDeleted() &&
            usage->isDeleted());
    QVERIFY(!keptEvent->isDeleted());
    QVERIFY(ctx.save().hasValue());

    // ...and in the file after it.
    for (const QString table :
         {"Streak", "TriggerEvent", "WhyAnswer", "Tombstone", "BypassUsage", "UsageSession"}) {
        QSqlQuery q(container->database());
        QVERIFY(q.exec(u"SELECT COUNT(*) FROM \"" + table + u'"'));
        QVERIFY(q.next());
        const int expected =
            (table == u"Streak" || table == u"TriggerEvent" || table == u"UsageSession") ? 1 : 0;
        QCOMPARE(q.value(0).toInt(), expected);
    }
    QCOMPARE(kept->usageSessions().size(), size_t(1));
    QCOMPARE(kept->usageSessions().front()->durationSec(), 90.25);
}

void tst_ModelContext::restoreTakesBackAnUnsavedCascade()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    auto event = makeEvent(streak, at("2026-03-01T10:00:00Z"));
    ctx.insert(event);
    QVERIFY(ctx.save().hasValue());

    ctx.remove(streak);
    QVERIFY(ctx.fetch<Streak>().value().empty());
    QVERIFY(ctx.restore(streak));
    QVERIFY(!streak->isDeleted() && !event->isDeleted());
    QVERIFY(!ctx.hasChanges());
    QVERIFY(ctx.save().hasValue());
    QCOMPARE(ctx.fetch<Streak>().value().size(), size_t(1));
    QCOMPARE(streak->triggerEvents().size(), size_t(1));
    QVERIFY(!ctx.restore(streak)); // nothing to take back
}

void tst_ModelContext::failedSaveRollsBackAndKeepsChanges()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    QVERIFY(ctx.save().hasValue());

    failWritesTo(*container, QStringLiteral("TriggerEvent"));
    streak->setName(QStringLiteral("Renamed"));
    ctx.insert(makeEvent(streak, at("2026-03-01T10:00:00Z")));
    auto saved = ctx.save();
    QVERIFY(!saved);
    QVERIFY(saved.error().localizedDescription().contains(QStringLiteral("disk is full")));
    QVERIFY(ctx.hasChanges());
    {
        // The rename in the same transaction did not reach the file.
        QSqlQuery q(container->database());
        QVERIFY(q.exec(QStringLiteral("SELECT name FROM Streak")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("A"));
    }
    QSqlQuery(container->database()).exec(QStringLiteral("DROP TRIGGER fail_insert"));
    QVERIFY(ctx.save().hasValue()); // the kept changes go through on retry
    QCOMPARE(ctx.fetchCount<TriggerEvent>().value(), qint64(1));
}

void tst_ModelContext::whyAnswerLinkIsOneToOne()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    auto event = makeEvent(streak, at("2026-03-01T10:00:00Z"));
    ctx.insert(event);
    auto first = WhyAnswer::fromTypedText(QStringLiteral("one"), at("2026-03-01T10:00:01Z"));
    auto second = WhyAnswer::fromTypedText(QStringLiteral("two"), at("2026-03-01T10:00:02Z"));
    ctx.insert(first);
    ctx.insert(second);
    first->setTriggerEvent(event);
    QCOMPARE(event->whyAnswer(), first);
    event->setWhyAnswer(second);
    QCOMPARE(event->whyAnswer(), second);
    QCOMPARE(second->triggerEvent(), event);
    QCOMPARE(first->triggerEvent(), nullptr);
    QVERIFY(ctx.save().hasValue());
    ctx.remove(second);
    QCOMPARE(event->whyAnswer(), nullptr);
    QVERIFY(!event->isDeleted());
}

void tst_ModelContext::changeSignalsNameTheField()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    QSignalSpy inserted(&ctx, &ModelContext::recordInserted);
    QSignalSpy changed(&ctx, &ModelContext::recordChanged);
    QSignalSpy saved(&ctx, &ModelContext::didSave);
    ctx.insert(streak);
    streak->setName(QStringLiteral("B"));
    streak->setName(QStringLiteral("B")); // no change, no signal
    QVERIFY(ctx.save().hasValue());
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(1).toString(), QStringLiteral("name"));
    QCOMPARE(saved.count(), 1);
}

void tst_ModelContext::setterOnDeletedRecordIsIgnored()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    QVERIFY(ctx.save().hasValue());
    ctx.remove(streak);
    QVERIFY(ctx.save().hasValue());
    streak->setName(QStringLiteral("Ghost"));
    QVERIFY(!ctx.hasChanges());
    QVERIFY(ctx.fetch<Streak>().value().empty());
}

void tst_ModelContext::linkToADeletedRecordIsRefused()
{
    // A panel outliving its streak: the streak and its events are deleted
    // and saved, and the panel then answers for one of those events.
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    auto event = makeEvent(streak, at("2026-03-01T10:00:00Z"));
    ctx.insert(event);
    QVERIFY(ctx.save().hasValue());
    ctx.remove(streak);
    QVERIFY(ctx.save().hasValue());

    auto answer = WhyAnswer::fromTypedText(QStringLiteral("bored"), at("2026-03-01T10:01:00Z"));
    QVERIFY(!answer->setTriggerEvent(event));
    QVERIFY(!event->setWhyAnswer(answer));
    QVERIFY(answer->triggerEventId().isNull());
    auto tomb = std::make_shared<Tombstone>(QUuid::createUuid(), 3, at("2026-02-01T00:00:00Z"),
                                            at("2026-02-04T00:00:00Z"), std::nullopt,
                                            QStringLiteral("firm"));
    QVERIFY(!tomb->setStreak(streak));
    QVERIFY(!makeEvent(nullptr, at("2026-03-01T10:00:00Z"))->setStreak(streak));
    QVERIFY(tomb->streakId().isNull());
}

void tst_ModelContext::unsaveableChangeDoesNotBlockLaterSaves_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("kept"); // the failing change is still pending afterwards
    QTest::newRow("links to a streak never stored") << "missingParent" << false;
    QTest::newRow("takes a stored id") << "takenId" << false;
    QTest::newRow("table cannot be written") << "brokenTable" << false;
    // A passing failure: the change waits for the next save.
    QTest::newRow("disk full") << "diskFull" << true;
}

void tst_ModelContext::unsaveableChangeDoesNotBlockLaterSaves()
{
    QFETCH(QString, damage);
    QFETCH(bool, kept);
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    QVERIFY(ctx.save().hasValue());
    QSqlQuery sql(container->database());

    std::shared_ptr<Record> culprit;
    if (damage == u"missingParent") {
        culprit =
            makeEvent(makeStreak(QStringLiteral("never inserted")), at("2026-03-01T10:00:00Z"));
    } else if (damage == u"takenId") {
        culprit = std::make_shared<Streak>(streak->id(), QStringLiteral("twin"), StreakType::app,
                                           StrictnessMode::firm, QStringList{}, QStringList{},
                                           QStringList{}, at("2026-01-01T00:00:00Z"));
    } else if (damage == u"brokenTable") {
        // Its foreign key comes to name a table that does not exist.
        QVERIFY(sql.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'Tombstone'")));
        QVERIFY(sql.next());
        const QString create = sql.value(0).toString().replace(
            QStringLiteral("REFERENCES \"Streak\""), QStringLiteral("REFERENCES \"Gone\""));
        QVERIFY(sql.exec(QStringLiteral("DROP TABLE \"Tombstone\"")));
        QVERIFY(sql.exec(create));
        auto tomb = std::make_shared<Tombstone>(QUuid::createUuid(), 3, at("2026-02-01T00:00:00Z"),
                                                at("2026-02-04T00:00:00Z"), std::nullopt,
                                                QStringLiteral("firm"));
        tomb->setStreak(streak);
        culprit = tomb;
    } else {
        failWritesTo(*container, QStringLiteral("TriggerEvent"));
        culprit = makeEvent(streak, at("2026-03-01T10:00:00Z"));
    }
    ctx.insert(culprit);
    testing::LogCapture log;
    QVERIFY(!ctx.save());
    QCOMPARE(log.messages(QStringLiteral("com.fennimar.halvex.persistence")).size(), kept ? 0 : 1);

    // An unrelated change saved afterwards.
    streak->setName(QStringLiteral("Renamed"));
    QCOMPARE(ctx.save().hasValue(), !kept);
    QCOMPARE(ctx.hasChanges(), kept);
    QCOMPARE(culprit->modelContext() == &ctx, kept);
    if (kept) {
        QVERIFY(sql.exec(QStringLiteral("DROP TRIGGER fail_insert")));
        QVERIFY(ctx.save().hasValue());
        QCOMPARE(ctx.fetchCount<TriggerEvent>().value(), qint64(1));
    }
    QVERIFY(sql.exec(QStringLiteral("SELECT name FROM \"Streak\"")) && sql.next());
    QCOMPARE(sql.value(0).toString(), QStringLiteral("Renamed"));
    QVERIFY(!sql.next());
}

void tst_ModelContext::damagedTableReportsItsErrorUntilRepaired()
{
    QTemporaryDir dir;
    auto container = openFile(dir.filePath(QStringLiteral("s.sqlite")));
    auto &ctx = container->mainContext();
    auto streak = makeStreak(QStringLiteral("A"));
    ctx.insert(streak);
    QVERIFY(ctx.save().hasValue());
    // The events' parent loses its unique id.
    QSqlQuery sql(container->database());
    const auto rename = [&sql](const char *from, const char *to) {
        // Renamed so that the links keep naming "Streak".
        return sql.exec(QStringLiteral("PRAGMA foreign_keys = OFF")) &&
               sql.exec(QStringLiteral("PRAGMA legacy_alter_table = ON")) &&
               sql.exec(u"ALTER TABLE \"" + QLatin1String(from) + u"\" RENAME TO \"" +
                        QLatin1String(to) + u'"') &&
               sql.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    };
    QVERIFY(rename("Streak", "Kept"));
    QVERIFY(sql.exec(QStringLiteral("CREATE TABLE \"Streak\" (\"id\" TEXT)")));

    ctx.insert(makeEvent(streak, at("2026-03-01T10:00:00Z")));
    const auto failed = ctx.save();
    QVERIFY(!failed);
    QVERIFY2(failed.error().localizedDescription().contains(QStringLiteral("foreign key mismatch")),
             qPrintable(failed.error().localizedDescription()));

    QVERIFY(sql.exec(QStringLiteral("DROP TABLE \"Streak\"")));
    QVERIFY(rename("Kept", "Streak"));
    ctx.insert(makeEvent(streak, at("2026-03-01T11:00:00Z")));
    QVERIFY(ctx.save().hasValue());
    QCOMPARE(streak->triggerEvents().size(), size_t(1));
}

QTEST_GUILESS_MAIN(tst_ModelContext)
#include "tst_ModelContext.moc"
