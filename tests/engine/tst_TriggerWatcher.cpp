#include <QCoreApplication>
#include <QSqlQuery>
#include <QTest>

#include "FakeBrowserProbe.h"
#include "FakeWorkspace.h"
#include "LogCapture.h"
#include "StoreFixture.h"
#include "engine/AppFrontmostDetector.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"
#include "model/AppSettings.h"

using namespace halvex;
using namespace testing;
using fennimar::AutomationStatus;

namespace {

const QString own = QStringLiteral("halvex");
const char *absent = "absent";

// Every service of the watcher, fake where it meets the desktop, real where
// it meets the store: an in-memory store, the engine and the recorder.
struct Rig {
    StoreFixture f;
    StreakEngine engine{f.persistence, f.dayClock, nullptr, f.scheduler};
    UsageSessionRecorder recorder{f.persistence, [this] { return f.now; }};
    testing::FakeWorkspace workspace;
    AppFrontmostDetector detector{workspace, f.scheduler};
    std::shared_ptr<FakeBrowserProbe> chrome =
        std::make_shared<FakeBrowserProbe>("chrome", BrowserAccessKind::appleEvents);
    std::shared_ptr<FakeBrowserProbe> firefox =
        std::make_shared<FakeBrowserProbe>("firefox", BrowserAccessKind::accessibility);
    QHash<QString, AutomationStatus> statuses;
    std::unique_ptr<TriggerWatcher> watcher;
    // New events as "<streak> <source> [domain] [bundle id]", and probe reads.
    QStringList log;
    std::vector<std::shared_ptr<TriggerEvent>> events;

    Rig()
    {
        QObject::connect(&engine, &StreakEngine::triggerSubject, &engine,
                         [this](const std::shared_ptr<TriggerEvent> &e) {
                             if (!e->outcomeRaw().isEmpty())
                                 return;
                             events.push_back(e);
                             QStringList words{e->streak()->name(), e->triggerSourceRaw()};
                             words << e->matchedDomain().value_or(QString())
                                   << e->matchedBundleId().value_or(QString());
                             words.removeAll(QString());
                             log << words.join(u' ');
                         });
        chrome->onFetch = [this] { log << QStringLiteral("fetch chrome"); };
        firefox->onFetch = [this] { log << QStringLiteral("fetch firefox"); };
        watcher = std::make_unique<TriggerWatcher>(TriggerWatcher::Services{
            detector,
            workspace,
            {{"chrome", chrome}, {"firefox", firefox}},
            engine,
            f.persistence,
            recorder,
            [this](const QString &id) { return statuses.value(id, AutomationStatus::granted); },
            [this] { return f.now; },
            berlin,
            f.scheduler,
            own,
        });
    }

    // "<name> <app|site|other> <targets,...> [paused] [until=±s] [window=from-to]
    //  [days=mask] [allowance=minutes] [order=n]"
    void addStreak(const QString &line)
    {
        const QStringList words = line.split(u' ');
        auto s = f.addStreak();
        s->setName(words[0]);
        s->setTypeRaw(words[1]);
        const QStringList targets = words[2].split(u',');
        s->setBundleIdentifiers(words[1] == u"app" ? targets : QStringList{});
        s->setDomains(words[1] == u"app" ? QStringList{} : targets);
        for (const QString &option : words.mid(3)) {
            const QString key = option.section(u'=', 0, 0);
            const QString value = option.section(u'=', 1);
            if (key == u"paused") {
                s->setIsPaused(true);
            } else if (key == u"until") {
                s->setPausedUntil(f.now.addSecs(value.toInt()));
            } else if (key == u"window") {
                s->setActiveWindowEnabled(true);
                s->setActiveWindowStartMinutes(value.section(u'-', 0, 0).toInt());
                s->setActiveWindowEndMinutes(value.section(u'-', 1).toInt());
            } else if (key == u"days") {
                s->setActiveWeekdaysMask(value.toInt());
            } else if (key == u"allowance") {
                s->setAllowanceEnabled(true);
                s->setAllowanceMinutes(value.toInt());
            } else if (key == u"order") {
                s->setSortOrder(value.toInt());
            }
        }
        QVERIFY(f.save());
        engine.reload();
    }

