#include <QTest>

#include "AccessibilityTestbed.h"
#include "FakeKeystrokeSending.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "browsers/AXURLReader.h"
#include "browsers/ChromiumAccessibilityBridge.h"
#include "ui/TranslationLoader.h"

using halvex::ChromiumAccessibilityBridge;
using Testbed = testing::AccessibilityTestbed;

namespace {
const QDateTime start(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
const QString chrome = QStringLiteral("com.google.Chrome");
// A process with windows but no tree on the accessibility bus.
constexpr qint32 offBusPid = 77;
const QString permissionsLog = QStringLiteral("com.fennimar.halvex.permissions");

template <class T> T ready(const QFuture<T> &future)
{
    if (!future.isFinished())
        qFatal("answer not ready");
    return future.result();
}
} // namespace

// The behaviour every accessibility bridge shares (cache, activation, tabs,
// fallback) is proven on Firefox's; here is what the Chromium family does its
// own way.
class tst_ChromiumAccessibilityBridge : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_translations.load(QStringLiteral("en"))); }
    void init();
    void pressesItsBackButtonBeforeAnyKeystroke_data();
    void pressesItsBackButtonBeforeAnyKeystroke();
    void browserOffTheBusNeedsARestart_data();
    void browserOffTheBusNeedsARestart();
    void joiningTheBusClearsTheRestart();
    void aLookTellsABrowserOpenedBeforeAccessibility_data();
    void aLookTellsABrowserOpenedBeforeAccessibility();

private:
    QString fetchedAt(double seconds)
    {
        m_now = start.addMSecs(qint64(seconds * 1000));
        const halvex::URLReadResult result = ready(m_bridge->fetchURL());
        if (!result)
            qFatal("fetch failed");
        return result.value() ? result.value()->toString() : QString();
    }
    void runAs(qint32 pid) { m_bed->workspace.running = {{chrome, pid}}; }

    halvex::TranslationLoader m_translations;
    std::unique_ptr<Testbed> m_bed;
    std::unique_ptr<testing::FakeKeystrokeSending> m_keys;
    std::unique_ptr<testing::ManualScheduler> m_scheduler;
    std::unique_ptr<halvex::AXURLReader> m_reader;
    std::unique_ptr<ChromiumAccessibilityBridge> m_bridge;
    QDateTime m_now;
    // When each process started; unknown for any other.
    QHash<qint32, QDateTime> m_started;
};

void tst_ChromiumAccessibilityBridge::init()
{
    m_bridge.reset();
    m_bed = std::make_unique<Testbed>();
    runAs(Testbed::browserPid);
    m_keys = std::make_unique<testing::FakeKeystrokeSending>();
    m_scheduler = std::make_unique<testing::ManualScheduler>();
    m_reader = std::make_unique<halvex::AXURLReader>(m_bed->host, m_bed->probe, m_bed->workspace);
    m_now = start;
    m_started.clear();
    halvex::AccessibilityBridgeServices services{
        &m_bed->workspace,       m_keys.get(),   &m_bed->host,
        &m_bed->probe,           m_reader.get(), m_scheduler.get(),
        [this] { return m_now; }};
    services.processStartTime = [this](qint32 pid) -> std::optional<QDateTime> {
        const auto started = m_started.constFind(pid);
        return started == m_started.cend() ? std::nullopt : std::optional(*started);
    };
    m_bridge = std::make_unique<ChromiumAccessibilityBridge>(
        chrome, QStringLiteral("Google Chrome"), services);
}

void tst_ChromiumAccessibilityBridge::pressesItsBackButtonBeforeAnyKeystroke_data()
{
    QTest::addColumn<QString>("toolbar");
    QTest::addColumn<bool>("greyedOut");
    QTest::addColumn<QString>("pressed"); // empty: none
    QTest::addColumn<int>("keys");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<bool>("tabs"); // a tab strip in sight
    QTest::newRow("known by its view, whatever the language")
        << "AXButton|id=view_1001|title=Zurück|name=back" << false << "/back" << 0 << true << true;
    QTest::newRow("known by its label")
        << "AXButton|title=Back|name=back" << false << "/back" << 0 << true << true;
    QTest::newRow("greyed out: no page behind, nothing sent")
        << "AXButton|id=view_1001|name=back" << true << "" << 0 << false << true;
    QTest::newRow("no such button: the keystroke")
        << "AXButton|title=Forward|name=forward" << false << "" << 1 << true << true;
    // A popup, or a page in full screen: left another way.
    QTest::newRow("no such button and no tabs: nothing sent")
        << "AXButton|title=Forward|name=forward" << false << "" << 0 << false << false;
}

