#include <QCoreApplication>
#include <QSqlQuery>
#include <QTest>

#include "FakeBrowserProbe.h"
#include "FakeWorkspace.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "friction/FrictionViewModel.h"
#include "model/AppSettings.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Tombstone.h"
#include "model/WhyAnswer.h"

using namespace halvex;
using testing::FakeWorkspace;
using Action = std::function<void(FrictionViewModel &)>;

namespace {

const QTimeZone berlin{"Europe/Berlin"};
const QString firefoxId = QStringLiteral("org.mozilla.firefox");
const QString forty(40, u'x');
const QString thirtyNine(39, u'x');
const QString blockedPage = QStringLiteral("https://www.reddit.com/r/x");

// A store, the real engine and bypass controller, a desktop and a browser the
// test arranges, and one panel's view model over them.
struct Panel {
    PersistenceController persistence{true};
    QDateTime now = QDateTime(QDate(2026, 3, 6), QTime(10, 0), berlin).toUTC();
    DayClock clock{[this] { return now; }, berlin};
    testing::ManualScheduler scheduler;
    BypassController bypass{persistence, clock, berlin, scheduler};
    StreakEngine engine{persistence, clock, &bypass, scheduler};
    FakeWorkspace workspace;
    std::shared_ptr<testing::FakeBrowserProbe> firefox =
        std::make_shared<testing::FakeBrowserProbe>(firefoxId);
    std::shared_ptr<Streak> streak;
    std::shared_ptr<TriggerEvent> event;
    std::unique_ptr<FrictionViewModel> vm;
    QStringList recorded; // every outcome handed to the engine, in order
    int dismissals = 0;

    Panel(const QString &modeRaw = "gentle", const QString &source = "app",
          const std::optional<QString> &bundle = QString("code"), qint64 startedAgo = 0)
    {
        QObject::connect(&engine, &StreakEngine::triggerSubject, &engine,
                         [this](const auto &e) { recorded << e->outcomeRaw(); });
        streak = std::make_shared<Streak>(QUuid::createUuid(), "Reddit", StreakType::site,
                                          StrictnessMode::firm, QStringList{"reddit.com"},
                                          QStringList{}, QStringList{}, now.addSecs(-startedAgo));
        streak->setModeRaw(modeRaw);
        persistence.mainContext().insert(streak);
        event = addEvent(source, bundle);
        workspace.running << FakeWorkspace::app("code", 41) << browser;
        // The page the panel came for, then where a step back lands.
        firefox->answers = {std::optional(QUrl(blockedPage))};
        firefox->answer = std::optional(QUrl("https://example.org/"));
    }
    const platform::RunningApplication browser = FakeWorkspace::app(firefoxId, 7);
    std::shared_ptr<TriggerEvent> addEvent(const QString &source,
                                           const std::optional<QString> &bundle,
                                           const QString &outcome = {})
    {
        auto e = std::make_shared<TriggerEvent>(QUuid::createUuid(), now, TriggerSource::app,
                                                std::nullopt, bundle);
        e->setTriggerSourceRaw(source);
        e->setOutcomeRaw(outcome);
        e->setStreak(streak);
        persistence.mainContext().insert(e);
        if (!persistence.mainContext().save())
            qFatal("could not save the trigger event");
        return e;
    }
    FrictionViewModel &open()
    {
        // A page's panel comes up over the browser it was read in.
        if (!workspace.frontmost && event->triggerSourceRaw() != "app")
            workspace.bringToFront(browser);
        vm = std::make_unique<FrictionViewModel>(
            event, streak,
            FrictionViewModel::Services{
                engine, bypass, persistence, {{firefoxId, firefox}}, workspace, clock, scheduler},
            [this] { ++dismissals; });
        vm->startLockout();
        return *vm;
    }
    // Moves time on, letting the answers of the browser bridge arrive on the way.
    void run(double seconds)
    {
        for (double done = 0; done < seconds - 1e-9; done += 0.01) {
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            scheduler.advance(std::min(0.01, seconds - done));
        }
        scheduler.advance(1e-6); // sums of hundredths are not exact
    }
    QString storedAnswer() const
    {
        return event->whyAnswer() ? event->whyAnswer()->text() : QStringLiteral("-");
    }
    // What the panel has done so far, in one comparable line.
    QString observed() const
    {
        QStringList parts = recorded;
        if (vm->isFirmActive())
            parts << "firm";
        if (vm->isBrutalActive())
            parts << "brutal";
        return parts.join(u',');
    }
};

const QMap<QString, Action> actions{
    {"stepBack", [](FrictionViewModel &m) { m.stepBack(); }},
    {"requestOpen", [](FrictionViewModel &m) { m.requestOpenAnyway(); }},
    {"openAnyway", [](FrictionViewModel &m) { m.openAnyway(); }},
    {"pause", [](FrictionViewModel &m) { m.pauseOneHour(); }},
    {"freePass", [](FrictionViewModel &m) { m.useFreePass(); }},
    {"externalLink", [](FrictionViewModel &m) { m.openWithoutCounting(); }},
};

} // namespace

