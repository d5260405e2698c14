#include <QTest>

#include "platform/DesktopSettings.h"

using platform::DesktopSettings;
using platform::DesktopSettingsPage;

Q_DECLARE_METATYPE(DesktopSettingsPage)

class tst_DesktopSettings : public QObject {
    Q_OBJECT
private slots:
    void opensTheCurrentDesktopsPanelFirst_data();
    void opensTheCurrentDesktopsPanelFirst();
};

void tst_DesktopSettings::opensTheCurrentDesktopsPanelFirst_data()
{
    QTest::addColumn<DesktopSettingsPage>("page");
    QTest::addColumn<QStringList>("desktops");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("startSucceeds");
    // The program and arguments started, or empty when nothing is.
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("opened");
    using P = DesktopSettingsPage;
    QTest::newRow("GNOME notifications")
        << P::notifications << QStringList{"ubuntu", "GNOME"} << QStringList{"gnome-control-center"}
        << true << QStringList{"/usr/bin/gnome-control-center", "notifications"} << true;
    QTest::newRow("the current desktop wins over another installed one")
        << P::notifications << QStringList{"KDE"}
        << QStringList{"gnome-control-center", "systemsettings"} << true
        << QStringList{"/usr/bin/systemsettings", "kcm_notifications"} << true;
    QTest::newRow("desktop names are matched in any case")
        << P::startupApplications << QStringList{"xfce"}
        << QStringList{"gnome-session-properties", "xfce4-session-settings"} << true
        << QStringList{"/usr/bin/xfce4-session-settings"} << true;
    QTest::newRow("an unknown desktop takes any installed panel")
        << P::notifications << QStringList{"openbox"} << QStringList{"xfce4-notifyd-config"} << true
        << QStringList{"/usr/bin/xfce4-notifyd-config"} << true;
    QTest::newRow("KDE accessibility")
        << P::accessibility << QStringList{"KDE"} << QStringList{"systemsettings"} << true
        << QStringList{"/usr/bin/systemsettings", "kcm_access"} << true;
    QTest::newRow("nothing installed") << P::startupApplications << QStringList{"GNOME"}
                                       << QStringList{} << true << QStringList{} << false;
    QTest::newRow("the panel does not start")
        << P::startupApplications << QStringList{"KDE"} << QStringList{"systemsettings"} << false
        << QStringList{"/usr/bin/systemsettings", "kcm_autostart"} << false;
}

void tst_DesktopSettings::opensTheCurrentDesktopsPanelFirst()
{
    QFETCH(DesktopSettingsPage, page);
    QFETCH(QStringList, desktops);
    QFETCH(QStringList, installed);
    QFETCH(bool, startSucceeds);
    QFETCH(QStringList, started);
    QFETCH(bool, opened);
    QStringList seen;
    const DesktopSettings settings(
        desktops,
        [&](const QString &name) {
            return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        },
        [&](const QString &path, const QStringList &arguments) {
            seen = QStringList{path} + arguments;
            return startSucceeds;
        });
    QCOMPARE(settings.open(page), opened);
    QCOMPARE(seen, started);
}

QTEST_GUILESS_MAIN(tst_DesktopSettings)
#include "tst_DesktopSettings.moc"
