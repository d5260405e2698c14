#include <QTemporaryDir>
#include <QTest>

#include "AccessibilityTestbed.h"
#include "DesktopFiles.h"
#include "FakeKeystrokeSending.h"
#include "ManualScheduler.h"
#include "browsers/AXURLReader.h"
#include "browsers/BrowserCatalog.h"
#include "browsers/LinuxProbeTable.h"
#include "platform/DesktopEntryIndex.h"

using Testbed = testing::AccessibilityTestbed;

class tst_LinuxProbeTable : public QObject {
    Q_OBJECT
private slots:
    void holdsTheBrowsersThatRunOnLinux();
    void namesEachAfterTheBrowserInstalled_data();
    void namesEachAfterTheBrowserInstalled();
    void eachReadsItsBrowserItsWay_data();
    void eachReadsItsBrowserItsWay();

private:
    halvex::BrowserProbeTable table(const QStringList &applicationFolders = {})
    {
        return halvex::makeLinuxProbeTable(
            halvex::AccessibilityBridgeServices{&m_bed.workspace, &m_keys, &m_bed.host,
                                                &m_bed.probe, &m_reader, &m_scheduler},
            platform::DesktopEntryIndex(applicationFolders));
    }

    Testbed m_bed;
    testing::FakeKeystrokeSending m_keys;
    testing::ManualScheduler m_scheduler;
    halvex::AXURLReader m_reader{m_bed.host, m_bed.probe, m_bed.workspace};
};

void tst_LinuxProbeTable::holdsTheBrowsersThatRunOnLinux()
{
    const QHash<QString, QString> names = {
        {"com.google.Chrome", "Google Chrome"}, {"com.operasoftware.Opera", "Opera"},
        {"com.brave.Browser", "Brave"},         {"com.microsoft.edgemac", "Microsoft Edge"},
        {"com.vivaldi.Vivaldi", "Vivaldi"},     {"org.mozilla.firefox", "Firefox"},
    };
    const halvex::BrowserProbeTable probes = table();
    QCOMPARE(probes.size(), names.size());
    for (const auto &entry : halvex::BrowserCatalog::entries()) {
        const auto probe = probes.value(entry.bundleIdentifier);
        QCOMPARE(bool(probe), names.contains(entry.bundleIdentifier));
        if (!probe)
            continue;
        QCOMPARE(probe->bundleIdentifier(), entry.bundleIdentifier);
        QCOMPARE(probe->name(), names.value(entry.bundleIdentifier));
        QCOMPARE(probe->accessKind(), halvex::BrowserAccessKind::accessibility);
    }
}

void tst_LinuxProbeTable::namesEachAfterTheBrowserInstalled_data()
{
    QTest::addColumn<QStringList>("installed"); // desktop-file id=Name
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("installedId");
    QTest::newRow("Chromium in Chrome's place")
        << QStringList{"chromium=Chromium Web Browser"} << "com.google.Chrome"
        << "Chromium"
        << "chromium";
    QTest::newRow("Chrome itself before its open build")
        << QStringList{"chromium=Chromium Web Browser", "google-chrome=Google Chrome"}
        << "com.google.Chrome"
        << "Google Chrome"
        << "google-chrome";
    QTest::newRow("Brave") << QStringList{"brave-browser=Brave Web Browser"} << "com.brave.Browser"
                           << "Brave"
                           << "brave-browser";
    QTest::newRow("Firefox's long-term build")
        << QStringList{"firefox-esr=Firefox ESR"} << "org.mozilla.firefox"
        << "Firefox ESR"
        << "firefox-esr";
    QTest::newRow("nothing installed: the name it is known by, no identifier")
        << QStringList{"org.example.Notes=Notes"} << "com.vivaldi.Vivaldi"
        << "Vivaldi"
        << "";
}

void tst_LinuxProbeTable::namesEachAfterTheBrowserInstalled()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, identifier);
    QFETCH(QString, name);
    QFETCH(QString, installedId);
    QTemporaryDir folder;
    for (const QString &entry : installed)
        QVERIFY(writeDesktopFile(folder.path(), entry.section(u'=', 0, 0) + ".desktop",
                                 "Type=Application\nGenericName=Web Browser\nName=" +
                                     entry.section(u'=', 1).toUtf8() + '\n'));
    const auto probe = table({folder.path()}).value(identifier);
    QCOMPARE(probe->name(), name);
    QCOMPARE(probe->installedIdentifier(), installedId);
}

void tst_LinuxProbeTable::eachReadsItsBrowserItsWay_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<bool>("searches");
    QTest::newRow("Chrome searches") << "com.google.Chrome" << true;
    QTest::newRow("Vivaldi searches") << "com.vivaldi.Vivaldi" << true;
    QTest::newRow("Firefox walks") << "org.mozilla.firefox" << false;
}

void tst_LinuxProbeTable::eachReadsItsBrowserItsWay()
{
    QFETCH(QString, identifier);
    QFETCH(bool, searches);
    m_bed.workspace.running = {{identifier, Testbed::browserPid}};
    // Deeper than a walk goes: only the browser's own search finds it.
    QStringList window{QStringLiteral("AXWindow")};
    for (int depth = 1; depth < 8; ++depth)
        window << QString(depth * 2, QLatin1Char(' ')) + QStringLiteral("AXGroup");
    window << QString(16, QLatin1Char(' ')) +
                  QStringLiteral("AXWebArea|urlText=https://a.example/");
    m_bed.showWindow(window);
    const QFuture<halvex::URLReadResult> read = table().value(identifier)->fetchURL();
    QVERIFY(read.isFinished() && read.result());
    QCOMPARE(read.result().value().has_value(), searches);
}

QTEST_GUILESS_MAIN(tst_LinuxProbeTable)
#include "tst_LinuxProbeTable.moc"
