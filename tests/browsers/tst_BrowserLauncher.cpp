#include <cmath>
#include <limits>

#include <QTest>

#include "FakeApplicationLaunching.h"
#include "FakeDeadlineScheduler.h"
#include "FakeRunningApplications.h"
#include "LogCapture.h"
#include "browsers/BrowserLauncher.h"

using halvex::BrowserLauncher;
using std::chrono::milliseconds;

namespace {
const QString chrome = QStringLiteral("com.google.Chrome");
const QString chromeLocation = QStringLiteral("/usr/share/applications/com.google.Chrome.desktop");
} // namespace

class tst_BrowserLauncher : public QObject {
    Q_OBJECT
private slots:
    void init();
    void runningBrowserIsNotOpened();
    void uninstalledBrowserFailsAtOnceWithoutALog();
    void failedOpenIsLogged();
    void opensHiddenWithoutActivation();
    void pollsUntilTheBrowserAppears_data();
    void pollsUntilTheBrowserAppears();
    void noTimeoutMeansOneCheckAfterOpening_data();
    void noTimeoutMeansOneCheckAfterOpening();
    void pollIntervalIsInjectable();

private:
    // Lets pauses pass, moving the clock with them, until the wait ends or
    // appearAfter pauses have passed (then the browser shows up).
    int runPauses(QFuture<bool> &result, int appearAfter = -1);

    testing::FakeRunningApplications m_apps;
    testing::FakeApplicationLaunching m_launching;
    std::unique_ptr<testing::FakeDeadlineScheduler> m_pausesOwner;
    testing::FakeDeadlineScheduler *m_pauses = nullptr;
    std::chrono::steady_clock::time_point m_now;
    std::unique_ptr<BrowserLauncher> m_launcher;
};

void tst_BrowserLauncher::init()
{
    m_apps.setApplications({});
    m_launching = testing::FakeApplicationLaunching();
    m_launching.locations.insert(chrome, chromeLocation);
    m_launcher.reset();
    m_pausesOwner = std::make_unique<testing::FakeDeadlineScheduler>();
    m_pauses = m_pausesOwner.get();
    m_now = std::chrono::steady_clock::time_point(std::chrono::hours(1));
    m_launcher =
        std::make_unique<BrowserLauncher>(m_apps, m_launching, *m_pauses, [this] { return m_now; });
}

int tst_BrowserLauncher::runPauses(QFuture<bool> &result, int appearAfter)
{
    int passed = 0;
    while (!result.isFinished() && m_pauses->pendingCount() > 0 && passed < 1000) {
        m_now += milliseconds(100);
        ++passed;
        if (passed == appearAfter)
            m_apps.add(chrome, 500);
        m_pauses->fireNext();
    }
    return passed;
}

void tst_BrowserLauncher::runningBrowserIsNotOpened()
{
    m_apps.add(chrome, 12);
    auto f = m_launcher->ensureRunning(chrome, 3.0);
    QVERIFY(f.isFinished());
    QCOMPARE(f.result(), true);
    QVERIFY(m_launching.opened.isEmpty());
    QCOMPARE(m_pauses->pendingCount(), 0);
}

void tst_BrowserLauncher::uninstalledBrowserFailsAtOnceWithoutALog()
{
    testing::LogCapture log;
    auto f = m_launcher->ensureRunning(QStringLiteral("com.vivaldi.Vivaldi"), 3.0);
    QVERIFY(f.isFinished());
    QCOMPARE(f.result(), false);
    QVERIFY(m_launching.opened.isEmpty());
    QVERIFY(log.messages(QStringLiteral("com.fennimar.halvex.permissions")).isEmpty());
}

