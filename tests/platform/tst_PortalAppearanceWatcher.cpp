#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>

#include "SessionBus.h"
#include "platform/PortalAppearanceWatcher.h"

using platform::PortalAppearanceWatcher;

class tst_PortalAppearanceWatcher : public QObject {
    Q_OBJECT
private slots:
    void announcesOnlyTheColourScheme();
};

void tst_PortalAppearanceWatcher::announcesOnlyTheColourScheme()
{
    testing::SessionBus bus;
    const QString why = bus.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    PortalAppearanceWatcher watcher(bus.connection());
    QSignalSpy changed(&watcher, &PortalAppearanceWatcher::changed);

    // The portal as another client of the bus.
    QDBusConnection portal = QDBusConnection::connectToBus(bus.address(), "portal");
    QVERIFY(portal.isConnected());
    const auto announce = [&](const char *settingsNamespace, const char *key) {
        QDBusMessage signal = QDBusMessage::createSignal(
            "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings", "SettingChanged");
        signal << QString::fromLatin1(settingsNamespace) << QString::fromLatin1(key)
               << QVariant::fromValue(QDBusVariant(uint(1)));
        return portal.send(signal);
    };
    QVERIFY(announce("org.gnome.desktop.interface", "color-scheme"));
    QVERIFY(announce("org.freedesktop.appearance", "accent-color"));
    QVERIFY(announce("org.freedesktop.appearance", "color-scheme"));
    QTRY_COMPARE(changed.size(), 1);
    // The others came first on the same connection, so they were heard and passed over.
    QVERIFY(announce("org.freedesktop.appearance", "color-scheme"));
    QTRY_COMPARE(changed.size(), 2);
    QDBusConnection::disconnectFromBus("portal");
}

QTEST_GUILESS_MAIN(tst_PortalAppearanceWatcher)
#include "tst_PortalAppearanceWatcher.moc"