class tst_FrictionViewModel : public QObject {
    Q_OBJECT
private slots:
    void fixedWhenThePanelOpens_data()
    {
        QTest::addColumn<QString>("modeRaw");
        QTest::addColumn<qint64>("startedAgo");
        QTest::addColumn<int>("openAnywayToday");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("duration");
        const int gentle = int(StrictnessMode::gentle), firm = int(StrictnessMode::firm),
                  brutal = int(StrictnessMode::brutal);
        // clang-format off
        QTest::newRow("gentle, new") << "gentle" << 0LL << 0 << gentle << 0 << 30;
        QTest::newRow("a second short") << "firm" << 86399LL << 1 << firm << 0 << 60;
        QTest::newRow("brutal, one day") << "brutal" << 86400LL << 2 << brutal << 1 << 120;
        QTest::newRow("unknown word") << "strict" << 864000LL << 7 << firm << 10 << 120;
        QTest::newRow("empty mode") << "" << 0LL << 0 << firm << 0 << 30;
        // A clock set back behind the start: day 0, not a count below it.
        QTest::newRow("case, start ahead") << "Brutal" << -1LL << 0 << firm << 0 << 30;
        QTest::newRow("an hour ahead") << "gentle" << -3600LL << 0 << gentle << 0 << 30;
        // clang-format on
    }
    void fixedWhenThePanelOpens()
    {
        QFETCH(QString, modeRaw);
        QFETCH(qint64, startedAgo);
        QFETCH(int, openAnywayToday);
        Panel p(modeRaw, "app", QString("code"), startedAgo);
        for (int i = 0; i < openAnywayToday; ++i)
            p.addEvent("app", QString("code"), "openAnyway");
        p.addEvent("app", QString("code"), "stepBack"); // other outcomes do not count
        FrictionViewModel &vm = p.open();
        QTEST(int(vm.mode()), "mode");
        QTEST(vm.days(), "days");
        QTEST(vm.countdownDuration(), "duration");
        QTEST(vm.countdownRemaining(), "duration");
    }

