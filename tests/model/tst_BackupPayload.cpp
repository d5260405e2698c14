#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTest>
#include <QTimeZone>

#include "model/AppSettings.h"
#include "model/BackupPayload.h"
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

QUuid uuid(const char *text)
{
    return QUuid::fromString(QLatin1String(text));
}

std::unique_ptr<ModelContainer> openInMemory()
{
    return ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
}

auto fixedClock(const char *iso)
{
    return [t = at(iso)] { return t; };
}

QJsonObject parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    [&] { QCOMPARE(error.error, QJsonParseError::NoError); }();
    return doc.object();
}

// The payload of a store, encoded; empty when either step fails.
QByteArray backupOf(ModelContext &context, const char *now = "2025-03-01T12:00:00Z")
{
    auto payload = makePayload(context, fixedClock(now));
    if (!payload)
        return {};
    return payload->encoded();
}

// A document holding one answer with the given text and time, encoded
// alone; `fallbacks` receives where values were written as fallbacks.
QByteArray encodeAnswer(const QString &text, const QDateTime &createdAt,
                        QStringList *fallbacks = nullptr)
{
    BackupPayload payload;
    payload.exportedAt = at("2025-03-01T12:00:00Z");
    payload.whyAnswers.emplace_back(
        WhyAnswer(uuid("000000a1-0000-4000-8000-0000000000a1"), text, createdAt));
    return payload.encoded(fallbacks);
}

