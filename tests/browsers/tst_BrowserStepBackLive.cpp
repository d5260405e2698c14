// Step back from the friction panel in real browsers: a blocked page comes
// up in the browser in front, the watcher and the engine turn it into a
// trigger, the panel comes up over it, and the user steps back. The browser
// goes back in the same tab where it can, and otherwise loses the blocked
// tab but keeps running. Each browser starts after the accessibility switch
// is on, as it does once Halvex runs.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "FakeSystemAppearance.h"
#include "LivePages.h"
#include "WaitForValue.h"
#include "browsers/AXURLReader.h"
#include "browsers/AXTabStrip.h"
#include "browsers/LinuxProbeTable.h"
#include "engine/AppFrontmostDetector.h"
#include "engine/BypassController.h"
#include "engine/StreakEngine.h"
#include "engine/TriggerWatcher.h"
#include "engine/UsageSessionRecorder.h"
#include "friction/FrictionPanel.h"
#include "friction/FrictionPanelController.h"
#include "kit/AccessibilityProbe.h"
#include "kit/ActivationPolicyCoordinator.h"
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
#include "ui/Motion.h"
#include "ui/ThemeController.h"
#include "ui/TranslationLoader.h"

using namespace halvex;
using platform::AccessibleElement;
using platform::RunningApplication;
namespace ax = platform::ax;

namespace {

constexpr int startTimeoutMs = 60000;
const char *ownClass = "HalvexStepBackProbe";
const QString chromeId = QStringLiteral("com.google.Chrome");
const QString firefoxId = QStringLiteral("org.mozilla.firefox");

// Quiet first start: no welcome or policy tabs, nothing that needs a network.
const char *firefoxPreferences = R"(user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.sessionstore.resume_from_crash", false);
user_pref("browser.tabs.warnOnClose", false);
user_pref("app.update.disabledForTesting", true);
)";

} // namespace

class tst_BrowserStepBackLive : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    // One function a browser: each case starts a browser of its own.
    void chromium_data() { cases(); }
    void chromium() { stepBack(chromeId); }
    void firefox_data() { cases(); }
    void firefox() { stepBack(firefoxId); }

private:
    static void cases();
    void stepBack(const QString &browser);
    // Starts the browser on these pages, one tab each, the first in front.
    QProcess *startBrowser(const QString &bundleIdentifier, const QStringList &urls);
    qint32 browserPid(const QString &bundleIdentifier) const;
    QString shownAddress(const QString &bundleIdentifier);
    // The tabs of the browser's focused window; -1 when its strip is not found.
    int tabCount(const QString &bundleIdentifier);
    FrictionPanel *panel() const { return m_controller->activePanel(); }

    testing::DesktopHarness m_desktop;
    QTemporaryDir m_dir;
    testing::LivePages m_pages{{
        {"/other", {"other"}},
        {"/allowed", {"allowed", {{"next", "/blocked"}}}},
        {"/blocked", {"blocked"}},
    }};
    QWidget m_own;
    int m_profiles = 0;
    QProcess *m_browser = nullptr;

    std::unique_ptr<platform::DesktopEntryIndex> m_entries;
    std::unique_ptr<platform::ApplicationIdentity> m_identity;
    std::unique_ptr<platform::X11Workspace> m_workspace;
    std::unique_ptr<platform::X11Connection> m_connection;
    std::unique_ptr<platform::AtspiAccessibilityHost> m_host;
    std::unique_ptr<platform::UserDefaults> m_defaults;
    std::unique_ptr<fennimar::AccessibilityProbe> m_trust;
    std::unique_ptr<AXURLReader> m_reader;
    std::unique_ptr<platform::X11KeystrokeSender> m_keystrokes;
    BrowserProbeTable m_probes;

    PersistenceController m_persistence{true};
    DayClock m_dayClock{[] { return QDateTime::currentDateTimeUtc(); },
                        QTimeZone::systemTimeZone()};
    std::unique_ptr<BypassController> m_bypass;
    std::unique_ptr<StreakEngine> m_engine;
    std::unique_ptr<UsageSessionRecorder> m_recorder;
    std::unique_ptr<AppFrontmostDetector> m_detector;
    std::unique_ptr<TriggerWatcher> m_watcher;
    testing::FakeSystemAppearance m_appearance;
    std::unique_ptr<ThemeController> m_theme;
    TranslationLoader m_translations;
    std::unique_ptr<fennimar::ActivationPolicyCoordinator> m_policy;
    std::unique_ptr<FrictionPanelController> m_controller;
    std::vector<std::shared_ptr<TriggerEvent>> m_events;
};

