#include <QTest>

#include "AccessibilityTestbed.h"
#include "FakeKeystrokeSending.h"
#include "ManualScheduler.h"
#include "browsers/AXURLReader.h"
#include "browsers/FirefoxBridge.h"
#include "engine/DomainMatching.h"

using fennimar::AutomationStatus;
using halvex::FirefoxBridge;
using Sent = testing::FakeKeystrokeSending::Sent;
using Testbed = testing::AccessibilityTestbed;

namespace {
const QDateTime start(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
const QString page = QStringLiteral("https://example.com/page");
const QString next = QStringLiteral("https://example.com/next");
enum Action { goingBack, closingTab };

// Every answer here is due by the time it is read.
template <class T> T ready(const QFuture<T> &future)
{
    if (!future.isFinished())
        qFatal("answer not ready");
    return future.result();
}
} // namespace

class tst_FirefoxBridge : public QObject {
    Q_OBJECT
private slots:
    void init();
    void automationStatusIsNeverDenied_data();
    void automationStatusIsNeverDenied();
    void notRunningTouchesNothing();
    void fetchWithoutTrustIsDenied();
    void fetchParsesWhatTheTreeShows_data();
    void fetchParsesWhatTheTreeShows();
    void readsAreCachedForOneSecond_data();
    void readsAreCachedForOneSecond();
    void keystrokeWaitsForTheActivation_data();
    void keystrokeWaitsForTheActivation();
    void stepBackAnswersOnceThePageMovedOn_data();
    void stepBackAnswersOnceThePageMovedOn();
    void refusedKeystroke_data();
    void refusedKeystroke();
    void closingTheLastTabKeepsTheWindow_data();
    void closingTheLastTabKeepsTheWindow();
    void bridgeGoneBeforeTheActivation();
    void requestAccessAsksForTrust_data();
    void requestAccessAsksForTrust();

private:
    void showPage(const QString &url)
    {
        m_bed->showWindow({QStringLiteral("AXWindow"),
                           QStringLiteral("  AXButton|id=back-button|name=back"),
                           QStringLiteral("  AXWebArea|urlText=") + url});
    }
    // A strip of these tabs, each with its close button "/close-<tab>", over
    // the page in front (without an address where `url` is empty).
    void showTabs(const QStringList &tabs, const QString &url)
    {
        QStringList lines{QStringLiteral("AXWindow"),
                          QStringLiteral("  AXButton|id=back-button|name=back"),
                          QStringLiteral("  AXTabGroup|name=strip")};
        QList<platform::AccessibleElement> elements;
        for (const QString &tab : tabs) {
            lines << "    AXRadioButton|name=" + tab << "      AXButton|name=close-" + tab;
            elements << platform::AccessibleElement{QStringLiteral("fake"), '/' + tab};
        }
        m_bed->showWindow(lines << (url.isEmpty() ? QStringLiteral("  AXWebArea")
                                                  : "  AXWebArea|urlText=" + url));
        m_bed->host.setAttribute({QStringLiteral("fake"), QStringLiteral("/strip")},
                                 QString::fromLatin1(platform::ax::tabs), elements);
    }
    // Two tabs, the one in front with a page whose address cannot be read
    // yet (still loading, or loaded out of sight).
    void showLoading() { showTabs({QStringLiteral("other"), QStringLiteral("blocked")}, {}); }
    // The tab in front of two, and what the browser shows once it acts.
    void showTwoTabs() { showTabs({QStringLiteral("other"), QStringLiteral("blocked")}, page); }
    void browserActs(Action action)
    {
        if (action == goingBack)
            showTabs({QStringLiteral("other"), QStringLiteral("blocked")}, next);
        else
            showTabs({QStringLiteral("other")}, next);
    }
    QStringList presses() const { return m_bed->host.calls.filter(QStringLiteral("perform ")); }
    QString fetched()
    {
        const halvex::URLReadResult result = ready(m_bridge->fetchURL());
        if (!result)
            qFatal("fetch failed");
        return result.value() ? result.value()->toString() : QString();
    }
    QFuture<bool> act(Action action)
    {
        return action == goingBack ? m_bridge->goBack() : m_bridge->closeTab();
    }

