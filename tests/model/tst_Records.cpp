#include <QSqlQuery>
#include <QTest>

#include "FakeSystemAppearance.h"
#include "model/AppSettings.h"
#include "model/ModelContainer.h"
#include "model/ModelContext.h"
#include "model/SchemaV1.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "model/WhyAnswer.h"

using namespace halvex;

Q_DECLARE_METATYPE(StrictnessMode)
Q_DECLARE_METATYPE(StreakType)

class tst_Records : public QObject {
    Q_OBJECT
private slots:
    void newStreakDefaults();
    void streakModeFallsBackToFirm_data();
    void streakModeFallsBackToFirm();
    void streakTypeFallsBackToSite_data();
    void streakTypeFallsBackToSite();
    void triggerRawStrings_data();
    void triggerRawStrings();
    void whyAnswerTrimming_data();
    void whyAnswerTrimming();
    void settingsFetchOrCreate();
    void settingsFetchOrCreateSurvivesFailingFetch();
    void settingsWithTwoRecordsCreatesNothing();
    void dismissedSuggestions_data();
    void dismissedSuggestions();
    void dismissedSuggestionsRoundTrip();
    void deniedBrowsers_data();
    void deniedBrowsers();
    void themeAndAppearance_data();
    void themeAndAppearance();
};

void tst_Records::newStreakDefaults()
{
    const QDateTime start =
        QDateTime::fromString(QStringLiteral("2026-01-01T08:00:00Z"), Qt::ISODate);
    const QDateTime before = QDateTime::currentDateTimeUtc();
    Streak s(QUuid::createUuid(), QStringLiteral("Socials"), StreakType::site,
             StrictnessMode::brutal, {QStringLiteral("x.com")}, {}, {}, start);
    QCOMPARE(s.typeRaw(), QStringLiteral("site"));
    QCOMPARE(s.modeRaw(), QStringLiteral("brutal"));
    QCOMPARE(s.startedAt(), start);
    QCOMPARE(s.bestDays(), 0);
    QVERIFY(!s.isPaused());
    QVERIFY(!s.pausedUntil());
    QVERIFY(s.allowDailyFreePass());
    QVERIFY(s.allowExternalLinkBypass());
    QVERIFY(s.notificationsEnabled());
    QVERIFY(!s.activeWindowEnabled());
    QCOMPARE(s.activeWindowStartMinutes(), 540);
    QCOMPARE(s.activeWindowEndMinutes(), 1080);
    QCOMPARE(s.activeWeekdaysMask(), 127);
    QVERIFY(!s.allowanceEnabled());
    QCOMPARE(s.allowanceMinutes(), 15);
    QCOMPARE(s.sortOrder(), 0);
    QVERIFY(!s.isPrimary());
    QCOMPARE(s.createdAt(), s.updatedAt());
    QVERIFY(s.createdAt() >= before);
    QVERIFY(s.triggerEvents().empty()); // in no context yet
}

void tst_Records::streakModeFallsBackToFirm_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<StrictnessMode>("mode");
    QTest::addColumn<bool>("parses");
    QTest::newRow("gentle") << "gentle" << StrictnessMode::gentle << true;
    QTest::newRow("brutal") << "brutal" << StrictnessMode::brutal << true;
    QTest::newRow("firm") << "firm" << StrictnessMode::firm << true;
    QTest::newRow("Firm") << "Firm" << StrictnessMode::firm << false;
    QTest::newRow("GENTLE") << "GENTLE" << StrictnessMode::firm << false;
    QTest::newRow("Brutal") << "Brutal" << StrictnessMode::firm << false;
    QTest::newRow("empty") << "" << StrictnessMode::firm << false;
    QTest::newRow("other") << "strict" << StrictnessMode::firm << false;
}

void tst_Records::streakModeFallsBackToFirm()
{
    QFETCH(QString, raw);
    QFETCH(StrictnessMode, mode);
    QFETCH(bool, parses);
    Streak s(QUuid::createUuid(), {}, StreakType::app, StrictnessMode::gentle, {}, {}, {}, {});
    s.setModeRaw(raw);
    QCOMPARE(s.mode(), mode);
    QCOMPARE(strictnessModeFromRaw(raw).has_value(), parses);
}

void tst_Records::streakTypeFallsBackToSite_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<StreakType>("type");
    QTest::newRow("app") << "app" << StreakType::app;
    QTest::newRow("site") << "site" << StreakType::site;
    QTest::newRow("App") << "App" << StreakType::site;
    QTest::newRow("empty") << "" << StreakType::site;
}