void tst_ChromiumAccessibilityBridge::pressesItsBackButtonBeforeAnyKeystroke()
{
    QFETCH(QString, toolbar);
    QFETCH(bool, greyedOut);
    QFETCH(QString, pressed);
    QFETCH(int, keys);
    QFETCH(bool, expected);
    QFETCH(bool, tabs);
    const auto showPage = [&](const QString &url) {
        QStringList lines{"AXWindow", "  AXToolbar", "    " + toolbar};
        if (tabs)
            lines << "  AXTabGroup|name=strip"
                  << "    AXRadioButton|name=tab";
        m_bed->showWindow(lines << "  AXWebArea|urlText=" + url);
        if (tabs)
            m_bed->host.setAttribute({QStringLiteral("fake"), QStringLiteral("/strip")},
                                     QString::fromLatin1(platform::ax::tabs),
                                     QList{platform::AccessibleElement{"fake", "/tab"}});
    };
    showPage(QStringLiteral("https://example.com/blocked"));
    if (greyedOut)
        m_bed->host.setAttribute({QStringLiteral("fake"), QStringLiteral("/back")},
                                 QString::fromLatin1(platform::ax::enabled), false);
    QFuture<bool> done = m_bridge->goBack();
    // The browser goes back on whatever reached it.
    if (!m_keys->sent.isEmpty() || !m_bed->host.calls.filter(QStringLiteral("perform ")).isEmpty())
        showPage(QStringLiteral("https://example.com/before"));
    m_scheduler->advance(ChromiumAccessibilityBridge::stepTimeout);
    QCOMPARE(ready(done), expected);
    QCOMPARE(m_keys->sent.size(), keys);
    QCOMPARE(m_bed->host.calls.filter(QStringLiteral("perform ")),
             pressed.isEmpty() ? QStringList() : QStringList{"perform " + pressed + " AXPress"});
}

void tst_ChromiumAccessibilityBridge::browserOffTheBusNeedsARestart_data()
{
    QTest::addColumn<bool>("onBus");
    QTest::addColumn<QList<double>>("readsAt"); // seconds; none finds a page
    QTest::addColumn<bool>("newProcessForLast");
    QTest::addColumn<bool>("needsRestart");
    QTest::newRow("off the bus, within the grace")
        << false << QList<double>{0, 9.9} << false << false;
    QTest::newRow("off the bus past the grace") << false << QList<double>{0, 10} << false << true;
    QTest::newRow("said once however long")
        << false << QList<double>{0, 10, 20, 30} << false << true;
    QTest::newRow("a new process waits afresh") << false << QList<double>{0, 10} << true << false;
    QTest::newRow("on the bus, showing no page")
        << true << QList<double>{0, 10, 20} << false << false;
}

void tst_ChromiumAccessibilityBridge::browserOffTheBusNeedsARestart()
{
    QFETCH(bool, onBus);
    QFETCH(QList<double>, readsAt);
    QFETCH(bool, newProcessForLast);
    QFETCH(bool, needsRestart);
    m_bed->showWindow({"AXWindow", "  AXGroup"});
    testing::LogCapture log;
    for (qsizetype i = 0; i < readsAt.size(); ++i) {
        runAs(onBus ? Testbed::browserPid
                    : offBusPid + (newProcessForLast && i == readsAt.size() - 1 ? 1 : 0));
        QCOMPARE(fetchedAt(readsAt[i]), QString());
    }
    QCOMPARE(m_bridge->needsRestart(), needsRestart);
    QCOMPARE(log.messages(permissionsLog).size(), needsRestart ? 1 : 0);
    QCOMPARE(m_bridge->unreadableReason(),
             needsRestart ? std::optional(QStringLiteral(
                                "Google Chrome was opened before accessibility was switched on, so "
                                "Halvex cannot read its pages. Quit Google Chrome and open it "
                                "again."))
                          : std::nullopt);
}

