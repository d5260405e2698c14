#include <algorithm>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "FakeKeystrokeSending.h"
#include "LivePages.h"
#include "LogCapture.h"
#include "WaitForValue.h"
#include "browsers/AXTabStrip.h"
#include "browsers/AXURLReader.h"
#include "browsers/ChromiumAccessibilityBridge.h"
#include "browsers/LinuxProbeTable.h"
#include "engine/AppFrontmostDetector.h"
#include "engine/StreakEngine.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"
#include "kit/AccessibilityProbe.h"
#include "model/DayClock.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "platform/ApplicationIdentity.h"
#include "platform/AtspiAccessibilityHost.h"
#include "platform/TimerScheduler.h"
#include "platform/X11Connection.h"
#include "platform/X11KeystrokeSender.h"
#include "platform/X11Workspace.h"
#include "ui/TranslationLoader.h"

using halvex::ChromiumAccessibilityBridge;
using halvex::URLReadResult;
using platform::AccessibleElement;
namespace ax = platform::ax;

namespace {

constexpr int chromiumTimeoutMs = 60000;
const QString chrome = QStringLiteral("com.google.Chrome");
// The class of this process's windows, which is also their identity here.
const char *ownClass = "HalvexChromiumProbe";
// The window class of a Chromium started before accessibility was switched on.
const char *earlyClass = "HalvexEarlyChromium";

template <class T> std::optional<T> waitForResult(QFuture<T> future)
{
    if (!QTest::qWaitFor([&] { return future.isFinished(); }, 10000))
        return std::nullopt;
    return future.result();
}

double ms(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace

// Chromium on a private desktop with the accessibility bus, switched on
// before the browser starts, as the bridge needs it.
class tst_ChromiumBridgeLive : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsTheAddressOfTheShownPage();
    void browserStartedBeforeAccessibilityNeedsARestart();
    void siteStreakFiresForThePage();
    void backButtonStepsBackBeforeAnyKeystroke();
    void stepsBackToTheFirstPageAndNoFurther();
    void closingTheLastTabKeepsTheBrowser();

private:
    bool startChromium(QProcess &process, const QString &profile,
                       const QStringList &extraArguments);
    QString fetched(ChromiumAccessibilityBridge &bridge);
    bool followLink()
    {
        return testing::followLink(*m_host, chromiumPid(), QStringLiteral("next"));
    }
    qint32 chromiumPid() const { return qint32(m_chromium.processId()); }
    platform::RunningApplication ownApp() const
    {
        return {QString::fromLatin1(ownClass), qint32(QCoreApplication::applicationPid())};
    }

    testing::DesktopHarness m_desktop;
    QTemporaryDir m_dir;
    // Each page links to the next; the links are followed as a user would, so
    // the browser keeps every step in its history.
    testing::LivePages m_server{{
        {"/first", {"first", {{"next", "/second"}}}},
        {"/second", {"second", {{"next", "/third"}}}},
        {"/third", {"third"}},
    }};
    halvex::TranslationLoader m_translations;
    QString m_chromiumPath;
    QProcess m_chromium;
    QProcess m_earlyChromium;
    QWidget m_own;
    // Moved on by every read, so that no read is answered from the cache.
    QDateTime m_clock = QDateTime::currentDateTimeUtc();
    std::unique_ptr<platform::DesktopEntryIndex> m_entries;
    std::unique_ptr<platform::ApplicationIdentity> m_identity;
    std::unique_ptr<platform::X11Workspace> m_workspace;
    std::unique_ptr<platform::X11Connection> m_connection;
    std::unique_ptr<platform::AtspiAccessibilityHost> m_host;
    std::unique_ptr<platform::UserDefaults> m_defaults;
    std::unique_ptr<fennimar::AccessibilityProbe> m_probe;
    std::unique_ptr<halvex::AXURLReader> m_reader;
    std::unique_ptr<platform::X11KeystrokeSender> m_keystrokes;
    testing::FakeKeystrokeSending m_refusingKeystrokes;
    halvex::AccessibilityBridgeServices m_services;
    std::unique_ptr<ChromiumAccessibilityBridge> m_bridge;
    std::unique_ptr<ChromiumAccessibilityBridge> m_bridgeWithoutKeystrokes;
};

void tst_ChromiumBridgeLive::initTestCase()
{
    m_chromiumPath = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!m_chromiumPath.isEmpty(), "chromium is missing: scripts/setup --test installs it");
    // The window manager until it manages windows: ours must come up on a working desktop.
    for (const QString &why : {m_desktop.startAccessibilityBus(), m_desktop.startWindowManager()})
        QVERIFY2(why.isEmpty(), qPrintable(why));
    QVERIFY(m_server.listen());
    QVERIFY(m_translations.load(QStringLiteral("en")));

