#include <QTemporaryDir>
#include <QTest>

#include "FakeAutomationChecking.h"
#include "FakeRunningApplications.h"
#include "LogCapture.h"
#include "kit/AutomationProbe.h"
#include "kit/UserDefaultsAutomationGrantMemory.h"
#include "platform/UnavailableAutomationChecking.h"

using fennimar::AutomationProbe;
using fennimar::AutomationStatus;
using fennimar::UserDefaultsAutomationGrantMemory;

namespace {
const QString chrome = QStringLiteral("com.google.Chrome");
const QString key = QStringLiteral("fennimar.automationGrants");
} // namespace

class tst_AutomationProbe : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void addressesTheFirstInstanceWithTheCallersCodes();
    void unaddressableTargetIsLoggedAndLeavesMemory();
    void liveCheckCannotAddressAnyTarget();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::UserDefaults> m_defaults;
};

void tst_AutomationProbe::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults =
        std::make_unique<platform::UserDefaults>(m_dir->filePath(QStringLiteral("defaults.ini")));
}

void tst_AutomationProbe::cleanup()
{
    m_defaults.reset();
    m_dir.reset();
}

void tst_AutomationProbe::answers_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("remembered"); // empty: nothing remembered
    QTest::addColumn<int>("code");
    QTest::addColumn<AutomationStatus>("expected");
    QTest::addColumn<QString>("storedAfter"); // empty: no entry
    QTest::addColumn<bool>("systemAsked");

    using S = AutomationStatus;
    QTest::newRow("not running, never decided")
        << false << "" << 0 << S::notDetermined << "" << false;
    QTest::newRow("not running, remembered granted")
        << false << "granted" << 0 << S::granted << "granted" << false;
    QTest::newRow("not running, remembered denied")
        << false << "denied" << 0 << S::denied << "denied" << false;
    QTest::newRow("not running, case differs")
        << false << "Granted" << 0 << S::notDetermined << "Granted" << false;
    QTest::newRow("allowed") << true << "" << 0 << S::granted << "granted" << true;
    QTest::newRow("allowed after denial")
        << true << "denied" << 0 << S::granted << "granted" << true;
    QTest::newRow("refused") << true << "granted" << -1743 << S::denied << "denied" << true;
    QTest::newRow("consent needed replaces denied")
        << true << "denied" << -1744 << S::notDetermined << "notDetermined" << true;
    QTest::newRow("consent needed replaces granted")
        << true << "granted" << -1744 << S::notDetermined << "notDetermined" << true;
    QTest::newRow("unlisted code keeps remembered")
        << true << "granted" << -600 << S::granted << "granted" << true;
    QTest::newRow("unlisted code, nothing remembered")
        << true << "" << -600 << S::notDetermined << "" << true;
}

void tst_AutomationProbe::answers()
{
    QFETCH(bool, running);
    QFETCH(QString, remembered);
    QFETCH(int, code);
    QFETCH(AutomationStatus, expected);
    QFETCH(QString, storedAfter);
    QFETCH(bool, systemAsked);

    testing::FakeRunningApplications apps;
    if (running)
        apps.add(chrome, 4242);
    apps.add(QStringLiteral("com.apple.Safari"), 77);
    testing::FakeAutomationChecking checking;
    checking.code = code;
    if (!remembered.isEmpty())
        m_defaults->setValue(key, QVariantMap{{chrome, remembered}});
    UserDefaultsAutomationGrantMemory memory(*m_defaults, key);

    const AutomationProbe probe(apps, checking);
    QCOMPARE(
        probe.status(chrome, AutomationProbe::anyEvent, AutomationProbe::anyEvent, false, memory),
        expected);

    QCOMPARE(checking.queries.size(), systemAsked ? 1 : 0);
    const QVariantMap stored = m_defaults->dictionaryValue(key).value_or(QVariantMap());
    QCOMPARE(stored.value(chrome).toString(), storedAfter);
    QCOMPARE(stored.size(), storedAfter.isEmpty() ? 0 : 1);
}

void tst_AutomationProbe::addressesTheFirstInstanceWithTheCallersCodes()
{
    testing::FakeRunningApplications apps;
    apps.add(QStringLiteral("com.apple.Safari"), 10);
    apps.add(chrome, 101);
    apps.add(chrome, 202);
    testing::FakeAutomationChecking checking;
    UserDefaultsAutomationGrantMemory memory(*m_defaults, key);

    AutomationProbe(apps, checking).status(chrome, 0x61657674, 0x6F646F63, true, memory);

    QCOMPARE(checking.queries.size(), 1);
    QCOMPARE(checking.queries[0].processIdentifier, 101);
    QCOMPARE(checking.queries[0].eventClass, 0x61657674u);
    QCOMPARE(checking.queries[0].eventID, 0x6F646F63u);
    QCOMPARE(checking.queries[0].askUserIfNeeded, true);
}

void tst_AutomationProbe::unaddressableTargetIsLoggedAndLeavesMemory()
{
    testing::LogCapture log;
    m_defaults->setValue(key, QVariantMap{{chrome, QStringLiteral("granted")}});
    testing::FakeRunningApplications apps;
    apps.add(chrome, 9);
    testing::FakeAutomationChecking checking;
    checking.unaddressable.insert(9);
    UserDefaultsAutomationGrantMemory memory(*m_defaults, key);

    QCOMPARE(
        AutomationProbe(apps, checking)
            .status(chrome, AutomationProbe::anyEvent, AutomationProbe::anyEvent, true, memory),
        AutomationStatus::notDetermined);
    QVERIFY(checking.queries.isEmpty());
    QCOMPARE(log.messages(QStringLiteral("fennimarkit.Permissions")),
             QStringList{QStringLiteral("AutomationProbe: no address for 'com.google.Chrome'")});
    QCOMPARE(memory.recall(chrome), AutomationStatus::granted);
}

void tst_AutomationProbe::liveCheckCannotAddressAnyTarget()
{
    testing::LogCapture log;
    testing::FakeRunningApplications apps;
    apps.add(chrome, 9);
    platform::UnavailableAutomationChecking live;
    UserDefaultsAutomationGrantMemory memory(*m_defaults, key);

    QCOMPARE(
        AutomationProbe(apps, live)
            .status(chrome, AutomationProbe::anyEvent, AutomationProbe::anyEvent, true, memory),
        AutomationStatus::notDetermined);
    QVERIFY(log.contains(QStringLiteral("fennimarkit.Permissions"),
                         QStringLiteral("AutomationProbe: no address for 'com.google.Chrome'")));
    QVERIFY(!m_defaults->contains(key));
}

QTEST_GUILESS_MAIN(tst_AutomationProbe)
#include "tst_AutomationProbe.moc"
