#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "DesktopFiles.h"
#include "platform/DesktopEntry.h"
#include "platform/XdgAutostartEntry.h"

using platform::LoginItemError;
using platform::LoginItemStatus;
using platform::XdgAutostartEntry;

Q_DECLARE_METATYPE(LoginItemStatus)

class tst_XdgAutostartEntry : public QObject {
    Q_OBJECT
private slots:
    void init();
    void quotesExecAsTheDesktopReadsIt_data();
    void quotesExecAsTheDesktopReadsIt();
    void registeringWritesAValidEntryAndUnregisteringRemovesIt();
    void statusOfWhatIsOnDisk_data();
    void statusOfWhatIsOnDisk();
    void failuresCarryTheirCase_data();
    void failuresCarryTheirCase();

private:
    XdgAutostartEntry entry(const QString &executable) const
    {
        return XdgAutostartEntry(
            {m_folder, QStringLiteral("com.example.app"), QStringLiteral("Example"), executable});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_XdgAutostartEntry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->filePath(QStringLiteral("config/autostart"));
}

void tst_XdgAutostartEntry::quotesExecAsTheDesktopReadsIt_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << QStringList{"/usr/bin/halvex", "--launched-at-login"}
                           << "/usr/bin/halvex --launched-at-login";
    QTest::newRow("space") << QStringList{"/opt/My Apps/halvex"} << "\"/opt/My Apps/halvex\"";
    QTest::newRow("escaped inside quotes") << QStringList{"/opt/a\"b`c$d\\e f/halvex"}
                                           << "\"/opt/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e f/halvex\"";
    QTest::newRow("reserved without escape")
        << QStringList{"/opt/it's(1)/halvex"} << "\"/opt/it's(1)/halvex\"";
    QTest::newRow("percent doubled") << QStringList{"/opt/100%/halvex"} << "/opt/100%%/halvex";
    QTest::newRow("percent doubled inside quotes")
        << QStringList{"/opt/100% sure/halvex"} << "\"/opt/100%% sure/halvex\"";
    QTest::newRow("empty argument") << QStringList{"/usr/bin/halvex", ""} << "/usr/bin/halvex \"\"";
    QTest::newRow("tab") << QStringList{"/opt/a\tb/halvex"} << "\"/opt/a\\tb/halvex\"";
}

void tst_XdgAutostartEntry::quotesExecAsTheDesktopReadsIt()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, value);
    QCOMPARE(XdgAutostartEntry::execValue(arguments), value);
    // Read back as the desktop would: the value's escapes, then Exec quoting.
    const auto read = platform::DesktopEntry::parse(
        "[Desktop Entry]\nExec=" + value.toUtf8() + '\n', QStringLiteral("x"), QString());
    QVERIFY(read);
    QCOMPARE(read->commandLine(), arguments);
}

void tst_XdgAutostartEntry::registeringWritesAValidEntryAndUnregisteringRemovesIt()
{
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-utils is installed by scripts/setup --test");
    // An executable path the quoting has to work for.
    const QString executable = m_dir->filePath(QStringLiteral("My Apps/100% $hal\"vex"));
    QVERIFY(writeDesktopFile(QFileInfo(executable).absolutePath(), QFileInfo(executable).fileName(),
                             {}));
    QVERIFY(QFile::setPermissions(executable, QFile::ReadOwner | QFile::ExeOwner));

    XdgAutostartEntry item = entry(executable);
    QCOMPARE(item.status(), LoginItemStatus::notRegistered);
    QVERIFY(item.registerItem());
    QCOMPARE(item.path(), m_folder + QStringLiteral("/com.example.app.desktop"));
    QCOMPARE(item.status(), LoginItemStatus::enabled);

    QProcess validate;
    validate.start(validator, {item.path()});
    QVERIFY(validate.waitForFinished(30000));
    const QByteArray complaints =
        validate.readAllStandardOutput() + validate.readAllStandardError();
    QVERIFY2(validate.exitCode() == 0 && !complaints.contains("error"), complaints.constData());

    const auto written = platform::DesktopEntry::load(item.path(), QStringLiteral("x"));
    QVERIFY(written);
    QCOMPARE(written->name(), QStringLiteral("Example"));
    QCOMPARE(written->commandLine(),
             (QStringList{executable, QString::fromLatin1(platform::loginLaunchArgument)}));

    // Registering again rewrites; unregistering twice is no failure.
    QVERIFY(item.registerItem());
    QVERIFY(item.unregisterItem());
    QVERIFY(!QFile::exists(item.path()));
    QVERIFY(item.unregisterItem());
    QCOMPARE(item.status(), LoginItemStatus::notRegistered);
}

