#include <QTemporaryDir>
#include <QTest>

#include "DesktopFiles.h"
#include "platform/ApplicationIdentity.h"

using platform::ApplicationIdentity;
using platform::WindowIdentityHints;

Q_DECLARE_METATYPE(platform::WindowIdentityHints)

class tst_ApplicationIdentity : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void resolve_data();
    void resolve();
    void browsersLaunchUnderTheirDesktopIds_data();
    void browsersLaunchUnderTheirDesktopIds();

private:
    QTemporaryDir m_dir;
    QString m_toolPath;
};

void tst_ApplicationIdentity::initTestCase()
{
    // A program of our own, so matching by executable does not depend on the machine.
    m_toolPath = m_dir.filePath(QStringLiteral("bin/halvex-tool"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("bin")));
    QFile tool(m_toolPath);
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\n");
    tool.close();
    QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QString apps = m_dir.filePath(QStringLiteral("applications"));
    QVERIFY(writeDesktopFile(apps, "org.gnome.TextEditor.desktop",
                             "Type=Application\nName=Text Editor\nExec=gnome-text-editor %U\n"
                             "StartupWMClass=gnome-text-editor\n"));
    QVERIFY(writeDesktopFile(apps, "code.desktop",
                             "Type=Application\nName=Visual Studio Code\nExec=code %F\n"));
    QVERIFY(writeDesktopFile(apps, "firefox-esr.desktop",
                             "Type=Application\nName=Firefox ESR\nExec=firefox-esr %u\n"));
    QVERIFY(writeDesktopFile(apps, "chromium.desktop",
                             "Type=Application\nName=Chromium Web Browser\n"
                             "Exec=/usr/bin/chromium %U\nStartupWMClass=chromium\n"));
    QVERIFY(writeDesktopFile(apps, "tool.desktop",
                             "Type=Application\nName=Tool\nExec=\"" + m_toolPath.toUtf8() +
                                 "\" --run\n"));
}

void tst_ApplicationIdentity::resolve_data()
{
    QTest::addColumn<WindowIdentityHints>("hints");
    QTest::addColumn<QString>("expected");
    auto hints = [](QString appId, QString desktopFile, QString instance, QString cls,
                    QString exe = {}) {
        return WindowIdentityHints{appId, desktopFile, instance, cls, exe};
    };
    QTest::newRow("application id first")
        << hints("org.gnome.Nautilus", "code", "code", "Code") << "org.gnome.Nautilus";
    QTest::newRow("desktop file hint")
        << hints("", "/usr/share/applications/code.desktop", "x", "X") << "code";
    QTest::newRow("startup class, any case")
        << hints("", "", "gnome-text-editor", "Gnome-text-editor") << "org.gnome.TextEditor";
    QTest::newRow("class matches an id") << hints("", "", "code", "Code") << "code";
    QTest::newRow("class matches an id, any case") << hints("", "", "tool", "TOOL") << "tool";
    QTest::newRow("class matches a name")
        << hints("", "", "vscode", "Visual Studio Code") << "code";
    QTest::newRow("firefox presented as its identifier")
        << hints("", "", "Navigator", "firefox-esr") << "org.mozilla.firefox";
    QTest::newRow("chromium, another profile folder, presented as Chrome")
        << hints("", "", "chromium (/tmp/profile)", "Chromium") << "com.google.Chrome";
    QTest::newRow("chrome's own class without a desktop file")
        << hints("", "", "google-chrome", "Google-chrome") << "com.google.Chrome";
    QTest::newRow("brave by its application id")
        << hints("brave-browser.desktop", "", "", "") << "com.brave.Browser";
    QTest::newRow("edge") << hints("", "", "microsoft-edge", "Microsoft-edge")
                          << "com.microsoft.edgemac";
    QTest::newRow("vivaldi") << hints("", "", "vivaldi-stable", "Vivaldi-stable")
                             << "com.vivaldi.Vivaldi";
    QTest::newRow("opera") << hints("", "", "opera", "Opera") << "com.operasoftware.Opera";
    QTest::newRow("unknown class stays") << hints("", "", "xmessage", "Xmessage") << "Xmessage";
    QTest::newRow("instance when no class") << hints("", "", "xclock", "") << "xclock";
    QTest::newRow("nothing known") << hints("", "", "", "") << "";
}

void tst_ApplicationIdentity::resolve()
{
    QFETCH(WindowIdentityHints, hints);
    QFETCH(QString, expected);
    const platform::DesktopEntryIndex index({m_dir.filePath(QStringLiteral("applications"))});
    QCOMPARE(ApplicationIdentity(index).resolve(hints), expected);

    // The executable is consulted only when the window's names match nothing.
    if (hints.wmClassName == u"Xmessage") {
        hints.executable = m_toolPath;
        QCOMPARE(ApplicationIdentity(index).resolve(hints), QStringLiteral("tool"));
    }
}

void tst_ApplicationIdentity::browsersLaunchUnderTheirDesktopIds_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("chrome, then chromium")
        << "com.google.Chrome"
        << QStringList{"com.google.Chrome",  "google-chrome",          "google-chrome-stable",
                       "google-chrome-beta", "google-chrome-unstable", "chromium",
                       "chromium-browser"};
    QTest::newRow("firefox") << "org.mozilla.firefox"
                             << QStringList{"org.mozilla.firefox", "firefox", "firefox-esr"};
    QTest::newRow("another application is its own id") << "code" << QStringList{"code"};
}

void tst_ApplicationIdentity::browsersLaunchUnderTheirDesktopIds()
{
    QFETCH(QString, identifier);
    QFETCH(QStringList, expected);
    QCOMPARE(ApplicationIdentity::desktopIds(identifier), expected);
    for (const QString &id : expected)
        QCOMPARE(ApplicationIdentity::presented(id), identifier);
}

QTEST_GUILESS_MAIN(tst_ApplicationIdentity)
#include "tst_ApplicationIdentity.moc"
