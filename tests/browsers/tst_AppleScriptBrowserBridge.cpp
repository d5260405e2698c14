#include <QTemporaryDir>
#include <QTest>

#include "FakeApplicationLaunching.h"
#include "FakeAutomationChecking.h"
#include "FakeDeadlineScheduler.h"
#include "FakeRunningApplications.h"
#include "FakeScriptHost.h"
#include "LogCapture.h"
#include "browsers/ArcBridge.h"
#include "browsers/BrowserLauncher.h"
#include "browsers/ChromiumBridge.h"
#include "browsers/SafariBridge.h"
#include "kit/UserDefaultsAutomationGrantMemory.h"

using namespace halvex;
using fennimar::AutomationStatus;
using std::chrono::milliseconds;

namespace {

// The script texts, exactly as the browsers are sent them.
const QString safariURL = QStringLiteral(R"(tell application "Safari"
    if (count of windows) is 0 then return ""
    return URL of current tab of front window
end tell)");
const QString safariClose = QStringLiteral(R"(tell application "Safari"
    if (count of windows) is 0 then return
    close current tab of front window
end tell)");

const QString chromeURL = QStringLiteral(R"(tell application "Google Chrome"
    if (count of windows) is 0 then return ""
    return URL of active tab of front window
end tell)");
const QString chromeBack = QStringLiteral(R"(tell application "Google Chrome"
    if (count of windows) is 0 then return
    tell front window to go back active tab
end tell)");
const QString chromeClose = QStringLiteral(R"(tell application "Google Chrome"
    if (count of windows) is 0 then return
    close active tab of front window
end tell)");

const QString operaURL = QStringLiteral(R"(tell application "Opera"
    if (count of windows) is 0 then return ""
    return URL of active tab of front window
end tell)");
const QString operaBack = QStringLiteral(R"(tell application "Opera"
    if (count of windows) is 0 then return
    tell front window to go back active tab
end tell)");
const QString operaClose = QStringLiteral(R"(tell application "Opera"
    if (count of windows) is 0 then return
    close active tab of front window
end tell)");

const QString braveURL = QStringLiteral(R"(tell application "Brave Browser"
    if (count of windows) is 0 then return ""
    return URL of active tab of front window
end tell)");
const QString braveBack = QStringLiteral(R"(tell application "Brave Browser"
    if (count of windows) is 0 then return
    tell front window to go back active tab
end tell)");
const QString braveClose = QStringLiteral(R"(tell application "Brave Browser"
    if (count of windows) is 0 then return
    close active tab of front window
end tell)");

const QString edgeURL = QStringLiteral(R"(tell application "Microsoft Edge"
    if (count of windows) is 0 then return ""
    return URL of active tab of front window
end tell)");
const QString edgeBack = QStringLiteral(R"(tell application "Microsoft Edge"
    if (count of windows) is 0 then return
    tell front window to go back active tab
end tell)");
const QString edgeClose = QStringLiteral(R"(tell application "Microsoft Edge"
    if (count of windows) is 0 then return
    close active tab of front window
end tell)");

const QString vivaldiURL = QStringLiteral(R"(tell application "Vivaldi"
    if (count of windows) is 0 then return ""
    return URL of active tab of front window
end tell)");
const QString vivaldiBack = QStringLiteral(R"(tell application "Vivaldi"
    if (count of windows) is 0 then return
    tell front window to go back active tab
end tell)");
const QString vivaldiClose = QStringLiteral(R"(tell application "Vivaldi"
    if (count of windows) is 0 then return
    close active tab of front window
end tell)");

const QString arcURL = QStringLiteral(R"(tell application "Arc"
    if (count of windows) is 0 then return ""
    return URL of active tab of front window
end tell)");
const QString arcClose = QStringLiteral(R"(tell application "Arc"
    if (count of windows) is 0 then return
    close active tab of front window
end tell)");

const QString chrome = QStringLiteral("com.google.Chrome");
const QString grantsKey = QStringLiteral("fennimar.automationGrants");
const QString permissionsLog = QStringLiteral("com.fennimar.halvex.permissions");

template <class T> bool finishes(const QFuture<T> &f)
{
    return QTest::qWaitFor([&] { return f.isFinished(); }, 5000);
}

QString describe(const URLReadResult &r)
{
    if (!r)
        return r.error().description();
    return r.value() ? r.value()->toString() : QStringLiteral("<no url>");
}

} // namespace