    m_entries = std::make_unique<platform::DesktopEntryIndex>();
    m_identity = std::make_unique<platform::ApplicationIdentity>(*m_entries);
    m_workspace = std::make_unique<platform::X11Workspace>(*m_identity);
    m_connection = std::make_unique<platform::X11Connection>();
    m_host = std::make_unique<platform::AtspiAccessibilityHost>();
    m_defaults =
        std::make_unique<platform::UserDefaults>(m_dir.filePath(QStringLiteral("defaults.ini")));
    m_probe = std::make_unique<fennimar::AccessibilityProbe>(
        *m_host, *m_workspace, *m_defaults, qint32(QCoreApplication::applicationPid()));
    m_reader = std::make_unique<halvex::AXURLReader>(*m_host, *m_probe, *m_workspace);
    m_keystrokes = std::make_unique<platform::X11KeystrokeSender>(
        [this] { return m_probe->isTrusted(); }, *m_connection);
    m_refusingKeystrokes.accepts = false;

    m_services.workspace = m_workspace.get();
    m_services.keystrokes = m_keystrokes.get();
    m_services.accessibility = m_host.get();
    m_services.trust = m_probe.get();
    m_services.reader = m_reader.get();
    m_services.scheduler = &platform::TimerScheduler::live();
    m_services.clock = [this] { return m_clock; };
    m_bridge = std::make_unique<ChromiumAccessibilityBridge>(
        chrome, QStringLiteral("Google Chrome"), m_services);
    halvex::AccessibilityBridgeServices refusing = m_services;
    refusing.keystrokes = &m_refusingKeystrokes;
    m_bridgeWithoutKeystrokes = std::make_unique<ChromiumAccessibilityBridge>(
        chrome, QStringLiteral("Google Chrome"), refusing);

    m_own.setWindowTitle(QStringLiteral("watcher"));
    m_own.resize(240, 120);
    m_own.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_own));

    // Chromium joins the bus only if the desktop's switch is on when it
    // starts: one started before stays off it, under a window class of its own.
    QCOMPARE(m_bridge->automationStatus(), fennimar::AutomationStatus::notDetermined);
    QVERIFY(startChromium(m_earlyChromium, QStringLiteral("early-profile"),
                          {QStringLiteral("--class=") + QString::fromLatin1(earlyClass)}));
    QTRY_VERIFY_WITH_TIMEOUT(
        m_workspace->runningApplications(QString::fromLatin1(earlyClass)).size() == 1,
        chromiumTimeoutMs);
    QCOMPARE(waitForResult(m_bridge->requestAccess()),
             std::optional(fennimar::AutomationStatus::granted));

    QVERIFY(startChromium(m_chromium, QStringLiteral("profile"), {}));
}