    std::shared_ptr<AppSettings> settings() { return AppSettings::fetchOrCreate(f.context()); }

    QUuid streakNamed(const QString &name) const
    {
        for (const auto &s : engine.streaks()) {
            if (s->name() == name)
                return s->id();
        }
        return {};
    }

    // Lets queued deliveries and finished reads through, as the main loop would.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // Time moves for the clock and the timers together, in small steps.
    void elapse(int ms)
    {
        const int step = ms > 10000 ? 1000 : 50;
        for (int left = ms; left > 0; left -= step) {
            const int d = std::min(step, left);
            f.now = f.now.addMSecs(d);
            f.scheduler.advance(d / 1000.0);
            settle();
        }
    }

    FakeBrowserProbe &probe(const QString &id) { return id == u"firefox" ? *firefox : *chrome; }

    static URLReadResult answer(const QString &text)
    {
        if (text == u"-")
            return std::optional<QUrl>();
        if (text == u"denied")
            return platform::unexpected(ProbeError::automationDenied());
        if (text == u"axdenied")
            return platform::unexpected(ProbeError::accessibilityDenied());
        if (text == u"script")
            return platform::unexpected(ProbeError::scriptFailure("timeout"));
        return std::optional<QUrl>(QUrl(text));
    }

    // Steps separated by spaces; see the verbs below. The watcher is started first.
    QStringList run(const QString &steps)
    {
        watcher->start();
        settle();
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            const QString verb = step.section(u'=', 0, 0);
            const QString arg = step.section(u'=', 1);
            if (verb == u"front") // arg comes to the front and says so
                workspace.bringToFront(testing::FakeWorkspace::app(arg, 1000 + arg.size()));
            else if (verb == u"window") { // the front application's window N takes the focus
                const platform::ApplicationWindow window{*workspace.frontmost, arg.toUInt()};
                workspace.windows << window;
                workspace.frontWindow = window;
            } else if (verb == u"hide") // the window manager has put it out of sight
                workspace.hide(testing::FakeWorkspace::app(arg, 1000 + arg.size()));
            else if (verb == u"wait") // milliseconds
                elapse(arg.toInt());
            else if (verb == u"clock") // the system clock is set on by milliseconds; timers are not
                f.now = f.now.addMSecs(arg.toInt());
            else if (verb == u"mark") // what the log holds after this came later
                log << QStringLiteral("|");
            else if (verb == u"chrome" || verb == u"firefox") // the page its probe reads
                probe(verb).answer = answer(arg);
            else if (verb == u"hold")
                probe(arg).hold = true;
            else if (verb == u"release")
                probe(arg).release();
            else if (verb == u"status") // the automation permission, "chrome:denied"
                statuses[arg.section(u':', 0, 0)] =
                    *fennimar::automationStatusFromRaw(arg.section(u':', 1));
            else if (verb == u"trust") // Firefox's own permission
                firefox->ownStatus = *fennimar::automationStatusFromRaw(arg);
            else if (verb == u"outcome") // the panel's decision on the last event
                engine.recordOutcome(events.back(), *triggerOutcomeFromRaw(arg));
            else if (verb == u"rules")
                engine.sendRulesChanged(arg == u"1");
            else if (verb == u"resume") { // the named streak, as the popover resumes it
                engine.bypassController().resume(streakNamed(arg));
                engine.reload();
                engine.sendRulesChanged(false);
            } else if (verb == u"limited") { // the shell reconciles limited mode
                settings()->setLimitedMode(arg == u"1");
                f.save();
            } else if (verb == u"stop")
                watcher->stop();
            else
                qFatal("unknown step %s", qPrintable(step));
            settle();
        }
        return log;
    }
};

int storedRows(Rig &rig, const QString &table)
{
    QSqlQuery q(rig.f.persistence.container().database());
    return q.exec(u"SELECT COUNT(*) FROM " + table) && q.next() ? q.value(0).toInt() : -1;
}

} // namespace