class tst_AppleScriptBrowserBridge : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void scriptTexts_data();
    void scriptTexts();
    void grantGatesEveryOperation_data();
    void grantGatesEveryOperation();
    void readResults_data();
    void readResults();
    void safariAndArcCannotStepBack_data();
    void safariAndArcCannotStepBack();
    void requestAccessForABrowserNotInstalled();
    void requestAccessAsksInFrontAfterLaunching();
    void requestAccessWithoutGrantRunsNoScript();
    void requestAccessWaitsForTheFirstRead_data();
    void requestAccessWaitsForTheFirstRead();

private:
    std::unique_ptr<AppleScriptBrowserBridge> makeBridge(const QString &key);
    void runBrowser(const QString &bundleIdentifier) { m_apps->add(bundleIdentifier, 4000); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::UserDefaults> m_defaults;
    std::unique_ptr<fennimar::UserDefaultsAutomationGrantMemory> m_grants;
    std::shared_ptr<testing::FakeScriptHost> m_host;
    std::shared_ptr<testing::FakeDeadlineScheduler> m_deadlines;
    std::unique_ptr<testing::FakeRunningApplications> m_apps;
    std::unique_ptr<testing::FakeApplicationLaunching> m_launching;
    std::unique_ptr<testing::FakeDeadlineScheduler> m_pauses;
    std::unique_ptr<testing::FakeAutomationChecking> m_checking;
    std::unique_ptr<fennimar::AutomationProbe> m_probe;
    std::unique_ptr<BrowserLauncher> m_launcher;
    std::chrono::steady_clock::time_point m_now;
    QStringList m_events;
    const QDateTime m_time =
        QDateTime::fromString(QStringLiteral("2026-03-04T05:06:07Z"), Qt::ISODate);
};

void tst_AppleScriptBrowserBridge::init()
{
    // Before their folder goes: the last write would make the folder again.
    m_grants.reset();
    m_defaults.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults = std::make_unique<platform::UserDefaults>(m_dir->filePath(QStringLiteral("d.ini")));
    m_grants =
        std::make_unique<fennimar::UserDefaultsAutomationGrantMemory>(*m_defaults, grantsKey);
    m_host = std::make_shared<testing::FakeScriptHost>();
    m_deadlines = std::make_shared<testing::FakeDeadlineScheduler>();
    m_apps = std::make_unique<testing::FakeRunningApplications>();
    m_launching = std::make_unique<testing::FakeApplicationLaunching>();
    m_pauses = std::make_unique<testing::FakeDeadlineScheduler>();
    m_checking = std::make_unique<testing::FakeAutomationChecking>();
    m_checking->onQuery = [this](const testing::FakeAutomationChecking::Query &q) {
        m_events << (q.askUserIfNeeded ? QStringLiteral("ask") : QStringLiteral("check"));
    };
    m_probe = std::make_unique<fennimar::AutomationProbe>(*m_apps, *m_checking);
    m_now = std::chrono::steady_clock::time_point(std::chrono::hours(2));
    m_launcher = std::make_unique<BrowserLauncher>(*m_apps, *m_launching, *m_pauses,
                                                   [this] { return m_now; });
    m_events.clear();
}

void tst_AppleScriptBrowserBridge::cleanup()
{
    m_host->setHolding(false);
    for (int i = 0; i < 4; ++i)
        m_host->release();
    QThreadPool::globalInstance()->waitForDone();
}

std::unique_ptr<AppleScriptBrowserBridge>
tst_AppleScriptBrowserBridge::makeBridge(const QString &key)
{
    BrowserBridgeServices services;
    services.launcher = m_launcher.get();
    services.automation = m_probe.get();
    services.grants = m_grants.get();
    services.activateApplication = [this] { m_events << QStringLiteral("activate"); };
    services.clock = [this] { return m_time; };
    auto runner = std::make_unique<AppleScriptRunner>(m_host, m_deadlines);
    if (key == u"safari")
        return std::make_unique<SafariBridge>(std::move(runner), services);
    if (key == u"chrome")
        return std::make_unique<ChromeBridge>(std::move(runner), services);
    if (key == u"opera")
        return std::make_unique<OperaBridge>(std::move(runner), services);
    if (key == u"brave")
        return std::make_unique<BraveBridge>(std::move(runner), services);
    if (key == u"edge")
        return std::make_unique<EdgeBridge>(std::move(runner), services);
    if (key == u"vivaldi")
        return std::make_unique<VivaldiBridge>(std::move(runner), services);
    if (key == u"arc")
        return std::make_unique<ArcBridge>(std::move(runner), services);
    return nullptr;
}