bool tst_ChromiumBridgeLive::startChromium(QProcess &process, const QString &profile,
                                           const QStringList &extraArguments)
{
    process.setProcessEnvironment(m_desktop.environment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(m_dir.filePath(profile + QStringLiteral(".log")));
    // As root under a virtual display, and quiet: no sandbox, no GPU, no
    // first-run pages, no keyring and nothing that reaches for the network.
    process.start(
        m_chromiumPath,
        QStringList{QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                    QStringLiteral("--ozone-platform=x11"), QStringLiteral("--no-first-run"),
                    QStringLiteral("--no-default-browser-check"),
                    QStringLiteral("--disable-background-networking"),
                    QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                    QStringLiteral("--password-store=basic"),
                    QStringLiteral("--user-data-dir=") + m_dir.filePath(profile)} +
            extraArguments + QStringList{m_server.url("/first")});
    return process.waitForStarted(10000);
}

void tst_ChromiumBridgeLive::cleanupTestCase()
{
    m_bridge.reset();
    m_bridgeWithoutKeystrokes.reset();
    for (QProcess *process : {&m_chromium, &m_earlyChromium}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(10000)) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
}

QString tst_ChromiumBridgeLive::fetched(ChromiumAccessibilityBridge &bridge)
{
    m_clock = m_clock.addSecs(1);
    const std::optional<URLReadResult> result = waitForResult(bridge.fetchURL());
    if (!result || !*result || !result->value())
        return {};
    return result->value()->toString();
}

void tst_ChromiumBridgeLive::readsTheAddressOfTheShownPage()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_workspace->runningApplications(chrome).size() == 1,
                             chromiumTimeoutMs);
    QCOMPARE(m_workspace->runningApplications(chrome).first().processIdentifier, chromiumPid());
    // The first reads find an empty window and ask it for its tree.
    COMPARE_LIVE_READ(fetched(*m_bridge), m_server.url("/first"), chromiumTimeoutMs);
    QVERIFY(followLink());
    COMPARE_LIVE_READ(fetched(*m_bridge), m_server.url("/second"), 10000);
    QVERIFY(followLink());
    COMPARE_LIVE_READ(fetched(*m_bridge), m_server.url("/third"), 10000);
    QVERIFY(!m_bridge->needsRestart());

    // What one poll costs once the page is there (reported, not asserted).
    constexpr int reads = 25;
    std::vector<double> samples;
    for (int i = 0; i < reads; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QString url = fetched(*m_bridge);
        samples.push_back(ms(timer.nsecsElapsed()));
        QCOMPARE(url, m_server.url("/third"));
    }
    std::sort(samples.begin(), samples.end());
    qInfo("URL read of a Chromium window over %d polls: min %.2f ms, median %.2f ms, max %.2f ms",
          reads, samples.front(), samples[reads / 2], samples.back());
}

void tst_ChromiumBridgeLive::browserStartedBeforeAccessibilityNeedsARestart()
{
    ChromiumAccessibilityBridge early(QString::fromLatin1(earlyClass), QStringLiteral("Early"),
                                      m_services);
    testing::LogCapture log;
    QCOMPARE(fetched(early), QString());
    QVERIFY(!early.needsRestart());
    m_clock = m_clock.addSecs(qint64(ChromiumAccessibilityBridge::joinGraceSeconds));
    // Asked for its tree on every read, it still never joins.
    QCOMPARE(fetched(early), QString());
    QVERIFY(early.needsRestart());
    QCOMPARE(early.unreadableReason(),
             std::optional(QStringLiteral("Early was opened before accessibility was switched on, "
                                          "so Halvex cannot read its pages. Quit Early and open it "
                                          "again.")));
    QCOMPARE(log.messages(QStringLiteral("com.fennimar.halvex.permissions")).size(), 1);
}