class tst_TriggerWatcher : public QObject {
    Q_OBJECT
private slots:
    void init() { rig = std::make_unique<Rig>(); }
    void cleanup() { rig.reset(); }

    void applicationRoad_data();
    void applicationRoad();
    void browserRoad_data();
    void browserRoad();
    void permissionBookkeeping_data();
    void permissionBookkeeping();
    void aStreakThatComesToApplyLooksAgain_data();
    void aStreakThatComesToApplyLooksAgain();
    void allowanceHoursThatBeginInFrontRunOneSession();
    void theApplicationInFrontAtStartFiresFromTheEventLoop();
    void allowanceLeftRunsAUsageSessionUntilItIsUsedUp();
    void emitTriggerSavesSendsAndBeginsASession_data();
    void emitTriggerSavesSendsAndBeginsASession();

private:
    std::unique_ptr<Rig> rig;
};

void tst_TriggerWatcher::applicationRoad_data()
{
    QTest::addColumn<QStringList>("streaks");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");

    const QStringList a{"A app code"};
    const QStringList once{"A app code"};
    const QStringList twice{"A app code", "A app code"};
    QTest::newRow("blocked app comes to the front") << a << "front=code" << once;
    QTest::newRow("in front through the detector's polls") << a << "front=code wait=11000" << once;
    QTest::newRow("back from this application: not re-armed")
        << a << "front=code front=halvex front=code" << once;
    QTest::newRow("back from another application: re-armed")
        << a << "front=code front=mail front=code" << twice;
    QTest::newRow("paused") << QStringList{"A app code paused"} << "front=code" << QStringList{};
    QTest::newRow("pause running")
        << QStringList{"A app code until=60"} << "front=code" << QStringList{};
    QTest::newRow("pause ended") << QStringList{"A app code until=-60"} << "front=code" << once;
    // It is 10:00 on a Friday.
    QTest::newRow("outside the active hours")
        << QStringList{"A app code window=660-720"} << "front=code" << QStringList{};
    QTest::newRow("inside the active hours")
        << QStringList{"A app code window=540-660"} << "front=code" << once;
    QTest::newRow("not on this weekday")
        << QStringList{"A app code window=540-660 days=95"} << "front=code" << QStringList{};
    QTest::newRow("neither app nor site")
        << QStringList{"A other code"} << "front=code" << QStringList{};
    QTest::newRow("collision: fewer targets wins")
        << QStringList{"B app code,mail order=0", "A app code order=1"} << "front=code" << once;
    QTest::newRow("collision: equal targets, smaller sort order")
        << QStringList{"B app code order=2", "A app code order=1"} << "front=code" << once;
    QTest::newRow("a browser goes the browser road")
        << QStringList{"A app chrome"} << "front=chrome wait=800" << QStringList{"fetch chrome"};
    QTest::newRow("a pause seen while it runs re-arms")
        << a << "front=code outcome=pause rules=0 wait=3601000 rules=0" << twice;
    QTest::newRow("a pause never evaluated re-arms at its end")
        << a << "front=code outcome=pause wait=3601000 rules=0" << twice;
    QTest::newRow("an undecided event does not re-arm") << a << "front=code rules=0" << once;
    // One that could not be hidden comes straight back from the panel.
    QTest::newRow("a step back that left it in front: not re-armed")
        << a << "front=code outcome=stepBack front=halvex front=code rules=0" << once;
    QTest::newRow("a step back, then it again from another application")
        << a << "front=code outcome=stepBack front=halvex front=mail front=code" << twice;
    // The window manager takes a moment to put it out of sight.
    QTest::newRow("a step back that hid it re-arms")
        << a << "front=code outcome=stepBack front=halvex wait=300 hide=code wait=100 front=code"
        << twice;
    QTest::newRow("an external-link bypass does not re-arm")
        << a << "front=code outcome=bypassExternalLink rules=0" << once;
    QTest::newRow("rules changed, forgetting the last target")
        << a << "front=code rules=1" << twice;
    QTest::newRow("stopped") << a << "stop front=code" << QStringList{};
}

