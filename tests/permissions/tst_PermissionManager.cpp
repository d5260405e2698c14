#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FakeAutomationChecking.h"
#include "FakeBrowserProbe.h"
#include "FakeRunningApplications.h"
#include "LogCapture.h"
#include "ManualScheduler.h"
#include "browsers/LinuxProbeTable.h"
#include "kit/AutomationProbe.h"
#include "permissions/PermissionManager.h"
#include "platform/DesktopEntryIndex.h"

using fennimar::AutomationStatus;
using halvex::BrowserAccessKind;
using halvex::PermissionManager;
using halvex::PermissionSnapshot;
using halvex::PermissionStatus;

using StatusMap = QMap<QString, AutomationStatus>;

namespace {

const QString chrome = QStringLiteral("com.google.Chrome");
const QString safari = QStringLiteral("com.apple.Safari");

// A manager over fake probes, defaults in a temporary file, a scheduler the
// test advances and a desktop whose installed settings programs it lists.
struct Fixture {
    QTemporaryDir dir;
    platform::UserDefaults defaults{dir.filePath(QStringLiteral("defaults.ini"))};
    testing::FakeRunningApplications running;
    testing::FakeAutomationChecking checking;
    fennimar::AutomationProbe automation{running, checking};
    testing::ManualScheduler scheduler;
    bool trusted = false;
    int trustChecks = 0;
    QStringList events; // trust requests, with the requested flag seen then
    QStringList installedSettings;
    QStringList started;
    std::unique_ptr<PermissionManager> manager;

    explicit Fixture(QStringList browsers = {})
    {
        PermissionManager::AccessibilityTrust trust{
            [this] {
                ++trustChecks;
                return trusted;
            },
            [this] {
                events << QStringLiteral("request, requested=%1")
                              .arg(manager->snapshot().isAccessibilityRequested);
                return trusted = true;
            }};
        platform::DesktopSettings settings(
            {QStringLiteral("GNOME")},
            [this](const QString &name) {
                return installedSettings.contains(name) ? u"/usr/bin/" + name : QString();
            },
            [this](const QString &path, const QStringList &arguments) {
                started = QStringList{path} + arguments;
                return true;
            });
        manager =
            std::make_unique<PermissionManager>(std::move(trust), automation, std::move(browsers),
                                                defaults, std::move(settings), scheduler);
    }
};

} // namespace

class tst_PermissionManager : public QObject {
    Q_OBJECT
private slots:
    void snapshotFromTheProbes_data();
    void snapshotFromTheProbes();
    void publishesOnlyWhatChanged();
    void listsTheBrowsersThatCannotBeRead();
    void requestAccessibilityRecordsTheRequestFirst();
    void monitorsOnlyWhileAsked_data();
    void monitorsOnlyWhileAsked();
    void automationBrowsersFollowTheBridges();
    void opensTheDesktopsSettings_data();
    void opensTheDesktopsSettings();
};

void tst_PermissionManager::snapshotFromTheProbes_data()
{
    QTest::addColumn<QStringList>("browsers");
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<StatusMap>("expected");
    QTest::newRow("no browsers: accessibility alone")
        << QStringList{} << true << true << StatusMap{};
    // Chrome runs and was refused; Safari does not run and was never asked.
    QTest::newRow("running and not running")
        << QStringList{chrome, safari} << false << false
        << StatusMap{{chrome, AutomationStatus::denied}, {safari, AutomationStatus::notDetermined}};
}