void tst_ChromiumBridgeLive::siteStreakFiresForThePage()
{
    halvex::PersistenceController persistence(true);
    halvex::DayClock dayClock([] { return QDateTime::currentDateTimeUtc(); },
                              QTimeZone::systemTimeZone());
    halvex::StreakEngine engine(persistence, dayClock);
    halvex::UsageSessionRecorder recorder(persistence,
                                          [] { return QDateTime::currentDateTimeUtc(); });
    halvex::AppFrontmostDetector detector(*m_workspace);
    halvex::TriggerWatcher watcher(halvex::TriggerWatcher::Services{
        detector,
        *m_workspace,
        halvex::makeLinuxProbeTable(m_services, *m_entries),
        engine,
        persistence,
        recorder,
        [](const QString &) { return fennimar::AutomationStatus::notDetermined; },
        [] { return QDateTime::currentDateTimeUtc(); },
        QTimeZone::systemTimeZone(),
        platform::TimerScheduler::live(),
        QString::fromLatin1(ownClass),
    });
    auto streak = std::make_shared<halvex::Streak>(
        QUuid::createUuid(), QStringLiteral("No local pages"), halvex::StreakType::site,
        halvex::StrictnessMode::firm, QStringList{QStringLiteral("127.0.0.1")}, QStringList{},
        QStringList{}, QDateTime::currentDateTimeUtc().addDays(-3));
    persistence.mainContext().insert(streak);
    QVERIFY(persistence.mainContext().save().hasValue());
    engine.reload();
    std::vector<std::shared_ptr<halvex::TriggerEvent>> events;
    connect(&engine, &halvex::StreakEngine::triggerSubject, this,
            [&](const std::shared_ptr<halvex::TriggerEvent> &event) {
                if (event->outcomeRaw().isEmpty())
                    events.push_back(event);
            });

    // From our own window, which nothing blocks, over to the browser.
    QVERIFY(m_workspace->activate(ownApp()));
    QTRY_COMPARE_WITH_TIMEOUT(m_workspace->frontmostApplication(), std::optional(ownApp()), 10000);
    watcher.start();
    const auto browser = m_workspace->runningApplications(chrome).first();
    QVERIFY(m_workspace->activate(browser));
    QTRY_COMPARE_WITH_TIMEOUT(int(events.size()), 1, 20000);
    QCOMPARE(events.front()->streakId(), streak->id());
    QCOMPARE(events.front()->matchedDomain(), std::optional(QStringLiteral("127.0.0.1")));
    QCOMPARE(events.front()->matchedBundleId(), std::optional(chrome));
    QVERIFY(watcher.isBrowserPollingActive());
    watcher.stop();
}

void tst_ChromiumBridgeLive::backButtonStepsBackBeforeAnyKeystroke()
{
    // Pressed over the accessibility bus, the toolbar's button needs no focus.
    QCOMPARE(waitForResult(m_bridgeWithoutKeystrokes->goBack()), std::optional(true));
    QVERIFY(m_refusingKeystrokes.sent.isEmpty());
    QCOMPARE(fetched(*m_bridge), m_server.url("/second"));
}

void tst_ChromiumBridgeLive::stepsBackToTheFirstPageAndNoFurther()
{
    QCOMPARE(waitForResult(m_bridge->goBack()), std::optional(true));
    QCOMPARE(fetched(*m_bridge), m_server.url("/first"));
    // Its back button greyed out, the first page has nothing behind it.
    const auto greyedOut = [this] {
        const auto button = halvex::findBackButton(*m_host, *m_probe, chromiumPid(),
                                                   halvex::BackButtonLook::chromium());
        const auto enabled =
            button ? m_host->copyAttributeValue(*button, QString::fromLatin1(ax::enabled))
                   : platform::unexpected(platform::AccessibilityError::noValue);
        return enabled && !std::get<bool>(enabled.value());
    };
    QTRY_VERIFY_WITH_TIMEOUT(greyedOut(), 10000);
    QCOMPARE(waitForResult(m_bridge->goBack()), std::optional(false));
    QCOMPARE(fetched(*m_bridge), m_server.url("/first"));
}

void tst_ChromiumBridgeLive::closingTheLastTabKeepsTheBrowser()
{
    QCOMPARE(halvex::windowTabs(*m_host, *m_probe, chromiumPid())
                 .value_or(QList<AccessibleElement>())
                 .size(),
             1);
    QCOMPARE(waitForResult(m_bridge->closeTab()), std::optional(true));
    // A new tab in its place, and the browser runs on.
    QCOMPARE(halvex::windowTabs(*m_host, *m_probe, chromiumPid())
                 .value_or(QList<AccessibleElement>())
                 .size(),
             1);
    QTRY_VERIFY_WITH_TIMEOUT(!fetched(*m_bridge).isEmpty(), 10000);
    QVERIFY(fetched(*m_bridge) != m_server.url("/first"));
    QCOMPARE(m_chromium.state(), QProcess::Running);
    QCOMPARE(m_workspace->runningApplications(chrome).size(), 1);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_ChromiumBridgeLive>(argc, argv,
                                                                {QString::fromLatin1(ownClass)});
}

#include "tst_ChromiumBridgeLive.moc"