void tst_TriggerWatcher::applicationRoad()
{
    QFETCH(QStringList, streaks);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    for (const QString &s : streaks)
        rig->addStreak(s);
    QCOMPARE(rig->run(steps), expected);
}

void tst_TriggerWatcher::browserRoad_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");

    // Site streak S blocks example.com; its browser list does not matter.
    const QString page = "chrome=https://www.example.com/feed";
    const QStringList url{"fetch chrome", "S url www.example.com chrome"};
    const QStringList external{"fetch chrome", "S externalLink www.example.com chrome"};
    QTest::newRow("nothing in front before") << page + " front=chrome wait=800" << url;
    QTest::newRow("probed once, then polled without firing again")
        << page + " front=chrome wait=5000" << url + QStringList{"fetch chrome"};
    QTest::newRow("from a mail application, read at once")
        << page + " front=mail front=chrome wait=800" << external;
    QTest::newRow("from a mail application, read within 1.5 s")
        << page + " hold=chrome front=mail front=chrome wait=1400 release=chrome" << external;
    QTest::newRow("from a mail application, read after 1.5 s")
        << page + " hold=chrome front=mail front=chrome wait=1600 release=chrome" << url;
    // This application's windows (the panel, the popover) are no application
    // a link comes from: what counts is the one in front before them.
    QTest::newRow("from this application, nothing before it")
        << page + " front=halvex front=chrome wait=800" << url;
    QTest::newRow("from a mail application by way of this one")
        << page + " front=mail front=halvex front=chrome wait=800" << external;
    QTest::newRow("back from a panel: the page's own")
        << page + " front=mail front=chrome wait=800 front=halvex outcome=stepBack"
                  " chrome=https://www.example.com/next front=chrome wait=800"
        << external + url;
    QTest::newRow("from another browser, whose activation is debounced away")
        << page + " front=firefox front=chrome wait=800" << url;
    QTest::newRow("in Firefox too") << "firefox=https://example.com front=firefox wait=800"
                                    << QStringList{"fetch firefox", "S url example.com firefox"};
    QTest::newRow("a page no streak blocks")
        << "chrome=https://example.org front=chrome wait=800" << QStringList{"fetch chrome"};
    QTest::newRow("no page: cached, nothing evaluated")
        << "chrome=- front=chrome wait=800 " + page + " wait=1300" << QStringList{"fetch chrome"};
    QTest::newRow("a failed read is not cached")
        << "chrome=script front=chrome wait=800 " + page + " wait=1300"
        << QStringList{"fetch chrome", "fetch chrome", "S url www.example.com chrome"};
    QTest::newRow("the browser left before its read came back")
        << page + " hold=chrome front=chrome wait=800 front=mail release=chrome"
        << QStringList{"fetch chrome"};
    QTest::newRow("an undecided page does not fire at every poll")
        << page + " front=chrome wait=800 wait=6000 rules=0 wait=2000"
        << url + QStringList{"fetch chrome", "fetch chrome", "fetch chrome"};
    // Read afresh: the page read before was the one the browser was asked to leave.
    QTest::newRow("a step back re-arms the host for another of its pages")
        << page +
               " front=chrome wait=800 outcome=stepBack chrome=https://www.example.com/b wait=1300"
        << url + url;
    // Its panel said so: the user is given the moment to close it.
    QTest::newRow("a page a step back could not leave does not fire again")
        << page + " front=chrome wait=800 outcome=stepBack wait=4300"
        << url + QStringList{"fetch chrome", "fetch chrome"};
    // A read younger than the reuse time is of the window it was made in.
    QTest::newRow("another window in front, read afresh at once")
        << "chrome=https://example.org front=chrome wait=800 " + page + " window=2 rules=0"
        << QStringList{"fetch chrome"} + url;
    QTest::newRow("that page, back from another application, fires again")
        << page +
               " front=chrome wait=800 outcome=stepBack wait=2500 front=mail front=chrome wait=800"
        << url + QStringList{"fetch chrome"} + external;
    QTest::newRow("that page, back from nothing in front, fires again")
        << page + " front=chrome wait=800 outcome=stepBack wait=2500 front= front=chrome wait=800"
        << url + QStringList{"fetch chrome", "fetch chrome"} + QStringList{url.last()};
    QTest::newRow("once left, that page fires again")
        << page + " front=chrome wait=800 outcome=stepBack chrome=https://example.org wait=1300 " +
               page + " wait=2000"
        << url + QStringList{"fetch chrome"} + url;
    // The browser comes back to the front for the step; the page it still
    // shows then is read, and not taken once the step has been answered.
    QTest::newRow("a step back that went back does not fire for the page it left")
        << page + " front=chrome wait=800 front=halvex wait=2000 front=chrome wait=800"
                  " chrome=https://www.example.org/ outcome=stepBack wait=1300"
        << url + QStringList{"fetch chrome", "fetch chrome"};
    QTest::newRow("a host opened anyway passes, even after a switch")
        << page + " front=chrome wait=800 outcome=openAnyway front=mail front=chrome wait=800"
        << url;
    QTest::newRow("another host ends the pass")
        << page +
               " front=chrome wait=800 outcome=openAnyway chrome=https://example.org"
               " wait=3300 " +
               page + " wait=2000"
        << url + QStringList{"fetch chrome"} + url;
}