void tst_AppleScriptBrowserBridge::scriptTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("bundleIdentifier");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("urlScript");
    QTest::addColumn<QString>("backScript"); // empty: cannot step back
    QTest::addColumn<QString>("closeScript");
    QTest::newRow("safari") << "safari"
                            << "com.apple.Safari"
                            << "Safari" << safariURL << "" << safariClose;
    QTest::newRow("chrome") << "chrome"
                            << "com.google.Chrome"
                            << "Google Chrome" << chromeURL << chromeBack << chromeClose;
    QTest::newRow("opera") << "opera"
                           << "com.operasoftware.Opera"
                           << "Opera" << operaURL << operaBack << operaClose;
    QTest::newRow("brave") << "brave"
                           << "com.brave.Browser"
                           << "Brave" << braveURL << braveBack << braveClose;
    QTest::newRow("edge") << "edge"
                          << "com.microsoft.edgemac"
                          << "Microsoft Edge" << edgeURL << edgeBack << edgeClose;
    QTest::newRow("vivaldi") << "vivaldi"
                             << "com.vivaldi.Vivaldi"
                             << "Vivaldi" << vivaldiURL << vivaldiBack << vivaldiClose;
    QTest::newRow("arc") << "arc"
                         << "company.thebrowser.Browser"
                         << "Arc" << arcURL << "" << arcClose;
}

void tst_AppleScriptBrowserBridge::scriptTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, bundleIdentifier);
    QFETCH(QString, name);
    QFETCH(QString, urlScript);
    QFETCH(QString, backScript);
    QFETCH(QString, closeScript);
    auto bridge = makeBridge(key);
    QCOMPARE(bridge->bundleIdentifier(), bundleIdentifier);
    QCOMPARE(bridge->name(), name);
    QCOMPARE(bridge->accessKind(), BrowserAccessKind::appleEvents);
    QCOMPARE(bridge->goBackScriptSource(), backScript);

    runBrowser(bundleIdentifier);
    m_checking->code = 0;
    QVERIFY(finishes(bridge->fetchURL()));
    auto back = bridge->goBack();
    QVERIFY(finishes(back));
    QCOMPARE(back.result(), !backScript.isEmpty());
    auto close = bridge->closeTab();
    QVERIFY(finishes(close));
    QCOMPARE(close.result(), true);

    QStringList expected{urlScript};
    if (!backScript.isEmpty())
        expected << backScript;
    expected << closeScript;
    const QStringList sent = m_host->executedSources();
    QCOMPARE(sent.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(sent[i], expected[i]);
}

void tst_AppleScriptBrowserBridge::grantGatesEveryOperation_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("remembered"); // what the grant memory holds beforehand
    QTest::addColumn<int>("systemCode");     // the system's answer for a running browser
    QTest::addColumn<bool>("scriptSent");
    QTest::addColumn<QString>("result");

    for (const char *op : {"fetchURL", "goBack", "closeTab"}) {
        const bool fetch = qstrcmp(op, "fetchURL") == 0;
        const QString done =
            fetch ? QStringLiteral("https://example.com/page") : QStringLiteral("true");
        const QString refused =
            fetch ? QStringLiteral("automationDenied") : QStringLiteral("false");
        const QString idle = fetch ? QStringLiteral("<no url>") : QStringLiteral("false");
        QTest::addRow("%s: not running", op) << op << false << "" << 0 << false << idle;
        QTest::addRow("%s: not running, remembered grant", op)
            << op << false << "granted" << 0 << false << idle;
        QTest::addRow("%s: refused", op) << op << true << "" << -1743 << false << refused;
        QTest::addRow("%s: never asked", op) << op << true << "" << -1744 << false << refused;
        QTest::addRow("%s: unexpected answer, nothing remembered", op)
            << op << true << "" << -600 << false << refused;
        QTest::addRow("%s: unexpected answer, remembered grant", op)
            << op << true << "granted" << -600 << true << done;
        QTest::addRow("%s: granted", op) << op << true << "" << 0 << true << done;
    }
}

