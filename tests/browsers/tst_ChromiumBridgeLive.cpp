#include <algorithm>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include "FakeKeystrokeSending.h"
#include "LiveBrowserDesk.h"
#include "LogCapture.h"
#include "WaitForValue.h"
#include "browsers/AXBackButton.h"
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
#include "platform/AtspiAccessibilityHost.h"
#include "platform/TimerScheduler.h"
#include "platform/X11Workspace.h"
#include "ui/TranslationLoader.h"

using halvex::ChromiumAccessibilityBridge;
using halvex::URLReadResult;
using Desk = testing::LiveBrowserDesk;
namespace ax = platform::ax;

namespace {

constexpr int chromiumTimeoutMs = Desk::startTimeoutMs;
const QString chrome = Desk::identifier(Desk::Browser::chromium);
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
    QString fetched(ChromiumAccessibilityBridge &bridge);
    bool followLink() { return m_desk.followLink(chromiumPid(), QStringLiteral("next")); }
    qint32 chromiumPid() const { return qint32(m_chromium->processId()); }
    int tabCount() const { return m_desk.tabCount(chromiumPid()); }
    platform::X11Workspace &workspace() const { return m_desk.workspace(); }

    // Each page links to the next; the links are followed as a user would, so
    // the browser keeps every step in its history.
    Desk m_desk{{
        {"/first", {"first", {{"next", "/second"}}}},
        {"/second", {"second", {{"next", "/third"}}}},
        {"/third", {"third"}},
    }};
    halvex::TranslationLoader m_translations;
    QProcess *m_chromium = nullptr;
    // Moved on by every read, so that no read is answered from the cache.
    QDateTime m_clock = QDateTime::currentDateTimeUtc();
    testing::FakeKeystrokeSending m_refusingKeystrokes;
    halvex::AccessibilityBridgeServices m_services;
    std::unique_ptr<ChromiumAccessibilityBridge> m_bridge;
    std::unique_ptr<ChromiumAccessibilityBridge> m_bridgeWithoutKeystrokes;
};

void tst_ChromiumBridgeLive::initTestCase()
{
    const QString why = m_desk.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QVERIFY(m_translations.load(QStringLiteral("en")));

    m_services = m_desk.bridgeServices();
    m_services.clock = [this] { return m_clock; };
    m_bridge = std::make_unique<ChromiumAccessibilityBridge>(
        chrome, QStringLiteral("Google Chrome"), m_services);
    m_refusingKeystrokes.accepts = false;
    halvex::AccessibilityBridgeServices refusing = m_services;
    refusing.keystrokes = &m_refusingKeystrokes;
    m_bridgeWithoutKeystrokes = std::make_unique<ChromiumAccessibilityBridge>(
        chrome, QStringLiteral("Google Chrome"), refusing);
    QVERIFY(m_desk.showOwnWindow());

    // Chromium joins the bus only if the desktop's switch is on when it
    // starts: one started before stays off it, under a window class of its own.
    QCOMPARE(m_bridge->automationStatus(), fennimar::AutomationStatus::notDetermined);
    const QString first = m_desk.pageUrl("/first");
    QVERIFY(m_desk.startChromium({first},
                                 {QStringLiteral("--class=") + QString::fromLatin1(earlyClass)}));
    QTRY_VERIFY_WITH_TIMEOUT(
        workspace().runningApplications(QString::fromLatin1(earlyClass)).size() == 1,
        chromiumTimeoutMs);
    QCOMPARE(waitForResult(m_bridge->requestAccess()),
             std::optional(fennimar::AutomationStatus::granted));

    m_chromium = m_desk.startChromium({first});
    QVERIFY(m_chromium);
}

void tst_ChromiumBridgeLive::cleanupTestCase()
{
    // The browsers end with the desk.
    m_bridge.reset();
    m_bridgeWithoutKeystrokes.reset();
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
    QTRY_VERIFY_WITH_TIMEOUT(workspace().runningApplications(chrome).size() == 1,
                             chromiumTimeoutMs);
    QCOMPARE(workspace().runningApplications(chrome).first().processIdentifier, chromiumPid());
    // The first reads find an empty window and ask it for its tree.
    COMPARE_LIVE_READ(fetched(*m_bridge), m_desk.pageUrl("/first"), chromiumTimeoutMs);
    QVERIFY(followLink());
    COMPARE_LIVE_READ(fetched(*m_bridge), m_desk.pageUrl("/second"), 10000);
    QVERIFY(followLink());
    COMPARE_LIVE_READ(fetched(*m_bridge), m_desk.pageUrl("/third"), 10000);
    QVERIFY(!m_bridge->needsRestart());

    // What one poll costs once the page is there (reported, not asserted).
    constexpr int reads = 25;
    std::vector<double> samples;
    for (int i = 0; i < reads; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QString url = fetched(*m_bridge);
        samples.push_back(ms(timer.nsecsElapsed()));
        QCOMPARE(url, m_desk.pageUrl("/third"));
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
    halvex::AppFrontmostDetector detector(workspace());
    halvex::TriggerWatcher watcher(halvex::TriggerWatcher::Services{
        detector,
        workspace(),
        halvex::makeLinuxProbeTable(m_services, m_desk.entries()),
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
    QVERIFY(workspace().activate(m_desk.ownApp()));
    QTRY_COMPARE_WITH_TIMEOUT(workspace().frontmostApplication(), std::optional(m_desk.ownApp()),
                              10000);
    watcher.start();
    const auto browser = workspace().runningApplications(chrome).first();
    QVERIFY(workspace().activate(browser));
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
    QCOMPARE(fetched(*m_bridge), m_desk.pageUrl("/second"));
}

void tst_ChromiumBridgeLive::stepsBackToTheFirstPageAndNoFurther()
{
    QCOMPARE(waitForResult(m_bridge->goBack()), std::optional(true));
    QCOMPARE(fetched(*m_bridge), m_desk.pageUrl("/first"));
    // Its back button greyed out, the first page has nothing behind it.
    const auto greyedOut = [this] {
        const auto button = halvex::findBackButton(m_desk.host(), m_desk.trust(), chromiumPid(),
                                                   halvex::BackButtonLook::chromium());
        const auto enabled =
            button ? m_desk.host().copyAttributeValue(*button, QString::fromLatin1(ax::enabled))
                   : platform::unexpected(platform::AccessibilityError::noValue);
        return enabled && !std::get<bool>(enabled.value());
    };
    QTRY_VERIFY_WITH_TIMEOUT(greyedOut(), 10000);
    QCOMPARE(waitForResult(m_bridge->goBack()), std::optional(false));
    QCOMPARE(fetched(*m_bridge), m_desk.pageUrl("/first"));
}

void tst_ChromiumBridgeLive::closingTheLastTabKeepsTheBrowser()
{
    QCOMPARE(tabCount(), 1);
    QCOMPARE(waitForResult(m_bridge->closeTab()), std::optional(true));
    // A new tab in its place, and the browser runs on.
    QCOMPARE(tabCount(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!fetched(*m_bridge).isEmpty(), 10000);
    QVERIFY(fetched(*m_bridge) != m_desk.pageUrl("/first"));
    QCOMPARE(m_chromium->state(), QProcess::Running);
    QCOMPARE(workspace().runningApplications(chrome).size(), 1);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_ChromiumBridgeLive>(argc, argv,
                                                                {QString::fromLatin1(ownClass)});
}

#include "tst_ChromiumBridgeLive.moc"