void tst_ChromiumAccessibilityBridge::joiningTheBusClearsTheRestart()
{
    runAs(offBusPid);
    fetchedAt(0);
    fetchedAt(10);
    QVERIFY(m_bridge->needsRestart());
    // Restarted with accessibility on, the same identity joins.
    const auto application = m_bed->host.addApplication(offBusPid, QStringLiteral("joined"));
    m_bed->host.setFocusedWindow(
        application, m_bed->host.addTree({"AXWindow", "  AXWebArea|urlText=https://b.example/"}));
    QCOMPARE(fetchedAt(11), QStringLiteral("https://b.example/"));
    QVERIFY(!m_bridge->needsRestart());
    QCOMPARE(m_bridge->unreadableReason(), std::nullopt);
}

void tst_ChromiumAccessibilityBridge::aLookTellsABrowserOpenedBeforeAccessibility_data()
{
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("onBus");
    QTest::addColumn<bool>("busAnswers");      // a lookup that times out tells nothing
    QTest::addColumn<double>("startedBefore"); // seconds before the first look; < 0: unknown
    QTest::addColumn<QList<double>>("looksAt");
    QTest::addColumn<bool>("unreadable");
    QTest::newRow("opened an hour before: told at the first look")
        << true << true << false << true << 3600.0 << QList<double>{0} << true;
    QTest::newRow("just launched, within the grace")
        << true << true << false << true << 2.0 << QList<double>{0, 7.9} << false;
    QTest::newRow("just launched, never joining")
        << true << true << false << true << 2.0 << QList<double>{0, 8} << true;
    QTest::newRow("start unknown: counted from the first look")
        << true << true << false << true << -1.0 << QList<double>{0, 9.9} << false;
    QTest::newRow("start unknown, missing past the grace")
        << true << true << false << true << -1.0 << QList<double>{0, 10} << true;
    QTest::newRow("on the bus") << true << true << true << true << 3600.0 << QList<double>{0}
                                << false;
    QTest::newRow("opened an hour before, the bus not answering: nothing told")
        << true << true << true << false << 3600.0 << QList<double>{0, 30} << false;
    // Then nothing is on the bus, and the missing trust is what is shown.
    QTest::newRow("accessibility off")
        << false << true << false << true << 3600.0 << QList<double>{0} << false;
    QTest::newRow("not running") << true << false << false << true << 3600.0 << QList<double>{0}
                                 << false;
}

void tst_ChromiumAccessibilityBridge::aLookTellsABrowserOpenedBeforeAccessibility()
{
    QFETCH(bool, trusted);
    QFETCH(bool, running);
    QFETCH(bool, onBus);
    QFETCH(bool, busAnswers);
    QFETCH(double, startedBefore);
    QFETCH(QList<double>, looksAt);
    QFETCH(bool, unreadable);
    m_bed->host.trusted = trusted;
    const qint32 pid = onBus ? Testbed::browserPid : offBusPid;
    if (!busAnswers)
        m_bed->host.lookupFailures.insert(pid, platform::AccessibilityError::cannotComplete);
    m_bed->workspace.running.clear();
    if (running)
        runAs(pid);
    if (startedBefore >= 0)
        m_started.insert(pid, start.addMSecs(-qint64(startedBefore * 1000)));
    testing::LogCapture log;
    bool told = false;
    for (const double at : looksAt) {
        m_now = start.addMSecs(qint64(at * 1000));
        told = m_bridge->checkUnreadable();
    }
    QCOMPARE(told, unreadable);
    QCOMPARE(m_bridge->needsRestart(), unreadable);
    QCOMPARE(m_bridge->unreadableReason().has_value(), unreadable);
    QCOMPARE(log.messages(permissionsLog).size(), unreadable ? 1 : 0);
    if (!unreadable)
        return;
    // Reopened with accessibility on, the new process joins the bus.
    runAs(Testbed::browserPid);
    QVERIFY(!m_bridge->checkUnreadable());
    QCOMPARE(m_bridge->unreadableReason(), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_ChromiumAccessibilityBridge)
#include "tst_ChromiumAccessibilityBridge.moc"