    void bypassAvailability_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("allowFreePass");
        QTest::addColumn<bool>("usedToday");
        QTest::addColumn<bool>("allowLink");
        QTest::addColumn<QString>("outcome"); // of the free pass, else the link bypass
        // clang-format off
        QTest::newRow("free pass") << "app" << true << false << true << "bypassFreePass";
        QTest::newRow("free pass used today") << "app" << true << true << true << "";
        QTest::newRow("free pass not allowed") << "app" << false << false << true << "";
        QTest::newRow("url trigger") << "url" << false << false << true << "";
        QTest::newRow("link") << "externalLink" << false << false << true << "bypassExternalLink";
        QTest::newRow("link not allowed") << "externalLink" << false << false << false << "";
        // clang-format on
    }
    void bypassAvailability()
    {
        QFETCH(QString, source);
        QFETCH(bool, allowFreePass);
        QFETCH(bool, usedToday);
        QFETCH(bool, allowLink);
        QFETCH(QString, outcome);
        Panel p("gentle", source);
        p.streak->setAllowDailyFreePass(allowFreePass);
        p.streak->setAllowExternalLinkBypass(allowLink);
        if (usedToday)
            QVERIFY(p.bypass.useFreePass(p.streak->id()));
        FrictionViewModel &vm = p.open();
        QCOMPARE(vm.canUseFreePass(), outcome == "bypassFreePass");
        QCOMPARE(vm.canUseExternalLink(), outcome == "bypassExternalLink");
        p.run(1.0);
        vm.useFreePass();
        vm.openWithoutCounting();
        QCOMPARE(p.recorded.join(u','), outcome);
    }

    void lockout_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("duringLockout");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("step back") << "stepBack" << "gentle" << "" << "stepBack";
        QTest::newRow("pause") << "pause" << "gentle" << "" << "pause";
        QTest::newRow("free pass") << "freePass" << "gentle" << "" << "bypassFreePass";
        QTest::newRow("link") << "externalLink" << "gentle" << "" << "bypassExternalLink";
        QTest::newRow("open, gentle") << "requestOpen" << "gentle" << "" << "openAnyway";
        QTest::newRow("open, firm") << "requestOpen" << "firm" << "" << "firm";
        QTest::newRow("open, brutal") << "requestOpen" << "brutal" << "" << "brutal";
        QTest::newRow("openAnyway") << "openAnyway" << "firm" << "openAnyway" << "openAnyway";
        // clang-format on
    }
    void lockout()
    {
        QFETCH(QString, action);
        QFETCH(QString, mode);
        Panel p(mode, "externalLink", firefoxId);
        FrictionViewModel &vm = p.open();
        p.run(0.99);
        QVERIFY(vm.isButtonsDisabled());
        actions[action](vm);
        QTEST(p.observed(), "duringLockout");
        p.run(0.02);
        QVERIFY(!vm.isButtonsDisabled());
        actions[action](vm);
        p.run(0.5); // a step back goes back and reads the page again
        QTEST(p.observed(), "after");
    }

    void oneOutcomePerPanelThenDismiss_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<double>("dismissAt");
        // clang-format off
        QTest::newRow("pause, step back") << "pause" << "stepBack" << 0.3;
        QTest::newRow("pause, free pass") << "pause" << "freePass" << 0.3;
        QTest::newRow("free pass, pause") << "freePass" << "pause" << 0.3;
        QTest::newRow("link, open") << "externalLink" << "openAnyway" << 0.3;
        QTest::newRow("step back twice") << "stepBack" << "stepBack" << 0.7; // 0.4 s in the browser
        QTest::newRow("step back, open") << "stepBack" << "requestOpen" << 0.7;
        QTest::newRow("open twice") << "requestOpen" << "openAnyway" << 2.3;
        QTest::newRow("open, step back") << "openAnyway" << "stepBack" << 2.3;
        // clang-format on
    }
    void oneOutcomePerPanelThenDismiss()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(double, dismissAt);
        const QMap<QString, QString> outcomes{{"requestOpen", "openAnyway"},
                                              {"freePass", "bypassFreePass"},
                                              {"externalLink", "bypassExternalLink"}};
        const QString outcome = outcomes.value(first, first);
        Panel p("gentle", "externalLink", firefoxId);
        FrictionViewModel &vm = p.open();
        p.run(1.0);
        actions[first](vm);
        actions[second](vm);
        QVERIFY(vm.hasCommittedOutcome());
        p.run(dismissAt - 0.02);
        QCOMPARE(p.dismissals, 0);
        QCOMPARE(p.recorded, QStringList{outcome}); // reaches the engine before the panel goes
        QCOMPARE(p.event->outcomeRaw(), outcome);
        p.run(0.04);
        QCOMPARE(p.dismissals, 1);
        actions[second](vm);
        p.run(5);
        QCOMPARE(p.dismissals, 1);
        QCOMPARE(p.recorded.size(), 1);
        QCOMPARE(p.streak->tombstones().size(), size_t(outcome == "openAnyway"));
    }

    void firmCancelKeepsTheReflectionAndCompletionStoresIt()
    {
        Panel p("firm");
        FrictionViewModel &vm = p.open();
        p.run(1.0);
        vm.requestOpenAnyway();
        QVERIFY(vm.isFirmActive() && !vm.hasCommittedOutcome());
        vm.setReflectionText("  just checking\n");
        p.run(13);
        QCOMPARE(vm.countdownRemaining(), 17);
        vm.cancelFirmCountdown();
        QVERIFY(!vm.isFirmActive());
        QCOMPARE(vm.countdownRemaining(), 30);
        QCOMPARE(vm.reflectionText(), QStringLiteral("  just checking\n"));
        p.run(60);
        QVERIFY(p.recorded.isEmpty());

        vm.requestOpenAnyway();
        p.run(29.5);
        QCOMPARE(vm.countdownRemaining(), 1);
        QVERIFY(p.recorded.isEmpty());
        p.run(0.5);
        QCOMPARE(p.recorded, QStringList{"openAnyway"});
        QVERIFY(!vm.isFirmActive() && vm.isResetPlaying());
        QCOMPARE(p.storedAnswer(), QStringLiteral("just checking"));
        QCOMPARE(p.streak->tombstones().at(0)->lastWhyAnswer(),
                 std::optional<QString>("just checking"));
        p.run(2.31);
        QCOMPARE(p.dismissals, 1);
    }

    void brutalConfession_data()
    {
        QTest::addColumn<QString>("confession");
        QTest::addColumn<int>("length"); // user-perceived characters once trimmed
        const QString family("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
        const QString accented = QStringLiteral("e\u0301").repeated(40);
        // clang-format off
        QTest::newRow("39 and blanks") << "\n  " + thirtyNine + " \n\t" << 39;
        QTest::newRow("40 and blanks") << "  " + forty + "\n" << 40;
        QTest::newRow("inner blanks count") << "a" + QString(38, u' ') + "b" << 40;
        QTest::newRow("39 and a family") << thirtyNine + family << 40;
        QTest::newRow("40 accented, 80 units") << accented << 40;
        QTest::newRow("20 flags, 80 units") << QString("\U0001F1F9\U0001F1F7").repeated(20) << 20;
        QTest::newRow("skin tones") << QStringLiteral("\U0001F44D\U0001F3FD").repeated(3) << 3;
        QTest::newRow("only blanks") << " \n " << 0;
        // clang-format on
    }
    void brutalConfession()
    {
        QFETCH(QString, confession);
        QFETCH(int, length);
        QCOMPARE(FrictionViewModel::confessionLength(confession), length);
        const bool enough = length >= 40;
        Panel p("brutal");
        FrictionViewModel &vm = p.open();
        p.run(1.0);
        vm.requestOpenAnyway();
        QVERIFY(vm.isBrutalActive());
        vm.setBrutalConfession(forty);
        vm.cancelBrutal(); // back to the card: confession and countdown start over
        QVERIFY(!vm.isBrutalActive() && vm.brutalConfession().isEmpty());
        QCOMPARE(vm.countdownRemaining(), 30);
        vm.requestOpenAnyway();

        vm.setBrutalConfession(confession);
        QCOMPARE(vm.confessionRemaining(), 40 - length);
        p.run(29.5);
        vm.submitBrutalConfession(); // the countdown still runs
        QVERIFY(!vm.isConfessionReady() && p.recorded.isEmpty());
        p.run(0.5);
        QCOMPARE(vm.countdownRemaining(), 0);
        QCOMPARE(vm.isConfessionReady(), enough);
        vm.submitBrutalConfession();
        QCOMPARE(p.recorded, enough ? QStringList{"openAnyway"} : QStringList{});
        QCOMPARE(vm.isBrutalActive(), !enough);
        QCOMPARE(p.storedAnswer(), enough ? confession.trimmed() : QString("-"));
    }

    void stepBack_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("bundle");    // "-": none in the event
        QTest::addColumn<QString>("failing");   // what the desktop or the browser refuses
        QTest::addColumn<QString>("urlBefore"); // the step's own look; "-": the read fails
        QTest::addColumn<QString>("urlAfter");  // where going back lands; "-": the read fails
        QTest::addColumn<QString>("calls");
        QTest::addColumn<bool>("minimised");   // the page's window left the front
        QTest::addColumn<double>("dismissAt"); // 1.8 s and more: failed
        const QString ff = firefoxId, b = blockedPage, read = "fetchURL,goBack,fetchURL";
        const QString readClose = read + ",closeTab", close = "fetchURL,goBack,closeTab";
        const QString other = "https://example.org/";
        // clang-format off
        QTest::newRow("app hidden") << "app" << "code" << "" << b << "" << "" << false << 0.3;
        QTest::newRow("app not running") << "app" << "gedit" << "" << b << "" << "" << false << 1.8;
        QTest::newRow("app without id") << "app" << "-" << "" << b << "" << "" << false << 1.8;
        QTest::newRow("hide refused") << "app" << "code" << "hide" << b << "" << "" << false << 1.8;
        QTest::newRow("unknown source is app") << "other" << "code" << "" << b << "" << "" << false << 0.3;
        QTest::newRow("no bridge") << "url" << "chromium" << "" << b << "" << "" << false << 1.8;
        QTest::newRow("went back") << "url" << ff << "" << b << other << read << false << 0.7;
        QTest::newRow("still blocked") << "externalLink" << ff << "" << b << b << readClose << false << 0.7;
        QTest::newRow("read fails after") << "url" << ff << "" << b << "-" << read << false << 0.7;
        QTest::newRow("no page after") << "url" << ff << "" << b << "" << read << false << 0.7;
        QTest::newRow("back fails, tab closed") << "url" << ff << "goBack" << b << "" << close << false << 0.3;
        // A popup, a tab in full screen: the window goes out of sight instead.
        QTest::newRow("close fails: minimised") << "url" << ff << "closeTab" << b << b << readClose << true << 0.7;
        QTest::newRow("neither: minimised") << "url" << ff << "goBack,closeTab" << b << "" << close << true << 0.3;
        QTest::newRow("nothing works") << "url" << ff << "goBack,closeTab,hide" << b << "" << close << false << 1.8;
        // Only the page the panel came for is stepped back from.
        QTest::newRow("another page by now") << "url" << ff << "" << other << "" << "fetchURL" << false << 0.3;
        QTest::newRow("its page unreadable: minimised") << "url" << ff << "" << "-" << "" << "fetchURL" << true << 0.3;
        // clang-format on
    }
    void stepBack()
    {
        QFETCH(QString, source);
        QFETCH(QString, bundle);
        QFETCH(QString, failing);
        QFETCH(QString, urlBefore);
        QFETCH(QString, urlAfter);
        QFETCH(bool, minimised);
        QFETCH(double, dismissAt);
        const bool success = dismissAt < 1.8;
        Panel p("gentle", source, bundle == "-" ? std::nullopt : std::optional(bundle));
        p.workspace.hideSucceeds = !failing.contains("hide");
        p.firefox->goBackSucceeds = !failing.contains("goBack");
        p.firefox->closeTabSucceeds = !failing.contains("closeTab");
        const auto readOf = [](const QString &url) -> URLReadResult {
            if (url == "-")
                return platform::unexpected(ProbeError::notRunning());
            return url.isEmpty() ? std::optional<QUrl>() : std::optional(QUrl(url));
        };
        p.firefox->answers = {readOf(urlBefore)};
        p.firefox->answer = readOf(urlAfter);
        FrictionViewModel &vm = p.open();
        p.run(1.0);
        vm.stepBack();
        const double look = std::min(0.45, dismissAt - 0.02); // past the browser's 0.4 s
        p.run(look);
        QTEST(p.firefox->calls.join(u','), "calls");
        QCOMPARE(p.recorded, QStringList{"stepBack"}); // whether or not it worked
        QCOMPARE(p.workspace.hidden.contains(FakeWorkspace::app("code", 41)),
                 success && bundle == "code");
        QCOMPARE(p.workspace.hiddenWindows.contains({p.browser, 0}), minimised);
        QCOMPARE(vm.feedback().isFailure(), !success);
        QVERIFY(success || !vm.feedback().message().isEmpty());
        p.run(dismissAt - 0.02 - look);
        QCOMPARE(p.dismissals, 0);
        p.run(0.04);
        QCOMPARE(p.dismissals, 1);
        QCOMPARE(vm.feedback(), FrictionFeedbackState::idle());
    }

    // The user switched windows, or closed the page's, while the panel was up.
    void stepBackActsOnlyInThePagesWindow_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("comes"); // the window manager brings it forward
        QTest::addColumn<QString>("calls");
        QTest::addColumn<bool>("success");
        // clang-format off
        QTest::newRow("another window in front: the page's first") << false << true << "fetchURL,goBack,fetchURL" << true;
        QTest::newRow("its window closed: nothing to do") << true << true << "" << true;
        QTest::newRow("its window will not come: nothing done") << false << false << "" << false;
        // clang-format on
    }
    void stepBackActsOnlyInThePagesWindow()
    {
        QFETCH(bool, closed);
        QFETCH(bool, comes);
        QFETCH(bool, success);
        Panel p("gentle", "url", firefoxId);
        const platform::ApplicationWindow page{p.browser, 2}, other{p.browser, 3};
        p.workspace.windows = {other, page};
        p.workspace.bringToFront(p.browser);
        p.workspace.frontWindow = page;
        FrictionViewModel &vm = p.open();
        p.workspace.frontWindow = other;
        if (closed)
            p.workspace.closeWindow(page);
        p.workspace.activatesAtOnce = comes;
        p.run(1.0);
        vm.stepBack();
        p.run(FrictionOutcome::windowTimeoutSeconds + 0.5);
        QTEST(p.firefox->calls.join(u','), "calls");
        QCOMPARE(p.workspace.windowRequests,
                 closed ? QList<platform::ApplicationWindow>{} : QList{page});
        QCOMPARE(p.workspace.frontmostWindow(), std::optional(comes && !closed ? page : other));
        QCOMPARE(vm.feedback().isFailure(), !success);
    }

    // One entry per process: an application of one process per window is
    // put out of sight whole, and only it.
    void stepBackHidesEveryProcessOfTheApplication_data()
    {
        QTest::addColumn<QList<qint32>>("windowless"); // of the processes 41 and 42
        QTest::addColumn<QList<qint32>>("hidden");
        // clang-format off
        QTest::newRow("both processes") << QList<qint32>{} << QList<qint32>{41, 42};
        QTest::newRow("the first without a window") << QList<qint32>{41} << QList<qint32>{42};
        QTest::newRow("the second without a window") << QList<qint32>{42} << QList<qint32>{41};
        QTest::newRow("neither has a window") << QList<qint32>{41, 42} << QList<qint32>{};
        // clang-format on
    }
    void stepBackHidesEveryProcessOfTheApplication()
    {
        QFETCH(QList<qint32>, windowless);
        QFETCH(QList<qint32>, hidden);
        Panel p;
        const auto other = FakeWorkspace::app("gedit", 43);
        p.workspace.running << FakeWorkspace::app("code", 42) << other;
        for (const qint32 pid : windowless)
            p.workspace.windowless << FakeWorkspace::app("code", pid);
        FrictionViewModel &vm = p.open();
        p.run(1.0);
        vm.stepBack();
        p.run(0.1);
        QList<qint32> found;
        for (const auto &app : std::as_const(p.workspace.hidden))
            found << app.processIdentifier;
        QCOMPARE(found, hidden);
        QVERIFY(!p.workspace.hideRequests.contains(other));
        // Failed only when nothing at all could be put out of sight.
        QCOMPARE(vm.feedback().isFailure(), hidden.isEmpty());
        QCOMPARE(p.recorded, QStringList{"stepBack"});
    }

    void hiddenApplicationIsKeptHiddenAfterThePanel()
    {
        Panel p;
        p.workspace.running << FakeWorkspace::app("code", 42); // a second process
        p.open();
        p.run(1.0);
        p.vm->stepBack();
        p.run(0.3);
        p.vm.reset(); // dismissed and released; two rounds have passed
        for (int round = 0; round < FrictionViewModel::keepHiddenRounds; ++round) {
            p.workspace.hidden.clear(); // the application shows itself again
            p.run(0.12);
        }
        // For each process, the first hide, then one for each of the ten rounds left.
        QCOMPARE(p.workspace.hideRequests.count(FakeWorkspace::app("code", 41)), 11);
        QCOMPARE(p.workspace.hideRequests.count(FakeWorkspace::app("code", 42)), 11);
        QVERIFY(p.workspace.hidden.isEmpty());
    }

    void browserFallbackIsTheApplicationUnderThePanel_data()
    {
        QTest::addColumn<bool>("underIsThisApplication");
        // clang-format off
        QTest::newRow("browser under the panel") << false;
        QTest::newRow("this application under the panel") << true;
        // clang-format on
    }
    void browserFallbackIsTheApplicationUnderThePanel()
    {
        QFETCH(bool, underIsThisApplication);
        Panel p("gentle", "url", std::nullopt);
        const auto self = FakeWorkspace::app("halvex", qint32(QCoreApplication::applicationPid()));
        p.workspace.bringToFront(underIsThisApplication ? self : FakeWorkspace::app(firefoxId, 7));
        FrictionViewModel &vm = p.open();
        p.workspace.bringToFront(self); // the panel takes the front
        p.run(1.0);
        vm.stepBack();
        p.run(0.45);
        QCOMPARE(p.firefox->calls.isEmpty(), underIsThisApplication);
        QCOMPARE(vm.feedback().isFailure(), underIsThisApplication);
    }

    void cancelDropsEveryPendingAction_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("action"); // taken half a second before the cancel
        QTest::addColumn<QString>("atCancel");
        QTest::addColumn<QString>("after");
        const QString open = "openAnyway", back = "stepBack";
        // clang-format off
        QTest::newRow("lockout") << "gentle" << "app" << "pause" << "" << "";
        QTest::newRow("firm countdown") << "firm" << "app" << "requestOpen" << "" << "";
        QTest::newRow("brutal countdown") << "brutal" << "app" << "requestOpen" << "" << "";
        QTest::newRow("reset animation") << "gentle" << "app" << "requestOpen" << open << open;
        QTest::newRow("failure line") << "gentle" << "url" << "stepBack" << back << back;
        QTest::newRow("step back under way") << "gentle" << "externalLink" << back << "" << back;
        // clang-format on
    }
    void cancelDropsEveryPendingAction()
    {
        QFETCH(QString, mode);
        QFETCH(QString, source);
        QFETCH(QString, action);
        Panel p(mode, source, source == "url" ? QString("chromium") : firefoxId);
        p.firefox->holdGoBack = true;
        FrictionViewModel &vm = p.open();
        p.run(QTest::currentDataTag() == QLatin1String("lockout") ? 0.5 : 1.0);
        actions[action](vm);
        p.run(0.5);
        QTEST(p.recorded.join(u','), "atCancel");
        vm.cancel();
        QTEST(p.recorded.join(u','), "after"); // a chosen step back is not lost
        if (p.firefox->heldGoBack) {           // the browser answers after all
            p.firefox->heldGoBack->addResult(false);
            p.firefox->heldGoBack->finish();
        }
        for (const Action &tap : actions)
            tap(vm);
        vm.startFirmCountdown();
        vm.startBrutalFlow();
        p.run(40);
        QTEST(p.recorded.join(u','), "after");
        QCOMPARE(p.dismissals, 0);
        QCOMPARE(p.streak->tombstones().size(), size_t(p.recorded.contains("openAnyway")));
        QVERIFY(!p.firefox->calls.contains("closeTab"));
    }

    void whyAnswer_data()
    {
        QTest::addColumn<QString>("reflection");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("laterSaveWorks");
        // clang-format off
        QTest::newRow("blanks only") << " \n\t " << "" << "-" << true;
        QTest::newRow("trimmed") << "  bored, again\n" << "" << "bored, again" << true;
        // Kept in the context, for a later save to retry.
        QTest::newRow("disk full") << "bored" << "diskFull" << "bored" << false;
        // The answer could never be saved: it is not made, and blocks nothing.
        QTest::newRow("streak deleted") << "bored" << "deleteStreak" << "-" << true;
        // clang-format on
    }
    void whyAnswer()
    {
        QFETCH(QString, reflection);
        QFETCH(QString, meanwhile);
        QFETCH(bool, laterSaveWorks);
        Panel p("firm");
        testing::LogCapture log;
        ModelContext &context = p.persistence.mainContext();
        if (meanwhile == u"diskFull")
            QVERIFY(QSqlQuery(p.persistence.container().database())
                        .exec("CREATE TEMP TRIGGER f BEFORE INSERT ON \"WhyAnswer\" BEGIN "
                              "SELECT RAISE(ABORT, 'disk is full'); END"));
        FrictionViewModel &vm = p.open();
        p.run(1.0);
        if (meanwhile == u"deleteStreak")
            QVERIFY(p.engine.deleteStreak(p.streak->id()));
        vm.setReflectionText(reflection);
        vm.pauseOneHour();
        QTEST(p.storedAnswer(), "stored");
        QCOMPARE(p.recorded, QStringList{"pause"}); // recorded all the same
        const QStringList lines = log.messages("com.fennimar.halvex.persistence");
        QCOMPARE(lines.filter("persistWhyAnswer save failed").size(), meanwhile == u"diskFull");

        AppSettings::fetchOrCreate(context)->setWeeklyDigestEnabled(false);
        QCOMPARE(context.save().hasValue(), laterSaveWorks);
    }
};

QTEST_GUILESS_MAIN(tst_FrictionViewModel)
#include "tst_FrictionViewModel.moc"