void tst_BrowserStepBackLive::initTestCase()
{
    for (const char *program : {"chromium", "firefox-esr"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty(),
                 "a browser is missing: scripts/setup --test installs it");
    for (const QString &why : {m_desktop.startAccessibilityBus(), m_desktop.startWindowManager()})
        QVERIFY2(why.isEmpty(), qPrintable(why));
    QVERIFY(m_pages.listen());
    QVERIFY(m_translations.load(QStringLiteral("en")));

    m_entries = std::make_unique<platform::DesktopEntryIndex>();
    m_identity = std::make_unique<platform::ApplicationIdentity>(*m_entries);
    m_workspace = std::make_unique<platform::X11Workspace>(*m_identity);
    m_connection = std::make_unique<platform::X11Connection>();
    m_host = std::make_unique<platform::AtspiAccessibilityHost>();
    m_defaults =
        std::make_unique<platform::UserDefaults>(m_dir.filePath(QStringLiteral("defaults.ini")));
    m_trust = std::make_unique<fennimar::AccessibilityProbe>(
        *m_host, *m_workspace, *m_defaults, qint32(QCoreApplication::applicationPid()));
    m_reader = std::make_unique<AXURLReader>(*m_host, *m_trust, *m_workspace);
    m_keystrokes = std::make_unique<platform::X11KeystrokeSender>(
        [this] { return m_trust->isTrusted(); }, *m_connection);
    AccessibilityBridgeServices bridges;
    bridges.workspace = m_workspace.get();
    bridges.keystrokes = m_keystrokes.get();
    bridges.accessibility = m_host.get();
    bridges.trust = m_trust.get();
    bridges.reader = m_reader.get();
    bridges.scheduler = &platform::TimerScheduler::live();
    m_probes = makeLinuxProbeTable(bridges, *m_entries);
    // Switched on before any browser starts, as Halvex does.
    QVERIFY(m_trust->requestTrust());

    auto streak = std::make_shared<Streak>(
        QUuid::createUuid(), QStringLiteral("No blocked pages"), StreakType::site,
        StrictnessMode::gentle, QStringList{QStringLiteral("127.0.0.1/blocked")}, QStringList{},
        QStringList{}, QDateTime::currentDateTimeUtc().addDays(-3));
    streak->setModeRaw(QStringLiteral("gentle"));
    m_persistence.mainContext().insert(streak);
    QVERIFY(m_persistence.mainContext().save().hasValue());

    platform::TimerScheduler &live = platform::TimerScheduler::live();
    m_bypass = std::make_unique<BypassController>(m_persistence, m_dayClock,
                                                  QTimeZone::systemTimeZone(), live);
    m_engine = std::make_unique<StreakEngine>(m_persistence, m_dayClock, m_bypass.get(), live);
    connect(m_engine.get(), &StreakEngine::triggerSubject, this,
            [this](const std::shared_ptr<TriggerEvent> &event) {
                if (event->outcomeRaw().isEmpty())
                    m_events.push_back(event);
            });
    m_recorder = std::make_unique<UsageSessionRecorder>(
        m_persistence, [] { return QDateTime::currentDateTimeUtc(); });
    m_detector = std::make_unique<AppFrontmostDetector>(*m_workspace);
    m_watcher = std::make_unique<TriggerWatcher>(TriggerWatcher::Services{
        *m_detector,
        *m_workspace,
        m_probes,
        *m_engine,
        m_persistence,
        *m_recorder,
        [](const QString &) { return fennimar::AutomationStatus::notDetermined; },
        [] { return QDateTime::currentDateTimeUtc(); },
        QTimeZone::systemTimeZone(),
        live,
        QString::fromLatin1(ownClass),
    });
    m_theme = std::make_unique<ThemeController>(m_appearance);
    m_policy = std::make_unique<fennimar::ActivationPolicyCoordinator>();
    m_controller = std::make_unique<FrictionPanelController>(FrictionPanelController::Services{
        {*m_engine, *m_bypass, m_persistence, m_probes, *m_workspace, m_dayClock, live},
        *m_theme,
        m_translations,
        *m_policy,
        FrictionPanelController::liveFrontmostWindowFrames(*m_workspace),
    });
    Motion::setReduceMotion(true);

    m_own.setWindowTitle(QStringLiteral("watcher"));
    m_own.resize(240, 120);
    m_own.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_own));
    m_watcher->start();
    m_controller->start();
}