void tst_TriggerWatcher::browserRoad()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    rig->addStreak("S site example.com");
    rig->engine.streaks().front()->setBrowsers({"safari"});
    QCOMPARE(rig->run(steps), expected);
}

void tst_TriggerWatcher::permissionBookkeeping_data()
{
    QTest::addColumn<QString>("storedBefore");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("limitedMode");

    const QString page = "https://example.com/";
    const QString denied =
        "status=chrome:denied chrome=denied front=chrome wait=800 chrome=" + page;
    // From another browser, so that a trigger's source is "url".
    const QString again = " front=firefox front=chrome wait=800";
    const QStringList fetch{"fetch chrome"};
    const QStringList fired{"fetch chrome", "S url example.com chrome"};

    QTest::newRow("a script failure leaves no trace")
        << absent << "chrome=script front=chrome wait=800" << fetch << absent << false;
    QTest::newRow("automation denied: stored, limited mode on")
        << absent << denied << fetch << "chrome" << true;
    QTest::newRow("a denied browser is not probed")
        << absent << denied + again << fetch << "chrome" << true;
    QTest::newRow("granted again: forgotten, stored and probed in the same pass")
        << absent << denied + " status=chrome:granted" + again << fetch + fired << "" << true;
    QTest::newRow("Accessibility denied: Firefox's own permission decides")
        << absent
        << "trust=denied firefox=axdenied front=firefox wait=800 status=firefox:granted"
           " front=mail front=firefox wait=800 trust=granted firefox=https://example.com"
           " front=mail front=firefox wait=800"
        << QStringList{"fetch firefox", "fetch firefox", "S externalLink example.com firefox"} << ""
        << true;
    QTest::newRow("undetermined: never probed, limited mode asked for once")
        << absent << "status=chrome:notDetermined front=chrome wait=800 limited=0" + again
        << QStringList{} << absent << false;
    QTest::newRow("undetermined again after a decision: asked for again")
        << absent
        << "status=chrome:notDetermined front=chrome wait=800 limited=0 status=chrome:granted"
           " chrome=" +
               page + again + " status=chrome:notDetermined" + again
        << fired << absent << true;
    QTest::newRow("the stored list loads its trimmed identifiers")
        << " |chrome|  |firefox\t|"
        << "status=chrome:denied chrome=" + page + " front=chrome wait=800 status=chrome:granted" +
               again
        << fired << "firefox" << false;
}

void tst_TriggerWatcher::permissionBookkeeping()
{
    QFETCH(QString, storedBefore);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    QFETCH(QString, storedAfter);
    QFETCH(bool, limitedMode);
    rig->addStreak("S site example.com");
    if (storedBefore != absent) {
        rig->settings()->setDeniedAutomationBundleIdsRaw(storedBefore);
        QVERIFY(rig->f.save());
    }

    QCOMPARE(rig->run(steps), expected);
    QCOMPARE(rig->settings()->deniedAutomationBundleIdsRaw().value_or(absent), storedAfter);
    QCOMPARE(rig->settings()->limitedMode(), limitedMode);
    QVERIFY(!rig->f.context().hasChanges());
}

