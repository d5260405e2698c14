#include <QTemporaryDir>
#include <QTest>

#include "FakeAccessibilityHost.h"
#include "FakeRunningApplications.h"
#include "kit/AccessibilityProbe.h"

using fennimar::AccessibilityProbe;
using platform::AccessibilityError;

namespace {
constexpr qint32 ownPid = 100;
constexpr qint32 referencePid = 7;
const QString prompted = QString::fromLatin1(AccessibilityProbe::promptedKey);
// How the reference process meets the live call, besides an error.
constexpr int answers = -1;
constexpr int noReference = -2;
constexpr int noTree = -3;
} // namespace

class tst_AccessibilityProbe : public QObject {
    Q_OBJECT
private slots:
    void init();
    void isTrusted_data();
    void isTrusted();
    void referenceProcess_data();
    void referenceProcess();
    void requestTrustTurnsTheSwitchAndRemembers_data();
    void requestTrustTurnsTheSwitchAndRemembers();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::UserDefaults> m_defaults;
    std::unique_ptr<testing::FakeAccessibilityHost> m_host;
    std::unique_ptr<testing::FakeRunningApplications> m_running;
    std::unique_ptr<AccessibilityProbe> m_probe;
};

void tst_AccessibilityProbe::init()
{
    m_probe.reset();
    // Before its folder goes: its last write would make the folder again.
    m_defaults.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_defaults = std::make_unique<platform::UserDefaults>(m_dir->filePath("defaults.ini"));
    m_host = std::make_unique<testing::FakeAccessibilityHost>();
    m_running = std::make_unique<testing::FakeRunningApplications>();
    m_probe = std::make_unique<AccessibilityProbe>(*m_host, *m_running, *m_defaults, ownPid);
}

void tst_AccessibilityProbe::isTrusted_data()
{
    QTest::addColumn<bool>("plain");
    QTest::addColumn<bool>("promptedBefore");
    QTest::addColumn<int>("live");
    QTest::addColumn<bool>("expected");

    const auto error = [](AccessibilityError e) { return int(e); };
    QTest::newRow("never asked, not trusted") << false << false << answers << false;
    QTest::newRow("asked, switch lags, live call gets through") << false << true << answers << true;
    QTest::newRow("asked, accessibility disabled")
        << false << true << error(AccessibilityError::apiDisabled) << false;
    QTest::newRow("trusted and answering") << true << false << answers << true;
    QTest::newRow("no value counts as answering")
        << true << false << error(AccessibilityError::noValue) << true;
    QTest::newRow("unsupported attribute counts as answering")
        << true << false << error(AccessibilityError::attributeUnsupported) << true;
    QTest::newRow("cannot complete")
        << true << true << error(AccessibilityError::cannotComplete) << false;
    QTest::newRow("reference without a tree") << true << false << noTree << false;
    QTest::newRow("trusted, no reference: the switch decides")
        << true << false << noReference << true;
    QTest::newRow("asked, switch off, no reference") << false << true << noReference << false;
}

void tst_AccessibilityProbe::isTrusted()
{
    QFETCH(bool, plain);
    QFETCH(bool, promptedBefore);
    QFETCH(int, live);
    QFETCH(bool, expected);
    m_host->trusted = plain;
    if (promptedBefore)
        m_defaults->setValue(prompted, true);
    if (live != noReference) {
        m_host->reference = referencePid;
        const auto desktop = m_host->addApplication(live == noTree ? 0 : referencePid);
        if (live >= 0)
            m_host->fail(desktop, QString::fromLatin1(platform::ax::role),
                         AccessibilityError(live));
    }

    QCOMPARE(m_probe->isTrusted(), expected);
    // Trust seen once marks the prompt as done; nothing ever unmarks it.
    QCOMPARE(m_defaults->boolValue(prompted).value_or(false), plain || promptedBefore);
    const bool liveCall = (plain || promptedBefore) && live != noReference;
    QCOMPARE(m_host->calls.filter(QStringLiteral("AXRole")).size(), liveCall ? 1 : 0);
    if (!plain && !promptedBefore)
        QVERIFY(m_host->calls.isEmpty());
}

void tst_AccessibilityProbe::referenceProcess_data()
{
    QTest::addColumn<int>("hostReference"); // 0: none
    QTest::addColumn<QList<int>>("running");
    QTest::addColumn<int>("expected"); // 0: none
    QTest::newRow("the desktop's reference")
        << referencePid << QList<int>{ownPid, 30} << referencePid;
    QTest::newRow("else the first other application") << 0 << QList<int>{ownPid, 30, 31} << 30;
    QTest::newRow("a reference that is this process") << ownPid << QList<int>{ownPid, 31} << 31;
    QTest::newRow("unknown processes are skipped") << 0 << QList<int>{0, 32} << 32;
    QTest::newRow("only this process") << 0 << QList<int>{ownPid} << 0;
}

void tst_AccessibilityProbe::referenceProcess()
{
    QFETCH(int, hostReference);
    QFETCH(QList<int>, running);
    QFETCH(int, expected);
    if (hostReference)
        m_host->reference = hostReference;
    for (int pid : running)
        m_running->add(QStringLiteral("app.%1").arg(pid), pid);
    QCOMPARE(m_probe->dockProcessIdentifier(),
             expected ? std::optional<qint32>(expected) : std::nullopt);

    // The live call goes there; without one the plain check answers again.
    m_host->trusted = true;
    QVERIFY(!m_probe->isTrusted() || !expected);
    QCOMPARE(m_host->calls.value(0),
             expected ? QStringLiteral("application %1").arg(expected) : QString());
    QCOMPARE(m_host->trustChecks, expected ? 1 : 2);
}

void tst_AccessibilityProbe::requestTrustTurnsTheSwitchAndRemembers_data()
{
    QTest::addColumn<bool>("switchTurnsOn");
    QTest::newRow("the desktop turns accessibility on") << true;
    QTest::newRow("the desktop keeps it off") << false;
}

void tst_AccessibilityProbe::requestTrustTurnsTheSwitchAndRemembers()
{
    QFETCH(bool, switchTurnsOn);
    m_host->trustedAfterRequest = switchTurnsOn;
    QCOMPARE(m_probe->requestTrust(), switchTurnsOn);
    QCOMPARE(m_host->trustRequests, 1);
    QCOMPARE(m_defaults->boolValue(prompted), std::optional<bool>(true));
}

QTEST_GUILESS_MAIN(tst_AccessibilityProbe)
#include "tst_AccessibilityProbe.moc"
