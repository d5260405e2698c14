#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "DesktopHarness.h"
#include "FakeKeystrokeSending.h"
#include "WaitForValue.h"
#include "browsers/AXTabStrip.h"
#include "browsers/AXURLReader.h"
#include "browsers/FirefoxBridge.h"
#include "kit/AccessibilityProbe.h"
#include "platform/ApplicationIdentity.h"
#include "platform/AtspiAccessibilityHost.h"
#include "platform/TimerScheduler.h"
#include "platform/X11Connection.h"
#include "platform/X11KeystrokeSender.h"
#include "platform/X11Workspace.h"

using halvex::FirefoxBridge;
using halvex::URLReadResult;

namespace {

constexpr int firefoxTimeoutMs = 60000;

// Each page moves on to the next once, as if the user had followed a link.
const char *chainedPage = R"(<!doctype html>
<html><head><title>%1</title></head><body><p>%1</p>
<script>
  window.addEventListener('load', () => setTimeout(() => {
    if (!sessionStorage.getItem('%1')) {
      sessionStorage.setItem('%1', 'left');
      location.href = '%2';
    }
  }, 0));
</script></body></html>
)";

// Quiet first start: no welcome or policy tabs, nothing that needs a network.
const char *preferences = R"(user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.navigation.requireUserInteraction", false);
user_pref("browser.sessionstore.resume_from_crash", false);
user_pref("browser.tabs.warnOnClose", false);
user_pref("app.update.disabledForTesting", true);
)";

template <class T> std::optional<T> waitForResult(QFuture<T> future)
{
    if (!QTest::qWaitFor([&] { return future.isFinished(); }, 10000))
        return std::nullopt;
    return future.result();
}

} // namespace

class tst_FirefoxBridgeLive : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsTheAddressOfTheShownPage();
    void backButtonStepsBackWhenTheKeystrokeIsRefused();
    void keystrokeStepsBack();
    void closingTheLastTabKeepsTheBrowser();

private:
    QString fetched(FirefoxBridge &bridge);
    QString page(const char *name) const
    {
        return QUrl::fromLocalFile(m_dir.filePath(QString::fromLatin1(name))).toString();
    }

    // Outlives the desktop, whose end stops Firefox: a profile folder gone
    // before Firefox is would be written again on its way out.
    QTemporaryDir m_dir;
    testing::DesktopHarness m_desktop;
    QProcess *m_firefox = nullptr;
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
    std::unique_ptr<FirefoxBridge> m_bridge;
    std::unique_ptr<FirefoxBridge> m_bridgeWithoutKeystrokes;
};

void tst_FirefoxBridgeLive::initTestCase()
{
    const QString firefox = QStandardPaths::findExecutable(QStringLiteral("firefox-esr"));
    // A live test that skips proves nothing: scripts/setup --test installs it.
    QVERIFY2(!firefox.isEmpty(), "firefox-esr is not installed: run scripts/setup --test");
    for (const QString &why : {m_desktop.startAccessibilityBus(), m_desktop.startWindowManager()})
        QVERIFY2(why.isEmpty(), qPrintable(why));

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

    halvex::AccessibilityBridgeServices services;
    services.workspace = m_workspace.get();
    services.keystrokes = m_keystrokes.get();
    services.accessibility = m_host.get();
    services.trust = m_probe.get();
    services.reader = m_reader.get();
    services.scheduler = &platform::TimerScheduler::live();
    m_bridge = std::make_unique<FirefoxBridge>(services);
    services.keystrokes = &m_refusingKeystrokes;
    m_bridgeWithoutKeystrokes = std::make_unique<FirefoxBridge>(services);

    // Browsers expose their trees only while the desktop's switch is on.
    QCOMPARE(m_bridge->automationStatus(), fennimar::AutomationStatus::notDetermined);
    QCOMPARE(waitForResult(m_bridge->requestAccess()),
             std::optional(fennimar::AutomationStatus::granted));

    const QList<std::pair<const char *, const char *>> chain = {
        {"first.html", "second.html"}, {"second.html", "third.html"}, {"third.html", ""}};
    for (const auto &[name, next] : chain) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString html = QString::fromLatin1(chainedPage)
                                 .arg(QString::fromLatin1(name), QString::fromLatin1(next));
        QVERIFY(file.write(html.toUtf8()) > 0);
    }
    const QString profile = m_dir.filePath(QStringLiteral("profile"));
    QVERIFY(QDir().mkpath(profile));
    QFile prefs(profile + QStringLiteral("/user.js"));
    QVERIFY(prefs.open(QIODevice::WriteOnly));
    QVERIFY(prefs.write(preferences) > 0);
    prefs.close();

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("MOZ_CRASHREPORTER_DISABLE"), QStringLiteral("1"));
    m_firefox = m_desktop.launch(
        firefox,
        {QStringLiteral("--no-remote"), QStringLiteral("--profile"), profile, page("first.html")},
        environment);
    QVERIFY(m_firefox);
}

void tst_FirefoxBridgeLive::cleanupTestCase()
{
    m_bridge.reset();
    m_bridgeWithoutKeystrokes.reset();
}

QString tst_FirefoxBridgeLive::fetched(FirefoxBridge &bridge)
{
    const std::optional<URLReadResult> result = waitForResult(bridge.fetchURL());
    if (!result || !*result || !result->value())
        return {};
    return result->value()->toString();
}

void tst_FirefoxBridgeLive::readsTheAddressOfTheShownPage()
{
    QTRY_VERIFY_WITH_TIMEOUT(
        m_workspace->runningApplications(m_bridge->bundleIdentifier()).size() == 1,
        firefoxTimeoutMs);
    COMPARE_LIVE_READ(fetched(*m_bridge), page("third.html"), firefoxTimeoutMs);
}

void tst_FirefoxBridgeLive::backButtonStepsBackWhenTheKeystrokeIsRefused()
{
    QCOMPARE(waitForResult(m_bridgeWithoutKeystrokes->goBack()), std::optional(true));
    QCOMPARE(m_refusingKeystrokes.sent.size(), 1);
    COMPARE_LIVE_READ(fetched(*m_bridge), page("second.html"), 10000);
}

void tst_FirefoxBridgeLive::keystrokeStepsBack()
{
    QCOMPARE(waitForResult(m_bridge->goBack()), std::optional(true));
    COMPARE_LIVE_READ(fetched(*m_bridge), page("first.html"), 10000);
}

void tst_FirefoxBridgeLive::closingTheLastTabKeepsTheBrowser()
{
    const qint32 pid = qint32(m_firefox->processId());
    const auto tabs = [&] {
        return halvex::windowTabs(*m_host, *m_probe, pid)
            .value_or(QList<platform::AccessibleElement>())
            .size();
    };
    QCOMPARE(tabs(), 1);
    QCOMPARE(waitForResult(m_bridge->closeTab()), std::optional(true));
    // A new tab in its place, and the browser runs on.
    QCOMPARE(tabs(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!fetched(*m_bridge).isEmpty(), 10000);
    QVERIFY(fetched(*m_bridge) != page("first.html"));
    QCOMPARE(m_firefox->state(), QProcess::Running);
    QCOMPARE(m_workspace->runningApplications(m_bridge->bundleIdentifier()).size(), 1);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_FirefoxBridgeLive>(argc, argv);
}

#include "tst_FirefoxBridgeLive.moc"