    std::unique_ptr<Testbed> m_bed;
    std::unique_ptr<testing::FakeKeystrokeSending> m_keys;
    std::unique_ptr<testing::ManualScheduler> m_scheduler;
    std::unique_ptr<halvex::AXURLReader> m_reader;
    std::unique_ptr<FirefoxBridge> m_bridge;
    QDateTime m_now;
};

void tst_FirefoxBridge::init()
{
    m_bridge.reset();
    m_bed = std::make_unique<Testbed>();
    m_keys = std::make_unique<testing::FakeKeystrokeSending>();
    m_scheduler = std::make_unique<testing::ManualScheduler>();
    m_reader = std::make_unique<halvex::AXURLReader>(m_bed->host, m_bed->probe, m_bed->workspace);
    m_now = start;
    m_bridge = std::make_unique<FirefoxBridge>(halvex::AccessibilityBridgeServices{
        &m_bed->workspace, m_keys.get(), &m_bed->host, &m_bed->probe, m_reader.get(),
        m_scheduler.get(), [this] { return m_now; }});
}

void tst_FirefoxBridge::automationStatusIsNeverDenied_data()
{
    QTest::addColumn<bool>("switchOn");
    QTest::addColumn<bool>("prompted");
    QTest::addColumn<bool>("liveCallAnswers");
    QTest::addColumn<AutomationStatus>("expected");
    QTest::newRow("trusted") << true << false << true << AutomationStatus::granted;
    QTest::newRow("never asked") << false << false << true << AutomationStatus::notDetermined;
    QTest::newRow("asked, live call fails")
        << false << true << false << AutomationStatus::notDetermined;
}

void tst_FirefoxBridge::automationStatusIsNeverDenied()
{
    QFETCH(bool, switchOn);
    QFETCH(bool, prompted);
    QFETCH(bool, liveCallAnswers);
    QFETCH(AutomationStatus, expected);
    m_bed->host.trusted = switchOn;
    if (prompted)
        m_bed->defaults.setValue(QString::fromLatin1(fennimar::AccessibilityProbe::promptedKey),
                                 true);
    if (!liveCallAnswers)
        m_bed->host.reference = 999; // no tree there
    QCOMPARE(m_bridge->automationStatus(), expected);
}

void tst_FirefoxBridge::notRunningTouchesNothing()
{
    m_bed->workspace.running.clear();
    showPage(page);
    QCOMPARE(fetched(), QString());
    QCOMPARE(ready(m_bridge->goBack()), false);
    QCOMPARE(ready(m_bridge->closeTab()), false);
    QVERIFY(m_bed->workspace.activateRequests.isEmpty());
    QCOMPARE(m_scheduler->pendingCount(), 0);
    QCOMPARE(m_bed->browserLookups(), 0);
}

void tst_FirefoxBridge::fetchWithoutTrustIsDenied()
{
    m_bed->host.trusted = false;
    showPage(page);
    const halvex::URLReadResult result = ready(m_bridge->fetchURL());
    QVERIFY(!result);
    QCOMPARE(result.error(), halvex::ProbeError::accessibilityDenied());
    QCOMPARE(m_bed->browserLookups(), 0);
}

void tst_FirefoxBridge::fetchParsesWhatTheTreeShows_data()
{
    QTest::addColumn<QString>("shown"); // empty: no window
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("blocked"); // by the rule "example.com/page"
    QTest::newRow("page address") << page << true << true;
    QTest::newRow("local file") << "file:///tmp/page.html" << true << false;
    // Characters browsers leave unescaped must not hide the page.
    // ("|" too, which the test tree cannot carry: the script bridges test it.)
    QTest::newRow("query with \" { } ^ `")
        << "https://www.example.com/page?q=b\"c{d}^e`f" << true << true;
    QTest::newRow("stray % in the query") << "https://example.com/page?off=100%" << true << true;
    QTest::newRow("stray % in the path") << "https://example.com/page/100%/x" << true << true;
    QTest::newRow("text that is no URL") << "http://exa mple.com/%zz" << false << false;
    QTest::newRow("no scheme") << "example.com/page" << false << false;
    QTest::newRow("nothing shown") << "" << false << false;
}

void tst_FirefoxBridge::fetchParsesWhatTheTreeShows()
{
    QFETCH(QString, shown);
    QFETCH(bool, read);
    if (!shown.isEmpty())
        showPage(shown);
    const halvex::URLReadResult result = ready(m_bridge->fetchURL());
    QVERIFY(result);
    QCOMPARE(result.value().has_value(), read);
    const QUrl url = result.value().value_or(QUrl());
    QTEST(halvex::matchesDomains(url, {QStringLiteral("example.com/page")}), "blocked");
}

void tst_FirefoxBridge::readsAreCachedForOneSecond_data()
{
    QTest::addColumn<bool>("pageShown");
    QTest::addColumn<qint64>("msLater");
    QTest::addColumn<bool>("cached");
    QTest::newRow("half a second later") << true << qint64(500) << true;
    QTest::newRow("just under a second") << true << qint64(999) << true;
    QTest::newRow("a second later") << true << qint64(1000) << false;
    QTest::newRow("one and a half seconds later") << true << qint64(1500) << false;
    QTest::newRow("finding nothing is cached too") << false << qint64(500) << true;
    QTest::newRow("clock set back") << true << qint64(-30000) << false;
}

void tst_FirefoxBridge::readsAreCachedForOneSecond()
{
    QFETCH(bool, pageShown);
    QFETCH(qint64, msLater);
    QFETCH(bool, cached);
    if (pageShown)
        showPage(page);
    const QString first = fetched();
    showPage(next);
    m_now = start.addMSecs(msLater);
    QCOMPARE(fetched(), cached ? first : next);
    QCOMPARE(m_bed->browserLookups(), cached ? 1 : 2);
}

void tst_FirefoxBridge::keystrokeWaitsForTheActivation_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("atOnce");      // the window manager acts on the request at once
    QTest::addColumn<double>("announced"); // seconds later; negative: never
    QTest::addColumn<int>("keyCode");      // 0: nothing may be sent
    QTest::newRow("goBack: Command+[, in front at once")
        << goingBack << true << -1.0 << int(platform::keycode::leftBracket);
    QTest::newRow("closeTab: Command+W, once announced")
        << closingTab << false << 0.5 << int(platform::keycode::w);
    QTest::newRow("goBack: in front unannounced, at the time-out")
        << goingBack << false << -1.0 << int(platform::keycode::leftBracket);
    // The keys would go to whatever window has the focus.
    QTest::newRow("goBack: never in front, nothing sent") << goingBack << false << -1.0 << 0;
}