void tst_AppleScriptBrowserBridge::grantGatesEveryOperation()
{
    QFETCH(QString, operation);
    QFETCH(bool, running);
    QFETCH(QString, remembered);
    QFETCH(int, systemCode);
    QFETCH(bool, scriptSent);
    QFETCH(QString, result);

    if (!remembered.isEmpty())
        m_defaults->setValue(grantsKey, QVariantMap{{chrome, remembered}});
    if (running)
        runBrowser(chrome);
    m_checking->code = systemCode;
    m_host->answer(chromeURL, QStringLiteral("https://example.com/page"));
    auto bridge = makeBridge(QStringLiteral("chrome"));

    QString actual;
    if (operation == u"fetchURL") {
        auto f = bridge->fetchURL();
        QVERIFY(finishes(f));
        actual = describe(f.result());
    } else {
        auto f = operation == u"goBack" ? bridge->goBack() : bridge->closeTab();
        QVERIFY(finishes(f));
        actual = f.result() ? QStringLiteral("true") : QStringLiteral("false");
    }
    QCOMPARE(actual, result);
    QCOMPARE(m_host->executedSources().size(), scriptSent ? 1 : 0);
    // Only requestAccess() may have the user asked.
    for (const auto &q : m_checking->queries) {
        QCOMPARE(q.askUserIfNeeded, false);
        QCOMPARE(q.eventClass, 0x2A2A2A2Au);
        QCOMPARE(q.eventID, 0x2A2A2A2Au);
    }
}

void tst_AppleScriptBrowserBridge::readResults_data()
{
    QTest::addColumn<QVariant>("answer"); // text, an error dictionary, or nothing
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("publishedURL");
    QTest::addColumn<QString>("publishedError");
    QTest::newRow("a page") << QVariant("https://news.example.org/a?b=c")
                            << "https://news.example.org/a?b=c"
                            << "https://news.example.org/a?b=c"
                            << "";
    QTest::newRow("a query left unescaped")
        << QVariant("https://news.example.org/a?b=|{}") << "https://news.example.org/a?b=%7C%7B%7D"
        << "https://news.example.org/a?b=%7C%7B%7D"
        << "";
    QTest::newRow("no window") << QVariant("") << "<no url>"
                               << ""
                               << "";
    QTest::newRow("no text at all") << QVariant() << "<no url>"
                                    << ""
                                    << "";
    QTest::newRow("text that is no URL") << QVariant("not a url") << "<no url>"
                                         << ""
                                         << "";
    QTest::newRow("script error") << QVariant(QVariantMap{
                                         {"NSAppleScriptErrorNumber", -1728},
                                         {"NSAppleScriptErrorMessage", "Can't get window"}})
                                  << "scriptFailure(Can't get window)"
                                  << ""
                                  << "scriptFailure(Can't get window)";
    QTest::newRow("refused while running")
        << QVariant(QVariantMap{{"NSAppleScriptErrorNumber", -1743}}) << "automationDenied"
        << ""
        << "automationDenied";
}

void tst_AppleScriptBrowserBridge::readResults()
{
    QFETCH(QVariant, answer);
    QFETCH(QString, result);
    QFETCH(QString, publishedURL);
    QFETCH(QString, publishedError);
    if (answer.typeId() == QMetaType::QVariantMap)
        m_host->fail(chromeURL, answer.toMap());
    else if (answer.isValid())
        m_host->answer(chromeURL, answer.toString());
    else
        m_host->answerNothing(chromeURL);
    runBrowser(chrome);
    auto bridge = makeBridge(QStringLiteral("chrome"));
    QList<ProbeResult> published;
    QStringList order;
    connect(bridge.get(), &AppleScriptBrowserBridge::resultPublished, this,
            [&](const ProbeResult &r) {
                published << r;
                order << QStringLiteral("published");
            });

    auto f = bridge->fetchURL();
    f.then([&](const URLReadResult &) { order << QStringLiteral("returned"); });
    QVERIFY(finishes(f));
    QCOMPARE(describe(f.result()), result);
    QTRY_COMPARE(order, (QStringList{"published", "returned"}));
    QCOMPARE(published.size(), 1);
    QCOMPARE(published[0].bundleIdentifier, chrome);
    QCOMPARE(published[0].name, QStringLiteral("Google Chrome"));
    QCOMPARE(published[0].timestamp, m_time);
    QCOMPARE(published[0].url ? published[0].url->toString() : QString(), publishedURL);
    QCOMPARE(published[0].error ? published[0].error->description() : QString(), publishedError);
}

void tst_AppleScriptBrowserBridge::safariAndArcCannotStepBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("bundleIdentifier");
    QTest::newRow("safari") << "safari"
                            << "com.apple.Safari";
    QTest::newRow("arc") << "arc"
                         << "company.thebrowser.Browser";
}

