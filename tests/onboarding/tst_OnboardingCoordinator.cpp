#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FakeAutomationChecking.h"
#include "FakeLaunchAtLoginBackend.h"
#include "FakeRunningApplications.h"
#include "LogCapture.h"
#include "StoreFixture.h"
#include "kit/AutomationProbe.h"
#include "model/AppSettings.h"
#include "onboarding/OnboardingCoordinator.h"
#include "permissions/PermissionManager.h"
#include "ui/TranslationLoader.h"

using fennimar::LaunchAtLoginStatus;
using halvex::AutomationResults;
using halvex::OnboardingCoordinator;
using halvex::OnboardingPreset;
using halvex::OnboardingStep;
using halvex::PermissionStatus;
using halvex::StreakType;
using halvex::StrictnessMode;

Q_DECLARE_METATYPE(fennimar::LaunchAtLoginStatus)

namespace {

const QString onboardingLog = QStringLiteral("com.fennimar.halvex.onboarding");

// The coordinator over an in-memory store, a fake login item and a
// permission manager that counts its refreshes.
struct Fixture {
    testing::StoreFixture store;
    testing::FakeLaunchAtLoginBackend loginItem;
    QTemporaryDir dir;
    platform::UserDefaults defaults{dir.filePath(QStringLiteral("defaults.ini"))};
    testing::FakeRunningApplications running;
    testing::FakeAutomationChecking checking;
    fennimar::AutomationProbe automation{running, checking};
    int permissionRefreshes = 0;
    halvex::PermissionManager permissions{
        countingTrust(), automation, {}, defaults, platform::DesktopSettings(), store.scheduler};
    OnboardingCoordinator coordinator;

    halvex::PermissionManager::AccessibilityTrust countingTrust()
    {
        // Each refresh checks trust once.
        return {[this] {
                    ++permissionRefreshes;
                    return false;
                },
                [] { return false; }};
    }

    explicit Fixture(bool withStore = true)
        : coordinator(&loginItem, withStore ? &store.persistence : nullptr,
                      [this] { return store.now; })
    {}

    std::vector<std::shared_ptr<halvex::Streak>> streaks()
    {
        return store.context().fetch<halvex::Streak>().value();
    }
    std::shared_ptr<halvex::AppSettings> settings()
    {
        return halvex::AppSettings::fetchOrCreate(store.context());
    }
};

} // namespace

class tst_OnboardingCoordinator : public QObject {
    Q_OBJECT
    halvex::TranslationLoader m_texts;

private slots:
    void initTestCase() { QVERIFY(m_texts.load(QStringLiteral("en"))); }
    void stepsMoveOneAtATime_data();
    void stepsMoveOneAtATime();
    void leavingPreferencesAppliesTheLoginItem_data();
    void leavingPreferencesAppliesTheLoginItem();
    void firstStreakFromTheChoices_data();
    void firstStreakFromTheChoices();
    void finishStoresOneStreakAndTheSettings_data();
    void finishStoresOneStreakAndTheSettings();
};

void tst_OnboardingCoordinator::stepsMoveOneAtATime_data()
{
    // Steps: "f" advance, "b" go back. `steps` is the step after each one;
    // the login item cannot be registered, so each departure from
    // preferences tries again.
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("registrations");
    QTest::newRow("back at welcome stays") << "b" << QList<int>{0} << 0;
    QTest::newRow("forward stops at permissions") << "fffff" << QList<int>{1, 2, 3, 4, 4} << 1;
    QTest::newRow("back to preferences and on again")
        << "ffbbff" << QList<int>{1, 2, 1, 0, 1, 2} << 2;
    QTest::newRow("later steps never touch the login item")
        << "ffffbb" << QList<int>{1, 2, 3, 4, 3, 2} << 1;
}

void tst_OnboardingCoordinator::stepsMoveOneAtATime()
{
    QFETCH(QString, moves);
    QFETCH(QList<int>, steps);
    QFETCH(int, registrations);
    Fixture f;
    f.loginItem.registerError = platform::LoginItemError{3, QStringLiteral("read-only")};
    QSignalSpy changes(&f.coordinator, &OnboardingCoordinator::stepChanged);
    QList<int> seen;
    int expectedChanges = 0;
    for (const QChar move : moves) {
        const OnboardingStep before = f.coordinator.step();
        move == u'f' ? f.coordinator.advance() : f.coordinator.goBack();
        seen << halvex::raw(f.coordinator.step());
        expectedChanges += f.coordinator.step() != before;
    }
    QCOMPARE(seen, steps);
    QCOMPARE(changes.size(), expectedChanges);
    QCOMPARE(f.loginItem.registerCalls, registrations);
}