void tst_FirefoxBridge::keystrokeWaitsForTheActivation()
{
    QFETCH(Action, action);
    QFETCH(bool, atOnce);
    QFETCH(double, announced);
    QFETCH(int, keyCode);
    showTwoTabs();
    QCOMPARE(fetched(), page);
    m_bed->workspace.activatesAtOnce = atOnce;
    const platform::RunningApplication browser{Testbed::firefox, Testbed::browserPid};
    QFuture<bool> done = act(action);
    QCOMPARE(m_bed->workspace.activateRequests, QList<platform::RunningApplication>{browser});
    const double sentAt = atOnce           ? 0
                          : announced >= 0 ? announced
                                           : FirefoxBridge::activationTimeout;
    if (sentAt > 0) {
        // Another application coming to the front is no news.
        m_bed->workspace.announceActivation({QStringLiteral("org.example.Other"), 7});
        m_scheduler->advance(sentAt - 0.01);
        QVERIFY(m_keys->sent.isEmpty());
        if (announced >= 0)
            m_bed->workspace.bringToFront(browser);
        else if (keyCode != 0)
            m_bed->workspace.setFrontmostSilently(browser);
        m_scheduler->advance(0.01);
    }
    if (keyCode == 0) {
        QVERIFY(m_keys->sent.isEmpty());
        m_scheduler->advance(FirefoxBridge::pollInterval);
        QVERIFY(!ready(done));
        return;
    }
    QCOMPARE(m_keys->sent, (QList<Sent>{{quint16(keyCode), Testbed::browserPid}}));
    browserActs(action);
    m_scheduler->advance(FirefoxBridge::pollInterval);
    QVERIFY(ready(done));
    // Sent is enough: no button press besides.
    QVERIFY(presses().isEmpty());
    // The cache is gone: the next read, well within a second, reads afresh.
    showPage(next);
    m_now = start.addMSecs(300);
    QCOMPARE(fetched(), next);
}