void tst_Records::streakTypeFallsBackToSite()
{
    QFETCH(QString, raw);
    QFETCH(StreakType, type);
    Streak s(QUuid::createUuid(), {}, StreakType::app, StrictnessMode::gentle, {}, {}, {}, {});
    s.setTypeRaw(raw);
    QCOMPARE(s.type(), type);
}

void tst_Records::triggerRawStrings_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<int>("outcome"); // -1: no outcome
    QTest::newRow("empty is undecided") << "" << -1;
    QTest::newRow("stepBack") << "stepBack" << 0;
    QTest::newRow("pause") << "pause" << 1;
    QTest::newRow("bypassFreePass") << "bypassFreePass" << 2;
    QTest::newRow("bypassExternalLink") << "bypassExternalLink" << 3;
    QTest::newRow("openAnyway") << "openAnyway" << 4;
    QTest::newRow("other case") << "StepBack" << -1;
    QTest::newRow("leading space") << " stepBack" << -1;
}

void tst_Records::triggerRawStrings()
{
    QFETCH(QString, raw);
    QFETCH(int, outcome);
    TriggerEvent e(QUuid::createUuid(), QDateTime::currentDateTimeUtc(), TriggerSource::url,
                   QStringLiteral("x.com"), QStringLiteral("firefox"));
    QCOMPARE(e.outcomeRaw(), QString()); // a fresh event is undecided, not "stepBack"
    e.setOutcomeRaw(raw);
    QCOMPARE(e.outcome().has_value(), outcome >= 0);
    if (outcome >= 0) {
        QCOMPARE(int(*e.outcome()), outcome);
        e.setOutcome(*e.outcome());
        QCOMPARE(e.outcomeRaw(), raw);
    }
    QCOMPARE(halvex::raw(TriggerOutcome::bypassExternalLink).size(), 18);
    QCOMPARE(triggerSourceFromRaw(QStringLiteral("URL")), std::nullopt);
    QCOMPARE(triggerSourceFromRaw(QStringLiteral("externalLink")), TriggerSource::externalLink);
}

void tst_Records::whyAnswerTrimming_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // null: no record
    QTest::newRow("nothing") << "" << QString();
    QTest::newRow("only blanks and breaks") << "  \n\t \r\n" << QString();
    QTest::newRow("trimmed ends, inner spaces kept") << "  just  bored\n"
                                                     << "just  bored";
}

void tst_Records::whyAnswerTrimming()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    auto answer = WhyAnswer::fromTypedText(typed, QDateTime::currentDateTimeUtc());
    QCOMPARE(bool(answer), !stored.isNull());
    if (answer)
        QCOMPARE(answer->text(), stored);
}

void tst_Records::settingsFetchOrCreate()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto first = AppSettings::fetchOrCreate(ctx);
    auto second = AppSettings::fetchOrCreate(ctx);
    QCOMPARE(first, second);
    QCOMPARE(ctx.fetchCount<AppSettings>().value(), 1);
    QVERIFY(!ctx.hasChanges()); // created and saved
    QCOMPARE(first->themeRaw(), QStringLiteral("auto"));
    QCOMPARE(first->languageRaw(), QStringLiteral("system"));
    QVERIFY(first->notificationSoundEnabled());
    QVERIFY(first->weeklyDigestEnabled());
    QVERIFY(!first->loginItemEnabled() && !first->firstLaunchCompleted() && !first->limitedMode() &&
            !first->persistenceDegraded());
    QVERIFY(!first->primaryStreakId() && !first->lastBackupAt() &&
            !first->dismissedSuggestionsRaw() && !first->deniedAutomationBundleIdsRaw());
}

void tst_Records::settingsFetchOrCreateSurvivesFailingFetch()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    QSqlQuery(container->database()).exec(QStringLiteral("DROP TABLE \"AppSettings\""));
    auto settings = AppSettings::fetchOrCreate(container->mainContext());
    QVERIFY(settings);
    // It can never be saved without its table: not kept pending, it lives on in memory.
    QVERIFY(!container->mainContext().hasChanges());
    settings->setThemeRaw(QStringLiteral("dark"));
    QCOMPARE(settings->theme(), AppTheme::dark);
}