void tst_AppleScriptBrowserBridge::safariAndArcCannotStepBack()
{
    QFETCH(QString, key);
    QFETCH(QString, bundleIdentifier);
    runBrowser(bundleIdentifier);
    m_checking->code = 0;
    auto bridge = makeBridge(key);
    QVERIFY(bridge->hasAutomationGrant());
    m_checking->queries.clear();

    auto f = bridge->goBack();
    QVERIFY(f.isFinished());
    QCOMPARE(f.result(), false);
    QVERIFY(m_checking->queries.isEmpty());
    QVERIFY(m_host->executedSources().isEmpty());
}

void tst_AppleScriptBrowserBridge::requestAccessForABrowserNotInstalled()
{
    testing::LogCapture log;
    auto bridge = makeBridge(QStringLiteral("chrome"));
    auto f = bridge->requestAccess();
    QVERIFY(finishes(f));
    QCOMPARE(f.result(), AutomationStatus::notDetermined);
    QCOMPARE(log.messages(permissionsLog),
             QStringList{QStringLiteral(
                 "requestAccess: com.google.Chrome not launchable -> notDetermined")});
    QVERIFY(m_events.isEmpty());
    QVERIFY(m_host->executedSources().isEmpty());
}

void tst_AppleScriptBrowserBridge::requestAccessAsksInFrontAfterLaunching()
{
    m_launching->locations.insert(chrome, QStringLiteral("/apps/chrome.desktop"));
    m_checking->code = 0;
    auto bridge = makeBridge(QStringLiteral("chrome"));
    auto f = bridge->requestAccess();
    QVERIFY(!f.isFinished());
    QCOMPARE(m_launching->opened.size(), 1);
    QVERIFY(m_events.isEmpty());

    // The browser shows up on the third poll.
    for (int i = 0; i < 3; ++i) {
        if (i == 2)
            runBrowser(chrome);
        m_now += milliseconds(100);
        QVERIFY(m_pauses->fireNext());
    }
    QTRY_COMPARE(m_events, (QStringList{"activate", "ask"}));
    QVERIFY(finishes(f));
    QCOMPARE(f.result(), AutomationStatus::granted);
    QCOMPARE(m_grants->recall(chrome), AutomationStatus::granted);
}

void tst_AppleScriptBrowserBridge::requestAccessWithoutGrantRunsNoScript()
{
    testing::LogCapture log;
    runBrowser(chrome);
    m_checking->code = -1743;
    auto bridge = makeBridge(QStringLiteral("chrome"));
    auto f = bridge->requestAccess();
    QVERIFY(finishes(f));
    QCOMPARE(f.result(), AutomationStatus::denied);
    QCOMPARE(m_events, (QStringList{"activate", "ask"}));
    QCOMPARE(log.messages(permissionsLog),
             QStringList{QStringLiteral("requestAccess: com.google.Chrome -> denied")});
    QVERIFY(m_host->executedSources().isEmpty());
    QVERIFY(m_launching->opened.isEmpty());
}

void tst_AppleScriptBrowserBridge::requestAccessWaitsForTheFirstRead_data()
{
    QTest::addColumn<QString>("ending"); // how the first read ends
    QTest::newRow("read succeeds") << "succeeds";
    QTest::newRow("read fails") << "fails";
    QTest::newRow("read times out") << "times out";
}

void tst_AppleScriptBrowserBridge::requestAccessWaitsForTheFirstRead()
{
    QFETCH(QString, ending);
    testing::LogCapture log;
    runBrowser(chrome);
    m_checking->code = 0;
    if (ending == u"fails")
        m_host->fail(chromeURL,
                     {{QStringLiteral("NSAppleScriptErrorMessage"), QStringLiteral("busy")}});
    m_host->setHolding(true);
    auto bridge = makeBridge(QStringLiteral("chrome"));
    auto f = bridge->requestAccess();

    QTRY_COMPARE(m_host->heldCount(), 1);
    QCOMPARE(m_host->executedSources(), QStringList{chromeURL});
    QCOMPARE(m_deadlines->delays(), QList<milliseconds>{milliseconds(120000)});
    QVERIFY(!f.isFinished());
    QCOMPARE(log.messages(permissionsLog),
             QStringList{QStringLiteral("requestAccess: com.google.Chrome -> granted")});

    if (ending == u"times out")
        QVERIFY(m_deadlines->fireNext());
    else
        m_host->release();
    QVERIFY(finishes(f));
    QCOMPARE(f.result(), AutomationStatus::granted);
}

QTEST_GUILESS_MAIN(tst_AppleScriptBrowserBridge)
#include "tst_AppleScriptBrowserBridge.moc"