void tst_PermissionManager::snapshotFromTheProbes()
{
    QFETCH(QStringList, browsers);
    QFETCH(bool, trusted);
    QFETCH(bool, requested);
    QFETCH(StatusMap, expected);
    Fixture f(browsers);
    f.running.add(chrome, 41);
    f.checking.code = -1743; // not permitted
    f.trusted = trusted;
    if (requested)
        f.defaults.setValue(PermissionManager::accessibilityRequestedKey, true);

    // Nothing is probed until the first refresh.
    QCOMPARE(f.manager->snapshot(), PermissionSnapshot::empty());
    QCOMPARE(f.trustChecks, 0);

    f.manager->refresh();
    const PermissionSnapshot &snapshot = f.manager->snapshot();
    QCOMPARE(snapshot.automationStatus, expected);
    QCOMPARE(snapshot.isAccessibilityTrusted, trusted);
    QCOMPARE(snapshot.isAccessibilityRequested, requested);
    // The periodic refresh must never prompt, and asks about any event.
    for (const auto &query : f.checking.queries) {
        QVERIFY(!query.askUserIfNeeded);
        QCOMPARE(query.eventClass, fennimar::AutomationProbe::anyEvent);
        QCOMPARE(query.eventID, fennimar::AutomationProbe::anyEvent);
    }
}

void tst_PermissionManager::publishesOnlyWhatChanged()
{
    Fixture f({chrome});
    f.running.add(chrome, 41);
    QSignalSpy published(f.manager.get(), &PermissionManager::snapshotChanged);

    f.manager->refresh();
    f.manager->refresh();
    QCOMPARE(published.size(), 1);

    // The browser quits: its remembered grant stands, so nothing changes.
    f.running.setApplications({});
    f.manager->refresh();
    QCOMPARE(published.size(), 1);
    QCOMPARE(f.manager->snapshot().automationStatus.value(chrome), AutomationStatus::granted);

    f.trusted = true;
    f.manager->refresh();
    QCOMPARE(published.size(), 2);
    QCOMPARE(published.last().first().value<PermissionSnapshot>(), f.manager->snapshot());
}

// Looked at only while accessibility is on; in a fixed order whatever the
// table's, and published when the list changes.
void tst_PermissionManager::listsTheBrowsersThatCannotBeRead()
{
    Fixture f;
    const QString firefox = QStringLiteral("org.mozilla.firefox");
    auto chromeProbe =
        std::make_shared<testing::FakeBrowserProbe>(chrome, BrowserAccessKind::accessibility);
    auto firefoxProbe =
        std::make_shared<testing::FakeBrowserProbe>(firefox, BrowserAccessKind::accessibility);
    const halvex::BrowserProbeTable probes{{firefox, firefoxProbe}, {chrome, chromeProbe}};
    f.manager->followReadability(probes);
    chromeProbe->unreadable = firefoxProbe->unreadable = true;
    QSignalSpy published(f.manager.get(), &PermissionManager::snapshotChanged);

    f.manager->refresh();
    QCOMPARE(f.manager->snapshot().unreadableBrowsers, QStringList());
    QCOMPARE(chromeProbe->unreadableChecks, 0);

    f.trusted = true;
    f.manager->refresh();
    f.manager->refresh();
    QCOMPARE(f.manager->snapshot().unreadableBrowsers, (QStringList{chrome, firefox}));
    QCOMPARE(published.size(), 1);

    // Reopened, Chrome can be read.
    chromeProbe->unreadable = false;
    f.manager->refresh();
    QCOMPARE(f.manager->snapshot().unreadableBrowsers, QStringList{firefox});
    QCOMPARE(published.size(), 2);
    QVERIFY(!f.manager->snapshot().isUnreadable(chrome));
}

void tst_PermissionManager::requestAccessibilityRecordsTheRequestFirst()
{
    Fixture f;
    f.manager->refresh();
    QSignalSpy published(f.manager.get(), &PermissionManager::snapshotChanged);
    QCOMPARE(f.manager->snapshot().accessibilityDisplayStatus(), PermissionStatus::unchecked);

    f.manager->requestAccessibility();
    // The request alone is published before the desktop is asked, then its answer.
    QCOMPARE(f.events, QStringList{"request, requested=1"});
    QVERIFY(f.defaults.boolValue(PermissionManager::accessibilityRequestedKey, false));
    QCOMPARE(published.size(), 2);
    QCOMPARE(published.first().first().value<PermissionSnapshot>().accessibilityDisplayStatus(),
             PermissionStatus::denied);
    QCOMPARE(f.manager->snapshot().accessibilityDisplayStatus(), PermissionStatus::granted);
}

