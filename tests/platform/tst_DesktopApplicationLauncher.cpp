#include <QTemporaryDir>
#include <QTest>

#include "DesktopFiles.h"
#include "platform/DesktopApplicationLauncher.h"

using platform::DesktopApplicationLauncher;
using platform::DesktopEntryIndex;

class tst_DesktopApplicationLauncher : public QObject {
    Q_OBJECT
private slots:
    void locations_data();
    void locations();
    void opensTheExecLine();
    void openFailures_data();
    void openFailures();
};

void tst_DesktopApplicationLauncher::locations_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("bundleIdentifier");
    QTest::addColumn<QString>("expected"); // file name; empty: not installed
    QTest::newRow("by desktop id") << QStringList{"org.gnome.TextEditor"} << "org.gnome.TextEditor"
                                   << "org.gnome.TextEditor.desktop";
    QTest::newRow("firefox esr") << QStringList{"firefox-esr"} << "org.mozilla.firefox"
                                 << "firefox-esr.desktop";
    QTest::newRow("firefox") << QStringList{"firefox", "firefox-esr"} << "org.mozilla.firefox"
                             << "firefox.desktop";
    QTest::newRow("not installed") << QStringList{"code"} << "com.google.Chrome"
                                   << "";
}

void tst_DesktopApplicationLauncher::locations()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, bundleIdentifier);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString &id : installed)
        QVERIFY(writeDesktopFile(dir.path(), id + u".desktop", "Type=Application\nExec=true\n"));
    const DesktopEntryIndex index({dir.path()});
    const auto location = DesktopApplicationLauncher(index).applicationLocation(bundleIdentifier);
    QCOMPARE(location.value_or(QString()), expected.isEmpty() ? QString() : dir.filePath(expected));
}

void tst_DesktopApplicationLauncher::opensTheExecLine()
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("started"));
    // The field code must not reach the program as an argument.
    QVERIFY(writeDesktopFile(dir.path(), "toucher.desktop",
                             "Type=Application\nExec=touch " + marker.toUtf8() + " %U\n"));
    const DesktopEntryIndex index({dir.path()});
    DesktopApplicationLauncher launcher(index);
    const auto opened =
        launcher.openApplication(dir.filePath(QStringLiteral("toucher.desktop")),
                                 {.activates = false, .addsToRecentItems = false, .hides = true});
    QVERIFY(opened);
    QTRY_VERIFY(QFile::exists(marker));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("%U"))));
}

void tst_DesktopApplicationLauncher::openFailures_data()
{
    QTest::addColumn<QByteArray>("body"); // empty: no file at all
    QTest::newRow("no such program")
        << QByteArray("Type=Application\nExec=no-such-program-halvex %u\n");
    QTest::newRow("no exec line") << QByteArray("Type=Application\nName=Nothing\n");
    QTest::newRow("no file") << QByteArray();
}

void tst_DesktopApplicationLauncher::openFailures()
{
    QFETCH(QByteArray, body);
    QTemporaryDir dir;
    if (!body.isEmpty())
        QVERIFY(writeDesktopFile(dir.path(), "app.desktop", body));
    const DesktopEntryIndex index({dir.path()});
    const auto opened = DesktopApplicationLauncher(index).openApplication(
        dir.filePath(QStringLiteral("app.desktop")), {});
    QVERIFY(!opened);
    QVERIFY(!opened.error().isEmpty());
}

QTEST_GUILESS_MAIN(tst_DesktopApplicationLauncher)
#include "tst_DesktopApplicationLauncher.moc"