void tst_TriggerWatcher::aStreakThatComesToApplyLooksAgain_data()
{
    QTest::addColumn<QStringList>("streaks");
    QTest::addColumn<QString>("steps");
    // Trigger events, reads left out; what comes between two marks came in
    // the short wait between them.
    QTest::addColumn<QStringList>("expected");

    const QString page = "chrome=https://www.example.com/feed";
    const QString site = "S url www.example.com chrome";
    const QStringList a{"A app code"};
    const QStringList quiet{"A app code", "|", "|"};

    // Paused on its panel at 10:00:20, the application in front again: the
    // pause ends at 11:00:20, twenty seconds after an engine tick.
    QTest::newRow("a pause ends with the application in front")
        << a
        << "wait=20000 front=code front=halvex outcome=pause front=code wait=3599000 mark"
           " wait=2000 mark wait=120000"
        << QStringList{"A app code", "|", "A app code", "|"};
    // Paused before this run, with no timer of this run to end it: the
    // engine's tick clears it only at 60 s.
    QTest::newRow("a pause from an earlier run ends with the application in front")
        << QStringList{"A app code paused until=30"}
        << "front=code wait=29000 mark wait=2000 mark wait=60000"
        << QStringList{"|", "A app code", "|"};
    // The pause ends at 3600.8 s, the polls come at 3599.8 s and 3601.8 s.
    QTest::newRow("a pause ends with the page in front")
        << QStringList{"S site example.com"}
        << page + " front=chrome wait=800 front=halvex outcome=pause wait=1000 front=chrome"
                  " wait=3598000 mark wait=1500 mark wait=10000"
        << QStringList{site, "|", site, "|"};

    // Set on by 20 s, the clock reads 10:00:20 at the first step: the engine
    // ticks at 10:01:20, 10:02:20 and so on, and active hours from 10:02
    // begin between two ticks.
    const QString hours = " window=602-1080";
    QTest::newRow("active hours begin with the application in front")
        << QStringList{"A app code" + hours}
        << "clock=20000 front=code wait=99000 mark wait=1500 mark wait=180000"
        << QStringList{"|", "A app code", "|"};
    // The polls come at 98.8 s and 100.8 s, the hours begin at 100 s.
    QTest::newRow("active hours begin with the page in front")
        << QStringList{"S site example.com" + hours}
        << "clock=20000 " + page + " wait=800 front=chrome wait=99000 mark wait=700 mark wait=10000"
        << QStringList{"|", site, "|"};

    // A answered on its panel at 10:00:20; B, which blocks the same
    // application, begins at 10:02. Only a pause lets it through.
    const QStringList ab{"A app code", "B app code" + hours};
    const QString answered = "clock=20000 front=code front=halvex outcome=%1 front=code"
                             " wait=99000 mark wait=1500 mark wait=180000";
    QTest::newRow("paused: another streak's hours begin")
        << ab << answered.arg("pause") << QStringList{"A app code", "|", "B app code", "|"};
    QTest::newRow("opened anyway: another streak's hours begin")
        << ab << answered.arg("openAnyway") << quiet;
    QTest::newRow("a free pass: another streak's hours begin")
        << ab << answered.arg("bypassFreePass") << quiet;
    QTest::newRow("an external link: another streak's hours begin")
        << ab << answered.arg("bypassExternalLink") << quiet;
    QTest::newRow("its panel still up: another streak's hours begin")
        << ab << "clock=20000 front=code front=halvex wait=99000 mark wait=1500 mark wait=180000"
        << quiet;

    // Resumed from the popover, the application waiting behind it.
    QTest::newRow("paused on its panel, resumed from the popover")
        << a << "front=code front=halvex outcome=pause wait=60000 resume=A mark front=code mark"
        << QStringList{"A app code", "|", "A app code", "|"};
    QTest::newRow("opened anyway, another streak resumed from the popover")
        << QStringList{"A app code", "B app code paused"}
        << "front=code front=halvex outcome=openAnyway resume=B mark front=code mark wait=60000"
        << quiet;
}