void tst_PermissionManager::monitorsOnlyWhileAsked_data()
{
    // Steps: "+" start, "-" stop, "t" 2 s pass. `refreshes` counts the
    // snapshots built after each step.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("refreshes");
    QTest::addColumn<bool>("monitoringAfter");
    QTest::newRow("a start refreshes at once, then every 2 s")
        << "+tt" << QList<int>{1, 2, 3} << true;
    QTest::newRow("overlapping surfaces: the last stop ends it")
        << "++-t-t" << QList<int>{1, 1, 1, 2, 2, 2} << false;
    QTest::newRow("stops without starts do nothing") << "--t" << QList<int>{0, 0, 0} << false;
    QTest::newRow("a third stop leaves it stopped")
        << "++---+t" << QList<int>{1, 1, 1, 1, 1, 2, 3} << true;
}

void tst_PermissionManager::monitorsOnlyWhileAsked()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, refreshes);
    QFETCH(bool, monitoringAfter);
    Fixture f;
    QList<int> seen;
    for (const QChar step : steps) {
        if (step == u'+')
            f.manager->startMonitoring();
        else if (step == u'-')
            f.manager->stopMonitoring();
        else
            f.scheduler.advance(PermissionManager::monitoringInterval);
        seen << f.trustChecks;
    }
    QCOMPARE(seen, refreshes);
    QCOMPARE(f.manager->isMonitoring(), monitoringAfter);
}

void tst_PermissionManager::automationBrowsersFollowTheBridges()
{
    // Script bridges count, in catalogue order; a catalogue browser read
    // through accessibility does not.
    const QString vivaldi = QStringLiteral("com.vivaldi.Vivaldi");
    halvex::BrowserProbeTable table;
    for (const auto &[id, access] : {std::pair{vivaldi, BrowserAccessKind::appleEvents},
                                     std::pair{chrome, BrowserAccessKind::accessibility},
                                     std::pair{safari, BrowserAccessKind::appleEvents}})
        table.insert(id, std::make_shared<testing::FakeBrowserProbe>(id, access));
    QCOMPARE(PermissionManager::automationBrowserBundleIds(table), (QStringList{safari, vivaldi}));

    // Every Linux bridge reads through accessibility, Chromium family included.
    const halvex::BrowserProbeTable linux =
        halvex::makeLinuxProbeTable({}, platform::DesktopEntryIndex(QStringList()));
    QVERIFY(linux.contains(chrome));
    QCOMPARE(PermissionManager::automationBrowserBundleIds(linux), QStringList{});
}

void tst_PermissionManager::opensTheDesktopsSettings_data()
{
    QTest::addColumn<bool>("accessibilityPage");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("logged");
    QTest::newRow("accessibility settings installed")
        << true << QStringList{"gnome-control-center"}
        << QStringList{"/usr/bin/gnome-control-center", "universal-access"} << false;
    QTest::newRow("no accessibility settings") << true << QStringList{} << QStringList{} << true;
    QTest::newRow("automation settings exist nowhere")
        << false << QStringList{"gnome-control-center"} << QStringList{} << true;
}

void tst_PermissionManager::opensTheDesktopsSettings()
{
    QFETCH(bool, accessibilityPage);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, started);
    QFETCH(bool, logged);
    testing::LogCapture log;
    Fixture f;
    f.installedSettings = installed;
    if (accessibilityPage)
        f.manager->openAccessibilitySettings();
    else
        f.manager->openAutomationSettings();
    QCOMPARE(f.started, started);
    QCOMPARE(!log.messages(QStringLiteral("com.fennimar.halvex.permissions")).isEmpty(), logged);
}

QTEST_GUILESS_MAIN(tst_PermissionManager)
#include "tst_PermissionManager.moc"
