#include <cstdio>

#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "SessionBus.h"
#include "platform/LocalTimeZoneWatcher.h"

using platform::LocalTimeZoneWatcher;

namespace {

const QString database = QStringLiteral("/usr/share/zoneinfo/");

// A folder standing in for /etc, whose "localtime" links into the zone
// database as the system's does.
struct Etc {
    QTemporaryDir root;
    QString localtime() const { return root.filePath("etc/localtime"); }

    Etc() { QDir(root.path()).mkpath("etc"); }
    // Replaced as tools do it: a new link renamed over the old one.
    bool link(const QString &target, const QString &at = {}) const
    {
        const QString path = at.isEmpty() ? localtime() : at;
        const QString fresh = path + u".new";
        return QFile::link(target, fresh) &&
               std::rename(QFile::encodeName(fresh), QFile::encodeName(path)) == 0;
    }
};

} // namespace

class tst_LocalTimeZoneWatcher : public QObject {
    Q_OBJECT
private slots:
    void readsTZBeforeTheLink_data();
    void readsTZBeforeTheLink();
    void followsTheLinkReplaced();
    void hearsTimedate();
};

void tst_LocalTimeZoneWatcher::readsTZBeforeTheLink_data()
{
    QTest::addColumn<QByteArray>("tz");
    QTest::addColumn<QString>("link"); // where etc/localtime points
    QTest::addColumn<QByteArray>("zone");
    const QString berlin = database + u"Europe/Berlin";
    QTest::newRow("the link") << QByteArray() << berlin << QByteArray("Europe/Berlin");
    QTest::newRow("a link Qt does not list")
        << QByteArray() << database + u"Etc/UTC" << QByteArray("Etc/UTC");
    QTest::newRow("TZ wins") << QByteArray("Asia/Tokyo") << berlin << QByteArray("Asia/Tokyo");
    QTest::newRow("TZ with a colon")
        << QByteArray(":America/New_York") << berlin << QByteArray("America/New_York");
    QTest::newRow("TZ as a path into the database")
        << QByteArray(":/usr/share/zoneinfo/Australia/Sydney") << berlin
        << QByteArray("Australia/Sydney");
    QTest::newRow("TZ as a path into the posix tree")
        << QByteArray("/usr/share/zoneinfo/posix/Asia/Tokyo") << berlin << QByteArray("Asia/Tokyo");
    QTest::newRow("TZ naming the default file")
        << QByteArray(":/etc/localtime") << berlin << QByteArray("Europe/Berlin");
    QTest::newRow("TZ naming no zone")
        << QByteArray("Nowhere/Else") << berlin << QByteArray("Europe/Berlin");
}

void tst_LocalTimeZoneWatcher::readsTZBeforeTheLink()
{
    QFETCH(QByteArray, tz);
    QFETCH(QString, link);
    Etc etc;
    QVERIFY(etc.link(link));
    QTEST(LocalTimeZoneWatcher::read(tz, etc.localtime()).id(), "zone");
}

void tst_LocalTimeZoneWatcher::followsTheLinkReplaced()
{
    Etc etc;
    QVERIFY(etc.link(database + u"Europe/Berlin"));
    LocalTimeZoneWatcher watcher({}, etc.localtime(), QDBusConnection(QString()));
    QSignalSpy changed(&watcher, &LocalTimeZoneWatcher::changed);
    QCOMPARE(watcher.zone().id(), QByteArray("Europe/Berlin"));

    QVERIFY(etc.link(database + u"Asia/Tokyo"));
    QTRY_COMPARE(watcher.zone().id(), QByteArray("Asia/Tokyo"));
    QCOMPARE(changed.size(), 1);
    // Taken away and made again, as `ln -sf` does: still watched.
    QVERIFY(QFile::remove(etc.localtime()));
    QVERIFY(QFile::link(database + u"America/New_York", etc.localtime()));
    QTRY_COMPARE(watcher.zone().id(), QByteArray("America/New_York"));
    QCOMPARE(changed.size(), 2);
}

void tst_LocalTimeZoneWatcher::hearsTimedate()
{
    testing::SessionBus bus;
    const QString why = bus.start();
    QVERIFY2(why.isEmpty(), qPrintable(why));
    // A change the file watch cannot see: the link's own target moves.
    Etc etc;
    const QString current = etc.root.filePath("current");
    QVERIFY(etc.link(database + u"Europe/Berlin", current));
    QVERIFY(etc.link(current));
    LocalTimeZoneWatcher watcher({}, etc.localtime(), bus.connection());
    QSignalSpy changed(&watcher, &LocalTimeZoneWatcher::changed);
    QCOMPARE(watcher.zone().id(), QByteArray("Europe/Berlin"));
    QVERIFY(etc.link(database + u"Asia/Tokyo", current));

    // timedated as another client of the bus.
    QDBusConnection timedate = QDBusConnection::connectToBus(bus.address(), "timedate");
    QVERIFY(timedate.isConnected());
    QDBusMessage signal = QDBusMessage::createSignal(
        LocalTimeZoneWatcher::timedatePath, "org.freedesktop.DBus.Properties", "PropertiesChanged");
    signal << LocalTimeZoneWatcher::timedateInterface
           << QVariantMap{{"Timezone", QStringLiteral("Asia/Tokyo")}} << QStringList();
    QVERIFY(timedate.send(signal));
    QTRY_COMPARE(watcher.zone().id(), QByteArray("Asia/Tokyo"));
    QCOMPARE(changed.size(), 1);
    QDBusConnection::disconnectFromBus("timedate");
}

QTEST_GUILESS_MAIN(tst_LocalTimeZoneWatcher)
#include "tst_LocalTimeZoneWatcher.moc"