void tst_Records::settingsWithTwoRecordsCreatesNothing()
{
    auto container = ModelContainer::open(SchemaV1::schema(), {{}, true}).value();
    auto &ctx = container->mainContext();
    auto a = std::make_shared<AppSettings>();
    auto b = std::make_shared<AppSettings>();
    ctx.insert(a);
    ctx.insert(b);
    QVERIFY(ctx.save().hasValue());
    auto found = AppSettings::fetchOrCreate(ctx);
    QVERIFY(found == a || found == b);
    QCOMPARE(ctx.fetchCount<AppSettings>().value(), 2);
}

void tst_Records::dismissedSuggestions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("entries");
    QTest::newRow("absent") << QString() << 0;
    QTest::newRow("empty object") << "{}" << 0;
    QTest::newRow("not JSON") << "nonsense{" << 0;
    QTest::newRow("array") << "[1,2]" << 0;
    QTest::newRow("lower-case key")
        << "{\"0a1b2c3d-0000-4000-8000-00000000abcd\":1700000000.5}" << 1;
    QTest::newRow("bad key dropped, others kept")
        << "{\"nope\":1,\"0A1B2C3D-0000-4000-8000-00000000ABCD\":1700000000}" << 1;
}

void tst_Records::dismissedSuggestions()
{
    QFETCH(QString, text);
    QFETCH(int, entries);
    const auto map = AppSettings::decodeDismissedSuggestions(text);
    QCOMPARE(int(map.size()), entries);
    if (entries) {
        const QUuid id = QUuid::fromString(QStringLiteral("0A1B2C3D-0000-4000-8000-00000000ABCD"));
        QVERIFY(map.count(id));
    }
}

void tst_Records::dismissedSuggestionsRoundTrip()
{
    QCOMPARE(AppSettings::encodeDismissedSuggestions({}), QStringLiteral("{}"));
    const QUuid id = QUuid::fromString(QStringLiteral("0a1b2c3d-0000-4000-8000-00000000abcd"));
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1700000000250, Qt::UTC);
    const QString text = AppSettings::encodeDismissedSuggestions({{id, when}});
    QCOMPARE(text, QStringLiteral("{\"0A1B2C3D-0000-4000-8000-00000000ABCD\":1700000000.25}"));
    QCOMPARE(AppSettings::decodeDismissedSuggestions(text).at(id), when);
}

void tst_Records::deniedBrowsers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("ids"); // empty list and null text: nothing stored
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("stray bars and blanks") << "|com.apple.Safari|| \tcom.google.Chrome |\t|"
                                           << QStringList{"com.apple.Safari", "com.google.Chrome"};
}

void tst_Records::deniedBrowsers()
{
    QFETCH(QString, text);
    QFETCH(QStringList, ids);
    const auto decoded = AppSettings::decodeDeniedBrowsers(text);
    QCOMPARE(decoded.has_value(), !text.isEmpty());
    if (decoded)
        QCOMPARE(QStringList(decoded->begin(), decoded->end()), ids);
    QCOMPARE(AppSettings::decodeDeniedBrowsers(std::nullopt), std::nullopt);
    QCOMPARE(AppSettings::encodeDeniedBrowsers(
                 {QStringLiteral("com.google.Chrome"), QStringLiteral("com.apple.Safari")}),
             QStringLiteral("com.apple.Safari|com.google.Chrome"));
    QCOMPARE(AppSettings::encodeDeniedBrowsers({}), QStringLiteral(""));
}

void tst_Records::themeAndAppearance_data()
{
    QTest::addColumn<QString>("themeRaw");
    QTest::addColumn<AppTheme>("theme");
    QTest::addColumn<QString>("style");
    QTest::addColumn<Appearance>("appearance");
    QTest::newRow("auto, no style") << "auto" << AppTheme::automatic << "" << Appearance::light;
    QTest::newRow("dark, Dark style") << "dark" << AppTheme::dark << "Dark" << Appearance::dark;
    QTest::newRow("capital theme reads auto; lower-case style is light")
        << "Dark" << AppTheme::automatic << "dark" << Appearance::light;
    QTest::newRow("light") << "light" << AppTheme::light << "Light" << Appearance::light;
}

void tst_Records::themeAndAppearance()
{
    QFETCH(QString, themeRaw);
    QFETCH(AppTheme, theme);
    QFETCH(QString, style);
    QFETCH(Appearance, appearance);
    AppSettings settings;
    settings.setThemeRaw(themeRaw);
    QCOMPARE(settings.theme(), theme);
    QCOMPARE(systemAppearance(testing::FakeSystemAppearance(style)), appearance);
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_Records.moc"