void tst_TriggerWatcher::aStreakThatComesToApplyLooksAgain()
{
    QFETCH(QStringList, streaks);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    for (const QString &s : streaks)
        rig->addStreak(s);
    QStringList seen = rig->run(steps);
    seen.removeIf([](const QString &line) { return line.startsWith(u"fetch "); });
    QCOMPARE(seen, expected);
}

void tst_TriggerWatcher::allowanceHoursThatBeginInFrontRunOneSession()
{
    rig->addStreak("A app code window=602-1080 allowance=30");
    const auto since10h02 = [this] {
        const auto &open = rig->recorder.open();
        return open && open->isAllowance && open->startedAt == local(3, 6, 10, 2);
    };
    QCOMPARE(rig->run("clock=20000 front=code wait=101000"), QStringList{});
    QVERIFY(since10h02());

    // Later minutes and another look keep that one session.
    QCOMPARE(rig->run("wait=120000 rules=0 wait=300000"), QStringList{});
    QVERIFY(since10h02());
    QCOMPARE(storedRows(*rig, "UsageSession"), 0);
}

void tst_TriggerWatcher::theApplicationInFrontAtStartFiresFromTheEventLoop()
{
    rig->addStreak("A app code");
    rig->workspace.frontmost = testing::FakeWorkspace::app("code", 7);
    // Whoever starts the watcher finishes wiring up before the first event.
    rig->watcher->start();
    QCOMPARE(rig->log, QStringList{});
    Rig::settle();
    QCOMPARE(rig->log, QStringList{"A app code"});
}

void tst_TriggerWatcher::allowanceLeftRunsAUsageSessionUntilItIsUsedUp()
{
    rig->addStreak("A app code allowance=1");
    QCOMPARE(rig->run("front=code wait=59000"), QStringList{});
    QVERIFY(rig->recorder.open() && rig->recorder.open()->isAllowance);

    // The allowance ends at 60 s; its timer re-evaluates what is in front.
    QCOMPARE(rig->run("wait=2000"), QStringList{"A app code"});
    QVERIFY(rig->recorder.open() && !rig->recorder.open()->isAllowance);
    QCOMPARE(storedRows(*rig, "UsageSession"), 1);
}

void tst_TriggerWatcher::emitTriggerSavesSendsAndBeginsASession_data()
{
    QTest::addColumn<bool>("saveFails");
    QTest::newRow("saved") << false;
    QTest::newRow("the save fails") << true;
}

void tst_TriggerWatcher::emitTriggerSavesSendsAndBeginsASession()
{
    QFETCH(bool, saveFails);
    rig->addStreak("A app code");
    if (saveFails)
        QVERIFY(rig->f.failInsertsInto("TriggerEvent"));
    testing::LogCapture log;

    QCOMPARE(rig->run("front=code"), QStringList{"A app code"});
    const auto &event = rig->events.front();
    QCOMPARE(event->firedAt(), rig->f.now);
    QCOMPARE(event->outcomeRaw(), QString());
    QCOMPARE(event->matchedDomain(), std::nullopt);
    QCOMPARE(storedRows(*rig, "TriggerEvent"), saveFails ? 0 : 1);
    QCOMPARE(log.messages("com.fennimar.halvex.triggers").size(), saveFails ? 1 : 0);
    if (saveFails)
        QVERIFY(log.messages("com.fennimar.halvex.triggers")
                    .first()
                    .startsWith("emitTrigger save failed: "));
    const auto &session = rig->recorder.open();
    QVERIFY(session && !session->isAllowance);
    QCOMPARE(session->streakId, event->streakId());
    QCOMPARE(session->matchedBundleId, std::optional<QString>("code"));
}

QTEST_GUILESS_MAIN(tst_TriggerWatcher)

#include "tst_TriggerWatcher.moc"