void tst_XdgAutostartEntry::statusOfWhatIsOnDisk_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<LoginItemStatus>("status");
    QTest::newRow("present") << QByteArray("Type=Application\nExec=sh -c true\n")
                             << LoginItemStatus::enabled;
    QTest::newRow("hidden by the user")
        << QByteArray("Type=Application\nExec=sh -c true\nHidden=true\n")
        << LoginItemStatus::notRegistered;
    QTest::newRow("program gone")
        << QByteArray("Type=Application\nExec=/nonexistent/halvex --launched-at-login\n")
        << LoginItemStatus::notFound;
    // As the desktop's startup-applications settings leave an entry turned off.
    QTest::newRow("switched off by the desktop")
        << QByteArray("Type=Application\nExec=sh -c true\nX-GNOME-Autostart-enabled=false\n")
        << LoginItemStatus::notRegistered;
    QTest::newRow("switched off by the desktop, as a number")
        << QByteArray("Type=Application\nExec=sh -c true\nX-GNOME-Autostart-enabled=0\n")
        << LoginItemStatus::notRegistered;
    QTest::newRow("switched on by the desktop, hidden by the user")
        << QByteArray("Type=Application\nExec=sh -c true\nX-GNOME-Autostart-enabled=true\n"
                      "Hidden=true\n")
        << LoginItemStatus::notRegistered;
    QTest::newRow("both switches on")
        << QByteArray("Type=Application\nExec=sh -c true\nX-GNOME-Autostart-enabled=true\n"
                      "Hidden=false\n")
        << LoginItemStatus::enabled;
}

// Whatever is on disk, turning launch at login on leaves an entry that the
// session starts: on by both switches.
void tst_XdgAutostartEntry::statusOfWhatIsOnDisk()
{
    QFETCH(QByteArray, body);
    QFETCH(LoginItemStatus, status);
    QVERIFY(writeDesktopFile(m_folder, QStringLiteral("com.example.app.desktop"), body));
    XdgAutostartEntry item = entry(QStringLiteral("/bin/sh"));
    QCOMPARE(item.status(), status);

    QVERIFY(item.registerItem());
    QCOMPARE(item.status(), LoginItemStatus::enabled);
    const auto written = platform::DesktopEntry::load(item.path(), QStringLiteral("x"));
    QVERIFY(written);
    QVERIFY(!written->hidden());
    QVERIFY(written->autostartEnabled());
}

void tst_XdgAutostartEntry::failuresCarryTheirCase_data()
{
    QTest::addColumn<bool>("executableExists");
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<int>("code");
    QTest::newRow("executable missing") << false << false << LoginItemError::notFoundCode;
    QTest::newRow("cannot write") << true << true << LoginItemError::writeFailedCode;
}

void tst_XdgAutostartEntry::failuresCarryTheirCase()
{
    QFETCH(bool, executableExists);
    QFETCH(bool, folderIsAFile);
    QFETCH(int, code);
    if (folderIsAFile)
        QVERIFY(writeDesktopFile(m_dir->filePath(QStringLiteral("config")), "autostart", {}));
    const QString executable = executableExists ? QStringLiteral("/bin/sh")
                                                : m_dir->filePath(QStringLiteral("gone/halvex"));
    const auto done = entry(executable).registerItem();
    QVERIFY(!done);
    QCOMPARE(done.error().code, code);
    QVERIFY(!done.error().description.isEmpty());
}

QTEST_GUILESS_MAIN(tst_XdgAutostartEntry)
#include "tst_XdgAutostartEntry.moc"