void tst_BrowserLauncher::failedOpenIsLogged()
{
    testing::LogCapture log;
    m_launching.openFailure = QStringLiteral("No program named google-chrome");
    auto f = m_launcher->ensureRunning(chrome, 3.0);
    QVERIFY(f.isFinished());
    QCOMPARE(f.result(), false);
    QCOMPARE(m_pauses->pendingCount(), 0);
    QCOMPARE(
        log.messages(QStringLiteral("com.fennimar.halvex.permissions")),
        QStringList{QStringLiteral("BrowserLauncher openApplication failed for com.google.Chrome: "
                                   "No program named google-chrome")});
}

void tst_BrowserLauncher::opensHiddenWithoutActivation()
{
    m_launching.onOpen = [this](const QString &) { m_apps.add(chrome, 7); };
    auto f = m_launcher->ensureRunning(chrome, 3.0);
    QCOMPARE(f.result(), true);
    QCOMPARE(m_launching.opened.size(), 1);
    QCOMPARE(m_launching.opened[0].first, chromeLocation);
    QCOMPARE(m_launching.opened[0].second.activates, false);
    QCOMPARE(m_launching.opened[0].second.addsToRecentItems, false);
    QCOMPARE(m_launching.opened[0].second.hides, true);
}

void tst_BrowserLauncher::pollsUntilTheBrowserAppears_data()
{
    QTest::addColumn<int>("appearAfter"); // pauses; -1: never
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("pauses");
    QTest::newRow("some hundreds of milliseconds later") << 4 << true << 4;
    QTest::newRow("just before the deadline") << 29 << true << 29;
    // The 30th pause reaches the deadline; the last check still counts.
    QTest::newRow("at the deadline") << 30 << true << 30;
    QTest::newRow("never") << -1 << false << 30;
}

void tst_BrowserLauncher::pollsUntilTheBrowserAppears()
{
    QFETCH(int, appearAfter);
    QFETCH(bool, expected);
    QFETCH(int, pauses);
    auto f = m_launcher->ensureRunning(chrome, 3.0);
    QVERIFY(!f.isFinished());
    QCOMPARE(runPauses(f, appearAfter), pauses);
    QVERIFY(f.isFinished());
    QCOMPARE(f.result(), expected);
    QCOMPARE(m_pauses->pendingCount(), 0);
    QCOMPARE(m_pauses->delays(), QList<milliseconds>(pauses, milliseconds(100)));
}

void tst_BrowserLauncher::noTimeoutMeansOneCheckAfterOpening_data()
{
    QTest::addColumn<double>("timeout");
    QTest::addColumn<bool>("startsDuringOpen");
    QTest::newRow("zero, started") << 0.0 << true;
    QTest::newRow("zero, not yet") << 0.0 << false;
    QTest::newRow("negative") << -2.0 << false;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << true;
}

void tst_BrowserLauncher::noTimeoutMeansOneCheckAfterOpening()
{
    QFETCH(double, timeout);
    QFETCH(bool, startsDuringOpen);
    if (startsDuringOpen)
        m_launching.onOpen = [this](const QString &) { m_apps.add(chrome, 7); };
    auto f = m_launcher->ensureRunning(chrome, timeout);
    QVERIFY(f.isFinished());
    QCOMPARE(f.result(), startsDuringOpen);
    QCOMPARE(m_launching.opened.size(), 1);
    QCOMPARE(m_pauses->pendingCount(), 0);
}

void tst_BrowserLauncher::pollIntervalIsInjectable()
{
    BrowserLauncher launcher(
        m_apps, m_launching, *m_pauses, [this] { return m_now; }, milliseconds(250));
    auto f = launcher.ensureRunning(chrome, 1.0);
    while (!f.isFinished() && m_pauses->pendingCount() > 0) {
        m_now += milliseconds(250);
        m_pauses->fireNext();
    }
    QCOMPARE(f.result(), false);
    QCOMPARE(m_pauses->delays(), QList<milliseconds>(4, milliseconds(250)));
}

QTEST_GUILESS_MAIN(tst_BrowserLauncher)
#include "tst_BrowserLauncher.moc"