void tst_OnboardingCoordinator::leavingPreferencesAppliesTheLoginItem_data()
{
    QTest::addColumn<bool>("pending");
    QTest::addColumn<bool>("withStore");
    QTest::addColumn<LaunchAtLoginStatus>("before");
    QTest::addColumn<LaunchAtLoginStatus>("afterRegister");
    QTest::addColumn<bool>("registrationFails");
    QTest::addColumn<int>("registrations");
    // -1: no settings written; else the stored loginItemEnabled.
    QTest::addColumn<int>("stored");
    using S = LaunchAtLoginStatus;
    QTest::newRow("switch off") << false << true << S::notRegistered << S::enabled << false << 0
                                << -1;
    QTest::newRow("already enabled")
        << true << true << S::enabled << S::enabled << false << 0 << -1;
    QTest::newRow("awaiting approval")
        << true << true << S::requiresApproval << S::enabled << false << 0 << -1;
    QTest::newRow("registered") << true << true << S::notRegistered << S::enabled << false << 1
                                << 1;
    QTest::newRow("registered, now awaiting approval")
        << true << true << S::notRegistered << S::requiresApproval << false << 1 << 0;
    QTest::newRow("registration fails")
        << true << true << S::notRegistered << S::enabled << true << 1 << 0;
    QTest::newRow("no store: registered, nothing written")
        << true << false << S::notRegistered << S::enabled << false << 1 << -1;
}

void tst_OnboardingCoordinator::leavingPreferencesAppliesTheLoginItem()
{
    QFETCH(bool, pending);
    QFETCH(bool, withStore);
    QFETCH(LaunchAtLoginStatus, before);
    QFETCH(LaunchAtLoginStatus, afterRegister);
    QFETCH(bool, registrationFails);
    QFETCH(int, registrations);
    QFETCH(int, stored);
    testing::LogCapture log;
    Fixture f(withStore);
    // The stored value starts as the opposite of the one expected, so that a
    // write shows; a row that writes nothing keeps it true.
    f.settings()->setLoginItemEnabled(stored != 1);
    QVERIFY(f.store.save());
    QSignalSpy saves(&f.store.context(), &halvex::ModelContext::didSave);
    f.loginItem.current = before;
    f.loginItem.afterRegister = afterRegister;
    if (registrationFails)
        f.loginItem.registerError = platform::LoginItemError{3, QStringLiteral("read-only")};
    f.coordinator.setLaunchAtLoginPending(pending);

    f.coordinator.advance();
    f.coordinator.advance();

    QCOMPARE(f.coordinator.step(), OnboardingStep::firstStreak);
    QCOMPARE(f.loginItem.registerCalls, registrations);
    QCOMPARE(saves.size(), stored < 0 ? 0 : 1);
    QCOMPARE(f.settings()->loginItemEnabled(), stored != 0);
    const QStringList expectedLog =
        registrationFails ? QStringList{"Failed to register the login item: read-only"}
                          : QStringList{};
    QCOMPARE(log.messages(onboardingLog), expectedLog);
}