// Fills a store with the records the hand-written document describes.
void fillFixtureStore(ModelContainer &container)
{
    ModelContext &context = container.mainContext();

    // Fields not set keep a new streak's values.
    auto a = std::make_shared<Streak>(
        uuid("a1b2c3d4-e5f6-4789-8abc-def012345678"), QString::fromUtf8("Çalışma — \"odak\""),
        StreakType::site, StrictnessMode::firm,
        QStringList{QStringLiteral("example.com/news"), QStringLiteral("reddit.com")},
        QStringList{QStringLiteral("com.apple.Safari")}, QStringList{},
        at("2025-02-01T08:30:15.999Z"));
    a->setModeRaw(QStringLiteral("strict"));
    a->setBestDays(12);
    a->setAllowExternalLinkBypass(false);
    a->setNotificationsEnabled(false);
    a->setActiveWindowEnabled(true);
    a->setActiveWeekdaysMask(62);
    a->setIsPrimary(true);
    a->setCreatedAt(at("2025-01-15T10:00:00Z"));
    a->setUpdatedAt(at("2025-02-20T18:45:30.500Z"));

    auto b = std::make_shared<Streak>(
        uuid("0000000b-0000-4000-8000-00000000000b"), QString::fromUtf8("Games 🎮"), StreakType::app,
        StrictnessMode::brutal, QStringList{}, QStringList{},
        QStringList{QStringLiteral("com.valvesoftware.Steam"), QStringLiteral("org.gnome.Chess")},
        at("2025-02-25T00:00:00Z"));
    b->setBestDays(3);
    b->setIsPaused(true);
    b->setPausedUntil(at("2025-03-01T13:00:00Z"));
    b->setAllowDailyFreePass(false);
    b->setAllowanceEnabled(true);
    b->setAllowanceMinutes(30);
    b->setSortOrder(1);
    b->setCreatedAt(at("2025-02-25T00:00:00Z"));
    b->setUpdatedAt(at("2025-02-28T09:00:00Z"));
    context.insert(a);
    context.insert(b);

    auto t1 = std::make_shared<Tombstone>(
        uuid("000000c1-0000-4000-8000-0000000000c1"), 5, at("2025-01-15T10:00:00Z"),
        at("2025-01-20T22:10:05.250Z"), QStringLiteral("bored\nagain\x1f"), QStringLiteral("firm"));
    t1->setStreak(a);
    auto t2 = std::make_shared<Tombstone>(
        uuid("000000c2-0000-4000-8000-0000000000c2"), 0, at("2024-12-31T20:00:00Z"),
        at("2024-12-31T23:59:59.999Z"), std::nullopt, QStringLiteral("gentle"));
    context.insert(t1);
    context.insert(t2);

    auto e1 = std::make_shared<TriggerEvent>(uuid("000000e1-0000-4000-8000-0000000000e1"),
                                             at("2025-02-28T21:15:00Z"), TriggerSource::url,
                                             QStringLiteral("example.com/news"), std::nullopt);
    e1->setStreak(a);
    e1->setOutcome(TriggerOutcome::stepBack);
    auto e2 = std::make_shared<TriggerEvent>(uuid("000000e2-0000-4000-8000-0000000000e2"),
                                             at("2025-03-01T07:00:00.400Z"), TriggerSource::app,
                                             std::nullopt, QStringLiteral("org.gnome.Chess"));
    e2->setStreak(b);
    auto e3 = std::make_shared<TriggerEvent>(
        uuid("000000e3-0000-4000-8000-0000000000e3"), at("2025-01-01T00:00:00Z"),
        TriggerSource::externalLink, QStringLiteral("news.example.org"), std::nullopt);
    e3->setOutcome(TriggerOutcome::openAnyway);
    context.insert(e1);
    context.insert(e2);
    context.insert(e3);

    auto w1 = std::make_shared<WhyAnswer>(uuid("000000a1-0000-4000-8000-0000000000a1"),
                                          QStringLiteral("Just checking\ttabs / news \\o/"),
                                          at("2025-02-28T21:15:04.900Z"));
    auto w2 = std::make_shared<WhyAnswer>(uuid("000000a2-0000-4000-8000-0000000000a2"), QString(),
                                          at("2025-02-27T10:00:00Z"));
    context.insert(w1);
    context.insert(w2);
    e1->setWhyAnswer(w1);

    auto u1 = std::make_shared<BypassUsage>(uuid("000000b1-0000-4000-8000-0000000000b1"),
                                            QStringLiteral("pauseOneHour"),
                                            at("2025-03-01T12:00:00Z"), at("2025-03-01T13:00:00Z"));
    u1->setStreak(b);
    auto u2 = std::make_shared<BypassUsage>(uuid("000000b2-0000-4000-8000-0000000000b2"),
                                            QStringLiteral("dailyFreePass"),
                                            at("2025-02-28T10:00:00Z"), std::nullopt);
    u2->setStreak(a);
    context.insert(u1);
    context.insert(u2);
    context.insert(std::make_shared<BypassUsage>(
        uuid("000000b3-0000-4000-8000-0000000000b3"), QStringLiteral("externalLink"),
        at("2025-02-26T09:15:00Z"), at("2025-02-26T09:20:00.999Z")));

    // Usage sessions are never part of a backup.
    auto session =
        std::make_shared<UsageSession>(QUuid::createUuid(), at("2025-02-28T10:00:00Z"),
                                       at("2025-02-28T10:05:00Z"), 300.0, QStringLiteral("app"));
    session->setStreak(b);
    context.insert(session);

    QVERIFY(context.save());

    // The settings record is written directly: its id is fixed only by the store.
    QSqlQuery q(container.database());
    QVERIFY(q.exec(QStringLiteral(
        "INSERT INTO \"AppSettings\" (\"id\", \"loginItemEnabled\", \"themeRaw\", \"languageRaw\", "
        "\"primaryStreakId\", \"lastBackupAt\", \"firstLaunchCompleted\", \"limitedMode\", "
        "\"dismissedSuggestionsRaw\", \"persistenceDegraded\", \"notificationSoundEnabled\", "
        "\"weeklyDigestEnabled\") VALUES ('000000F1-0000-4000-8000-0000000000F1', 1, 'dark', 'de', "
        "'A1B2C3D4-E5F6-4789-8ABC-DEF012345678', '2025-02-28T11:59:59.999Z', 1, 0, '{}', 1, 0, "
        "0)")));
}

} // namespace

class tst_BackupPayload : public QObject {
    Q_OBJECT
private slots:
    void wholeDocumentMatchesHandWrittenFixture();
    void emptyStore_data();
    void emptyStore();
    void valuesAreWritten_data();
    void valuesAreWritten();
    void unwritableValuesTakeTheirFallback_data();
    void unwritableValuesTakeTheirFallback();
    void fetchErrorIsPassedOnUnchanged();
};