void tst_BrowserStepBackLive::cleanupTestCase()
{
    if (m_controller) {
        m_controller->stop();
        m_controller->dismiss(false);
    }
    if (m_watcher)
        m_watcher->stop();
    m_probes.clear();
}

void tst_BrowserStepBackLive::cleanup()
{
    // Each case has a browser of its own; the next starts where nothing runs.
    if (m_controller)
        m_controller->dismiss(false);
    if (m_browser && m_browser->state() != QProcess::NotRunning) {
        m_browser->terminate();
        if (!m_browser->waitForFinished(20000)) {
            m_browser->kill();
            m_browser->waitForFinished(5000);
        }
    }
    m_browser = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(m_workspace->runningApplications(chromeId).isEmpty() &&
                                 m_workspace->runningApplications(firefoxId).isEmpty(),
                             20000);
}

QProcess *tst_BrowserStepBackLive::startBrowser(const QString &bundleIdentifier,
                                                const QStringList &urls)
{
    const QString profile = m_dir.filePath(QStringLiteral("profile-%1").arg(++m_profiles));
    if (bundleIdentifier == chromeId) {
        // As root under a virtual display, and quiet: no sandbox, no GPU, no
        // first-run pages, no keyring and nothing that reaches for the network.
        return m_desktop.launch(
            QStandardPaths::findExecutable(QStringLiteral("chromium")),
            QStringList{QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                        QStringLiteral("--ozone-platform=x11"), QStringLiteral("--no-first-run"),
                        QStringLiteral("--no-default-browser-check"),
                        QStringLiteral("--disable-background-networking"),
                        QStringLiteral("--disable-component-update"),
                        QStringLiteral("--disable-sync"), QStringLiteral("--password-store=basic"),
                        QStringLiteral("--user-data-dir=") + profile} +
                urls);
    }
    if (!QDir().mkpath(profile))
        return nullptr;
    QFile prefs(profile + QStringLiteral("/user.js"));
    if (!prefs.open(QIODevice::WriteOnly) || prefs.write(firefoxPreferences) <= 0)
        return nullptr;
    prefs.close();
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("MOZ_CRASHREPORTER_DISABLE"), QStringLiteral("1"));
    return m_desktop.launch(
        QStandardPaths::findExecutable(QStringLiteral("firefox-esr")),
        QStringList{QStringLiteral("--no-remote"), QStringLiteral("--profile"), profile} + urls,
        environment);
}

qint32 tst_BrowserStepBackLive::browserPid(const QString &bundleIdentifier) const
{
    const auto running = m_workspace->runningApplications(bundleIdentifier);
    return running.isEmpty() ? 0 : running.first().processIdentifier;
}

QString tst_BrowserStepBackLive::shownAddress(const QString &bundleIdentifier)
{
    // Read afresh, as the bridges cache their reads.
    const std::optional<QString> address = bundleIdentifier == chromeId
                                               ? m_reader->readDocumentURL(bundleIdentifier)
                                               : m_reader->readURL(bundleIdentifier);
    return address.value_or(QString());
}