void tst_FirefoxBridge::stepBackAnswersOnceThePageMovedOn_data()
{
    QTest::addColumn<bool>("greyedOut");      // the back button: nothing to go back to
    QTest::addColumn<bool>("loading");        // the tab shows a page with no address yet
    QTest::addColumn<double>("movesOnAfter"); // seconds; negative: never
    QTest::addColumn<bool>("closeFollows");   // a tab close afterwards sends its keystroke
    QTest::newRow("the page before shows") << false << false << 0.3 << true;
    QTest::newRow("no address while the page before loads, then it shows")
        << false << true << 0.5 << true;
    QTest::newRow("the page stays: not done, and no tab closes behind it")
        << false << false << -1.0 << false;
    QTest::newRow("no address until the time-out: not done, and no tab closes behind it")
        << false << true << -1.0 << false;
    QTest::newRow("nothing to go back to: nothing sent, and the tab may close")
        << true << false << -1.0 << true;
}

void tst_FirefoxBridge::stepBackAnswersOnceThePageMovedOn()
{
    QFETCH(bool, greyedOut);
    QFETCH(bool, loading);
    QFETCH(double, movesOnAfter);
    QFETCH(bool, closeFollows);
    showTwoTabs();
    if (greyedOut)
        m_bed->host.setAttribute({QStringLiteral("fake"), QStringLiteral("/back")},
                                 QString::fromLatin1(platform::ax::enabled), false);
    QFuture<bool> done = m_bridge->goBack();
    const bool moved = !greyedOut && movesOnAfter >= 0;
    if (greyedOut) {
        QCOMPARE(ready(done), false);
        QVERIFY(m_keys->sent.isEmpty());
    } else {
        if (loading)
            showLoading();
        const double answeredAt = movesOnAfter >= 0 ? movesOnAfter : FirefoxBridge::stepTimeout;
        m_scheduler->advance(answeredAt - FirefoxBridge::pollInterval);
        QVERIFY(!done.isFinished());
        if (movesOnAfter >= 0)
            browserActs(goingBack);
        // Meanwhile a read finds no page: neither what passes nor the page
        // being left is a visit.
        m_now = start.addSecs(10);
        QCOMPARE(fetched(), QString());
        m_scheduler->advance(FirefoxBridge::pollInterval);
        QCOMPARE(ready(done), moved);
    }
    // Right after a step that landed, a look sees where, though the tree
    // were taken down again meanwhile.
    if (moved)
        showLoading();
    QCOMPARE(fetched(), moved ? next : loading ? QString() : page);
    // A step that did not show may land yet: a close behind it would take
    // the page it went back to.
    if (moved)
        browserActs(goingBack);
    m_keys->sent.clear();
    QFuture<bool> closed = m_bridge->closeTab();
    const QList<Sent> closing{{platform::keycode::w, Testbed::browserPid}};
    QCOMPARE(m_keys->sent, closeFollows ? closing : QList<Sent>());
    if (!closeFollows)
        QCOMPARE(ready(closed), false);
}

void tst_FirefoxBridge::refusedKeystroke_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<bool>("buttonShown");
    QTest::addColumn<bool>("expected");
    QTest::newRow("back: the button is pressed") << goingBack << true << true << true;
    QTest::newRow("back: no button") << goingBack << true << false << false;
    QTest::newRow("back without trust: both refuse") << goingBack << false << true << false;
    QTest::newRow("close has no fallback") << closingTab << true << true << false;
}

void tst_FirefoxBridge::refusedKeystroke()
{
    QFETCH(Action, action);
    QFETCH(bool, trusted);
    QFETCH(bool, buttonShown);
    QFETCH(bool, expected);
    m_keys->accepts = false;
    m_bed->host.trusted = trusted;
    if (buttonShown)
        showTwoTabs();
    QFuture<bool> done = act(action);
    if (!presses().isEmpty())
        browserActs(action);
    m_scheduler->advance(FirefoxBridge::stepTimeout);
    QCOMPARE(ready(done), expected);
    QCOMPARE(m_keys->sent.size(), 1);
    QCOMPARE(presses(),
             expected ? QStringList{QStringLiteral("perform /back AXPress")} : QStringList());
}