void tst_BackupPayload::wholeDocumentMatchesHandWrittenFixture()
{
    auto container = openInMemory();
    fillFixtureStore(*container);
    if (QTest::currentTestFailed())
        return;

    const QByteArray actual = backupOf(container->mainContext(), "2025-03-01T12:00:00.750Z");
    QFile fixture(QFINDTESTDATA("fixtures/backup-full.json"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QByteArray expected = fixture.readAll();

    // Line by line first, so that a difference names its place.
    const QList<QByteArray> actualLines = actual.split('\n');
    const QList<QByteArray> expectedLines = expected.split('\n');
    for (qsizetype i = 0; i < qMin(actualLines.size(), expectedLines.size()); ++i)
        QVERIFY2(
            actualLines[i] == expectedLines[i],
            qPrintable(
                QStringLiteral("line %1: %2").arg(i + 1).arg(QString::fromUtf8(actualLines[i]))));
    QCOMPARE(actual, expected);
}

void tst_BackupPayload::emptyStore_data()
{
    QTest::addColumn<bool>("withSettings");
    QTest::addColumn<bool>("withUsageSessions");
    QTest::addColumn<QStringList>("keys");

    const QStringList base = {QStringLiteral("bypassUsages"),  QStringLiteral("exportedAt"),
                              QStringLiteral("schemaVersion"), QStringLiteral("streaks"),
                              QStringLiteral("tombstones"),    QStringLiteral("triggerEvents"),
                              QStringLiteral("whyAnswers")};
    QTest::newRow("nothing at all") << false << false << base;
    QTest::newRow("only usage sessions") << false << true << base;
    QTest::newRow("settings record")
        << true << false << (QStringList{QStringLiteral("appSettings")} + base);
}

void tst_BackupPayload::emptyStore()
{
    QFETCH(bool, withSettings);
    QFETCH(bool, withUsageSessions);
    QFETCH(QStringList, keys);

    auto container = openInMemory();
    ModelContext &context = container->mainContext();
    if (withSettings)
        AppSettings::fetchOrCreate(context);
    if (withUsageSessions) {
        context.insert(std::make_shared<UsageSession>(
            QUuid::createUuid(), at("2025-02-28T10:00:00Z"), at("2025-02-28T10:05:00Z"), 300.0,
            QStringLiteral("url")));
        QVERIFY(context.save());
    }

    const QJsonObject doc = parse(backupOf(context));
    QCOMPARE(doc.keys(), keys);
    QCOMPARE(doc.value(u"schemaVersion"), QJsonValue(1));
    QCOMPARE(doc.value(u"exportedAt"), QJsonValue(QStringLiteral("2025-03-01T12:00:00Z")));
    for (const char *array :
         {"streaks", "tombstones", "triggerEvents", "whyAnswers", "bypassUsages"})
        QCOMPARE(doc.value(QLatin1String(array)), QJsonValue(QJsonArray()));
    if (withSettings) {
        // The very first backup: nothing to say about an earlier one.
        const QJsonObject settings = doc.value(u"appSettings").toObject();
        QVERIFY(!settings.contains(u"lastBackupAt"));
        QVERIFY(!settings.contains(u"primaryStreakId"));
        QCOMPARE(settings.value(u"theme"), QJsonValue(QStringLiteral("auto")));
        QCOMPARE(settings.value(u"weeklyDigestEnabled"), QJsonValue(true));
    }
}

void tst_BackupPayload::valuesAreWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("date");
    QTest::addColumn<QByteArray>("written");

    const QString x = QStringLiteral("x");
    const QDateTime day = at("2025-01-01T00:00:00Z");
    QTest::newRow("sub-second part dropped, not rounded")
        << x << at("2024-12-31T23:59:59.999Z")
        << QByteArray(R"("createdAt" : "2024-12-31T23:59:59Z")");
    QTest::newRow("before 1970 dropped downwards")
        << x << at("1969-12-31T23:59:59.500Z")
        << QByteArray(R"("createdAt" : "1969-12-31T23:59:59Z")");
    QTest::newRow("local time turned to UTC")
        << x << at("2025-03-01T08:30:00.250+09:00")
        << QByteArray(R"("createdAt" : "2025-02-28T23:30:00Z")");
    QTest::newRow("leap day") << x << at("2024-02-29T12:00:00Z")
                              << QByteArray(R"("createdAt" : "2024-02-29T12:00:00Z")");
    QTest::newRow("century that is no leap year")
        << x << at("2100-03-01T00:00:00Z") << QByteArray(R"("createdAt" : "2100-03-01T00:00:00Z")");
    QTest::newRow("last second of year 9999")
        << x << at("9999-12-31T23:59:59.999Z")
        << QByteArray(R"("createdAt" : "9999-12-31T23:59:59Z")");
    QTest::newRow("slashes") << QStringLiteral("a.com/b/c") << day
                             << QByteArray(R"("text" : "a.com\/b\/c")");
    QTest::newRow("short escapes")
        << QStringLiteral("\b\f\n\r\t\"\\") << day << QByteArray(R"("text" : "\b\f\n\r\t\"\\")");
    QTest::newRow("other control characters") << QString(QString(QChar(0)) + QChar(0x1b)) << day
                                              << QByteArray(R"("text" : "\u0000\u001b")");
    QTest::newRow("non-ASCII as UTF-8")
        << QString::fromUtf8("é中😀\x7f") << day << QByteArray("\"text\" : \"é中😀\x7f\"");
}

void tst_BackupPayload::valuesAreWritten()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, date);
    QFETCH(QByteArray, written);

    QStringList fallbacks;
    const QByteArray json = encodeAnswer(text, date, &fallbacks);
    QVERIFY2(json.contains(written), json.constData());
    QCOMPARE(parse(json).value(u"whyAnswers")[0][u"text"].toString(), text);
    QCOMPARE(fallbacks, QStringList());
}