int tst_BrowserStepBackLive::tabCount(const QString &bundleIdentifier)
{
    const auto tabs = windowTabs(*m_host, *m_trust, browserPid(bundleIdentifier));
    return tabs ? int(tabs->size()) : -1;
}

void tst_BrowserStepBackLive::cases()
{
    QTest::addColumn<bool>("withHistory");
    QTest::newRow("back to the page before, in the same tab") << true;
    QTest::newRow("a single tab that cannot go back") << false;
}

void tst_BrowserStepBackLive::stepBack(const QString &browser)
{
    QFETCH(bool, withHistory);
    const QString blocked = m_pages.url("/blocked");
    const QString allowed = m_pages.url("/allowed");

    // From our own window, which nothing blocks, so that the browser's
    // coming to the front is news to the watcher.
    const RunningApplication own{QString::fromLatin1(ownClass),
                                 qint32(QCoreApplication::applicationPid())};
    QVERIFY(m_workspace->activate(own));
    QTRY_COMPARE_WITH_TIMEOUT(m_workspace->frontmostApplication(), std::optional(own), 10000);
    const size_t triggers = m_events.size();
    m_browser = startBrowser(browser, withHistory ? QStringList{allowed, m_pages.url("/other")}
                                                  : QStringList{blocked});
    QVERIFY(m_browser);
    QTRY_VERIFY_WITH_TIMEOUT(browserPid(browser) != 0, startTimeoutMs);
    const int tabs = withHistory ? 2 : 1;
    COMPARE_LIVE_READ(shownAddress(browser), withHistory ? allowed : blocked,
                              startTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(tabCount(browser), tabs, 10000);
    if (withHistory) {
        // Followed as a user would, so that the tab can go back to it. A page
        // still loading may not show its link yet; once followed, it is gone.
        bool followed = false;
        QTRY_VERIFY_WITH_TIMEOUT(followed ||
                                     (followed = testing::followLink(*m_host, browserPid(browser),
                                                                     QStringLiteral("next"))),
                                 10000);
        COMPARE_LIVE_READ(shownAddress(browser), blocked, 10000);
    }

    QTRY_COMPARE_WITH_TIMEOUT(m_events.size(), triggers + 1, 20000);
    const std::shared_ptr<TriggerEvent> event = m_events.back();
    QCOMPARE(event->matchedBundleId(), std::optional(browser));
    QTRY_VERIFY_WITH_TIMEOUT(panel() && panel()->isActiveWindow(), 10000);
    QWidget *stepBack = panel()->findChild<QWidget *>(QStringLiteral("friction.button.stepBack"));
    QVERIFY(stepBack);
    // The buttons wake after a second.
    QTRY_VERIFY_WITH_TIMEOUT(stepBack->isEnabled(), 10000);
    QTest::mouseClick(stepBack, Qt::LeftButton, {}, stepBack->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(event->outcomeRaw(), QStringLiteral("stepBack"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_controller->activePanel() && !m_controller->isAnimating(), 10000);

    // The browser runs on, with the blocked page gone.
    QVERIFY(m_browser->state() == QProcess::Running);
    QVERIFY(browserPid(browser) != 0);
    if (withHistory) {
        COMPARE_LIVE_READ(shownAddress(browser), allowed, 10000);
        QCOMPARE(tabCount(browser), tabs);
    } else {
        // A new tab took the place of the one closed.
        QTRY_VERIFY_WITH_TIMEOUT(
            !shownAddress(browser).isEmpty() && shownAddress(browser) != blocked, 10000);
        QCOMPARE(tabCount(browser), 1);
    }
    // Nothing on the way looked like a new visit to the blocked page.
    QCOMPARE(m_events.size(), triggers + 1);
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_BrowserStepBackLive>(argc, argv,
                                                                 {QString::fromLatin1(ownClass)});
}

#include "tst_BrowserStepBackLive.moc"