void tst_OnboardingCoordinator::firstStreakFromTheChoices_data()
{
    QTest::addColumn<int>("preset"); // -1: none
    QTest::addColumn<QVariant>("customDomain");
    QTest::addColumn<QVariant>("customBundleId");
    QTest::addColumn<QVariant>("customAppName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("domains");
    QTest::addColumn<QStringList>("bundleIds");
    const QVariant none;
    const QList<std::pair<QString, QStringList>> presets{
        {"X (Twitter)", {"twitter.com", "x.com"}},
        {"Instagram", {"instagram.com"}},
        {"Reddit", {"reddit.com"}},
        {"YouTube", {"youtube.com"}},
        {"TikTok", {"tiktok.com"}},
        {"Slack", {"slack.com"}},
        {"Discord", {"discord.com"}},
    };
    for (int i = 0; i < int(presets.size()); ++i) {
        const OnboardingPreset preset = halvex::allOnboardingPresets().at(size_t(i));
        QTest::addRow("preset %s", qPrintable(halvex::raw(preset)))
            << i << none << none << none << presets[i].first << presets[i].second << QStringList{};
    }
    QTest::newRow("a preset wins over a custom site")
        << 2 << QVariant("example.org") << none << none << "Reddit" << QStringList{"reddit.com"}
        << QStringList{};
    QTest::newRow("custom site, blanks trimmed")
        << -1 << QVariant(QString::fromUtf16(u" \t example.org\u00a0 ")) << QVariant("code") << none
        << "example.org" << QStringList{"example.org"} << QStringList{};
    QTest::newRow("a blank site gives way to the application")
        << -1 << QVariant("   ") << QVariant("org.gnome.TextEditor") << QVariant("Text Editor")
        << "Text Editor" << QStringList{} << QStringList{"org.gnome.TextEditor"};
    QTest::newRow("an application without a name")
        << -1 << none << QVariant("code") << none << "code" << QStringList{} << QStringList{"code"};
    QTest::newRow("an empty name is no name") << -1 << none << QVariant("code") << QVariant("")
                                              << "code" << QStringList{} << QStringList{"code"};
    QTest::newRow("a blank name is no name") << -1 << none << QVariant("code") << QVariant("  ")
                                             << "code" << QStringList{} << QStringList{"code"};
    QTest::newRow("an empty identifier is no application")
        << -1 << none << QVariant("") << QVariant("Code") << "New streak" << QStringList{}
        << QStringList{};
    QTest::newRow("nothing chosen")
        << -1 << none << none << none << "New streak" << QStringList{} << QStringList{};
}

void tst_OnboardingCoordinator::firstStreakFromTheChoices()
{
    QFETCH(int, preset);
    QFETCH(QVariant, customDomain);
    QFETCH(QVariant, customBundleId);
    QFETCH(QVariant, customAppName);
    QFETCH(QString, name);
    QFETCH(QStringList, domains);
    QFETCH(QStringList, bundleIds);
    const auto optional = [](const QVariant &v) {
        return v.isValid() ? std::optional<QString>(v.toString()) : std::nullopt;
    };
    Fixture f;
    if (preset >= 0)
        f.coordinator.setSelectedPreset(halvex::allOnboardingPresets().at(size_t(preset)));
    f.coordinator.setCustomDomain(optional(customDomain));
    f.coordinator.setCustomBundleId(optional(customBundleId));
    f.coordinator.setCustomAppName(optional(customAppName));
    f.coordinator.setSelectedMode(StrictnessMode::brutal);

    const auto streak = f.coordinator.makeFirstStreak();
    QCOMPARE(streak->type(), bundleIds.isEmpty() ? StreakType::site : StreakType::app);
    QCOMPARE(streak->name(), name);
    QCOMPARE(streak->domains(), domains);
    QCOMPARE(streak->bundleIdentifiers(), bundleIds);
    QCOMPARE(streak->browsers(), QStringList{});
    QCOMPARE(streak->mode(), StrictnessMode::brutal);
    QCOMPARE(streak->startedAt(), f.store.now);
    QVERIFY(!streak->isPrimary());
    QVERIFY(f.streaks().empty());
}

void tst_OnboardingCoordinator::finishStoresOneStreakAndTheSettings_data()
{
    QTest::addColumn<AutomationResults>("results");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("limited");
    using P = PermissionStatus;
    QTest::newRow("no browsers") << AutomationResults{} << false << false;
    QTest::newRow("one denied among granted")
        << AutomationResults{{"a", P::granted}, {"b", P::denied}, {"c", P::granted}} << false
        << true;
    QTest::newRow("granted and unchecked")
        << AutomationResults{{"a", P::granted}, {"b", P::unchecked}} << false << false;
    QTest::newRow("the save fails: logged, and the wizard completes")
        << AutomationResults{{"a", P::denied}} << true << true;
}

void tst_OnboardingCoordinator::finishStoresOneStreakAndTheSettings()
{
    QFETCH(AutomationResults, results);
    QFETCH(bool, saveFails);
    QFETCH(bool, limited);
    testing::LogCapture log;
    Fixture f;
    if (saveFails)
        QVERIFY(f.store.failInsertsInto(QStringLiteral("Streak")));
    for (auto it = results.cbegin(); it != results.cend(); ++it)
        f.coordinator.setAutomationResult(it.key(), it.value());
    QCOMPARE(f.coordinator.automationResults(), results);
    f.coordinator.setSelectedMode(StrictnessMode::gentle);
    // What the finish handler sees when it runs: step, refreshes, streaks.
    QList<std::tuple<OnboardingStep, int, size_t>> finishes;
    f.coordinator.setOnFinish([&] {
        finishes.append({f.coordinator.step(), f.permissionRefreshes, f.streaks().size()});
    });

    f.coordinator.finish(f.store.persistence, f.permissions);
    // A second press must not add a second primary streak.
    f.coordinator.finish(f.store.persistence, f.permissions);

    QCOMPARE(finishes.size(), 1);
    QCOMPARE(finishes.first(), std::make_tuple(OnboardingStep::done, 1, size_t(1)));
    QCOMPARE(f.store.context().hasChanges(), saveFails);
    QCOMPARE(log.messages(onboardingLog),
             saveFails ? QStringList{"Failed to persist onboarding state: disk is full"}
                       : QStringList{});
    const auto streaks = f.streaks();
    QCOMPARE(streaks.size(), size_t(1));
    QVERIFY(streaks.front()->isPrimary());
    QCOMPARE(streaks.front()->mode(), StrictnessMode::gentle);
    QCOMPARE(f.store.context().fetchCount<halvex::AppSettings>().value(), 1);
    const auto settings = f.settings();
    QVERIFY(settings->firstLaunchCompleted());
    QCOMPARE(settings->limitedMode(), limited);
    QCOMPARE(settings->primaryStreakId().value_or(QUuid()), streaks.front()->id());
}

QTEST_GUILESS_MAIN(tst_OnboardingCoordinator)
#include "tst_OnboardingCoordinator.moc"