void tst_BackupPayload::unwritableValuesTakeTheirFallback_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("date");
    QTest::addColumn<QString>("writtenText");
    QTest::addColumn<bool>("dateWritten");
    QTest::addColumn<QStringList>("fallbacks");

    const QDateTime fine = at("2025-01-01T00:00:00Z");
    const QString replacement(QChar(0xFFFD));
    const QStringList text{"whyAnswers[0].text"};
    const QStringList date{"whyAnswers[0].createdAt"};
    QTest::newRow("lone high surrogate") << QString(QString(QChar(0xD83D)) + u'a') << fine
                                         << QString(replacement + u'a') << true << text;
    QTest::newRow("high surrogate at the end")
        << QString(QStringLiteral("a") + QChar(0xD83D)) << fine << QString(u'a' + replacement)
        << true << text;
    QTest::newRow("lone low surrogate")
        << QString(QChar(0xDE00)) << fine << replacement << true << text;
    QTest::newRow("invalid date") << QStringLiteral("a") << QDateTime() << "a" << false << date;
    QTest::newRow("five-digit year")
        << QStringLiteral("a") << QDate(10000, 1, 1).startOfDay(QTimeZone::utc()) << "a" << false
        << date;
}

void tst_BackupPayload::unwritableValuesTakeTheirFallback()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, date);
    QFETCH(bool, dateWritten);

    QStringList fallbacks;
    const QJsonObject answer =
        parse(encodeAnswer(text, date, &fallbacks)).value(u"whyAnswers")[0].toObject();
    QTEST(answer.value(u"text").toString(), "writtenText");
    QCOMPARE(answer.contains(u"createdAt"), dateWritten);
    QCOMPARE(answer.value(u"id").toString(),
             QStringLiteral("000000A1-0000-4000-8000-0000000000A1"));
    QTEST(fallbacks, "fallbacks");
}

void tst_BackupPayload::fetchErrorIsPassedOnUnchanged()
{
    auto container = openInMemory();
    AppSettings::fetchOrCreate(container->mainContext());
    QSqlQuery q(container->database());
    QVERIFY(q.exec(QStringLiteral("ALTER TABLE \"BypassUsage\" RENAME TO \"Gone\"")));

    const auto direct = container->mainContext().fetch<BypassUsage>();
    QVERIFY(!direct);
    auto payload = makePayload(container->mainContext(), fixedClock("2025-03-01T12:00:00Z"));
    QVERIFY(!payload);
    QCOMPARE(payload.error().kind, direct.error().kind);
    QCOMPARE(payload.error().message, direct.error().message);
}

QTEST_GUILESS_MAIN(tst_BackupPayload)
#include "tst_BackupPayload.moc"