void tst_FirefoxBridge::closingTheLastTabKeepsTheWindow_data()
{
    QTest::addColumn<QStringList>("tabs");    // empty: no strip is found
    QTest::addColumn<QString>("browserDoes"); // after the keystroke: "closes", "opens", nothing
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("pressed");
    QTest::addColumn<bool>("expected");
    const int w = platform::keycode::w;
    const int t = platform::keycode::t;
    const QStringList two{"other", "blocked"};
    QTest::newRow("one of several tabs: Command+W")
        << two << "closes" << QList<int>{w} << QStringList() << true;
    QTest::newRow("one of several tabs, still there: not done")
        << two << "" << QList<int>{w} << QStringList() << false;
    QTest::newRow("no strip to count: nothing closes")
        << QStringList() << "" << QList<int>() << QStringList() << false;
    QTest::newRow("the last tab: a new tab, then the old one closes out of sight")
        << QStringList{"blocked"} << "opens" << QList<int>{t}
        << QStringList{"perform /close-blocked AXPress"} << true;
    QTest::newRow("the last tab, and no new tab comes: nothing closes")
        << QStringList{"blocked"} << "" << QList<int>{t} << QStringList() << false;
}

void tst_FirefoxBridge::closingTheLastTabKeepsTheWindow()
{
    QFETCH(QStringList, tabs);
    QFETCH(QString, browserDoes);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, pressed);
    QFETCH(bool, expected);
    if (tabs.isEmpty())
        showPage(page);
    else
        showTabs(tabs, page);
    QFuture<bool> done = m_bridge->closeTab();
    if (browserDoes == "closes") {
        showTabs({QStringLiteral("other")}, next);
    } else if (browserDoes == "opens") {
        QVERIFY(presses().isEmpty());
        showTabs({QStringLiteral("blocked"), QStringLiteral("new")}, next);
        m_scheduler->advance(FirefoxBridge::pollInterval);
        QCOMPARE(presses(), pressed);
        QVERIFY(!done.isFinished());
        showTabs({QStringLiteral("new")}, next);
    }
    m_scheduler->advance(FirefoxBridge::stepTimeout);
    QCOMPARE(ready(done), expected);
    QList<int> sent;
    for (const Sent &key : std::as_const(m_keys->sent))
        sent << key.keyCode;
    QCOMPARE(sent, keys);
    QCOMPARE(presses(), pressed);
}

void tst_FirefoxBridge::bridgeGoneBeforeTheActivation()
{
    m_bed->workspace.activatesAtOnce = false;
    QFuture<bool> done = m_bridge->goBack();
    m_bridge.reset();
    m_bed->workspace.bringToFront({Testbed::firefox, Testbed::browserPid});
    m_scheduler->advance(FirefoxBridge::activationTimeout);
    QCOMPARE(ready(done), false);
    QVERIFY(m_keys->sent.isEmpty());
}

void tst_FirefoxBridge::requestAccessAsksForTrust_data()
{
    QTest::addColumn<bool>("switchTurnsOn");
    QTest::addColumn<AutomationStatus>("expected");
    QTest::newRow("turned on") << true << AutomationStatus::granted;
    QTest::newRow("left off") << false << AutomationStatus::notDetermined;
}

void tst_FirefoxBridge::requestAccessAsksForTrust()
{
    QFETCH(bool, switchTurnsOn);
    QFETCH(AutomationStatus, expected);
    m_bed->host.trusted = false;
    m_bed->host.trustedAfterRequest = switchTurnsOn;
    QCOMPARE(ready(m_bridge->requestAccess()), expected);
    QCOMPARE(m_bed->host.trustRequests, 1);
    QCOMPARE(
        m_bed->defaults.boolValue(QString::fromLatin1(fennimar::AccessibilityProbe::promptedKey)),
        std::optional<bool>(true));
}

QTEST_GUILESS_MAIN(tst_FirefoxBridge)
#include "tst_FirefoxBridge.moc"
