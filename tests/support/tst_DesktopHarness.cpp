// The desktop harness itself: each piece is proven against the real program
// it starts, so that a test built on it fails for its own reasons only.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include "DesktopHarness.h"

using testing::DesktopHarness;
using testing::SessionBus;

namespace {

const QString notifications = QStringLiteral("org.freedesktop.Notifications");
const QString secrets = QStringLiteral("org.freedesktop.secrets");

QDBusMessage notificationCall(const char *method)
{
    return QDBusMessage::createMethodCall(notifications,
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          notifications, QString::fromLatin1(method));
}

QStringList activatableNames(const QDBusConnection &bus)
{
    const QDBusReply<QStringList> reply = bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListActivatableNames")));
    return reply.value();
}

} // namespace

class tst_DesktopHarness : public QObject {
    Q_OBJECT
private slots:
    void programsGetThePrivateBusAndATemporaryHome();
    void busesActivateOnlyWhenAsked_data();
    void busesActivateOnlyWhenAsked();
    void helperWindowIsFoundAndPhotographed();
    void trayHostEmbedsAnIconThatTakesClicks();
    void notificationServerAnswersAndDunstctlSeesIt();
    void secretServiceKeepsASecret();
    void accessibilityBusIsHandedOut();
    void servicesEndWithTheHarness();

private:
    std::unique_ptr<DesktopHarness> m_desktop = std::make_unique<DesktopHarness>();
};

void tst_DesktopHarness::programsGetThePrivateBusAndATemporaryHome()
{
    SessionBus *bus = m_desktop->bus();
    QVERIFY(bus && bus->isRunning());
    const QString id = bus->id(bus->connection());
    QVERIFY(!id.isEmpty());
    QCOMPARE(bus->id(QDBusConnection::sessionBus()), id);

    const auto shown =
        m_desktop->runTool(QStringLiteral("sh"),
                           {QStringLiteral("-c"),
                            QStringLiteral("echo \"$HOME|$XDG_CONFIG_HOME|$XDG_CURRENT_DESKTOP\"; "
                                           "dbus-send --session --print-reply "
                                           "--dest=org.freedesktop.DBus /org/freedesktop/DBus "
                                           "org.freedesktop.DBus.GetId")});
    QVERIFY(shown);
    const QString home = m_desktop->homePath();
    QVERIFY(shown->startsWith((home + u'|' + home + "/.config|GNOME\n").toUtf8()));
    QVERIFY(shown->contains(id.toUtf8()));
    QVERIFY(home != QDir::homePath());
}

void tst_DesktopHarness::busesActivateOnlyWhenAsked_data()
{
    QTest::addColumn<SessionBus::Activation>("activation");
    QTest::newRow("no service folders") << SessionBus::Activation::none;
    QTest::newRow("standard service folders") << SessionBus::Activation::standard;
}

void tst_DesktopHarness::busesActivateOnlyWhenAsked()
{
    QFETCH(SessionBus::Activation, activation);
    SessionBus bus;
    QCOMPARE(bus.start(activation), QString());
    const bool standard = activation == SessionBus::Activation::standard;
    // The packages of the notification server and keyring install activation files.
    const QStringList activatable = activatableNames(bus.connection());
    QCOMPARE(activatable.contains(notifications), standard);
    QCOMPARE(activatable.contains(secrets), standard);
    if (!standard) {
        const QDBusMessage reply = bus.connection().call(notificationCall("GetServerInformation"));
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"));
        QVERIFY(!bus.hasOwner(notifications));
    }
    // The process's bus is made the same way, without service folders.
    QVERIFY(!activatableNames(QDBusConnection::sessionBus()).contains(notifications));
}

void tst_DesktopHarness::helperWindowIsFoundAndPhotographed()
{
    QCOMPARE(m_desktop->startWindowManager(), QString());
    QProcess *helper = m_desktop->startHelperWindow(
        {QStringLiteral("HarnessHelper"), QStringLiteral("helper window"), QSize(320, 200),
         QColor(0x1f8a70), QStringLiteral("Helper")});
    QVERIFY(helper);
    const auto byClass = m_desktop->waitForWindow({.windowClass = QStringLiteral("harnesshelper")});
    QVERIFY(byClass);
    QCOMPARE(m_desktop->findWindow({.title = QStringLiteral("helper window")}), byClass);
    QCOMPARE(m_desktop->findWindow({.windowClass = QStringLiteral("HarnessHelper"),
                                    .processIdentifier = helper->processId()}),
             byClass);
    QVERIFY(!m_desktop->findWindow({.windowClass = QStringLiteral("HarnessHelper"),
                                    .processIdentifier = helper->processId() + 1}));

    const QRect frame = m_desktop->frame(*byClass);
    QCOMPARE(frame.size(), QSize(320, 200));
    // Painted in its colour once it is on screen.
    QString path;
    QTRY_VERIFY((path = m_desktop->screenshot(QStringLiteral("harness-helper"), *byClass),
                 QImage(path).pixelColor(4, 4) == QColor(0x1f8a70)));
    QCOMPARE(QImage(path).size(), frame.size());
    const QImage screen(m_desktop->screenshot(QStringLiteral("harness-screen")));
    // The whole screen, whatever size the display was given.
    QCOMPARE(screen.size(), m_desktop->screenSize());
    QCOMPARE(screen.pixelColor(frame.topLeft() + QPoint(4, 4)), QColor(0x1f8a70));
}

void tst_DesktopHarness::trayHostEmbedsAnIconThatTakesClicks()
{
    // Shown first, the icon is docked once, when the tray host announces itself.
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(0xfd7400));
    QSystemTrayIcon icon{QIcon(pixmap)};
    QSignalSpy activated(&icon, &QSystemTrayIcon::activated);
    icon.show();
    QVERIFY(!m_desktop->trayOwner());
    QCOMPARE(m_desktop->startTrayHost(), QString());
    QVERIFY(m_desktop->trayOwner());

    // The icon's window is embedded in the tray host's, found all the same.
    const auto window =
        m_desktop->waitForWindow({.windowClass = QCoreApplication::applicationName(),
                                  .processIdentifier = QCoreApplication::applicationPid()});
    QVERIFY(window);
    const QRect frame = m_desktop->frame(*window);
    QVERIFY(frame.isValid() && frame.top() < 32);
    QVERIFY(m_desktop->click(frame.center()));
    QTRY_COMPARE(activated.size(), 1);
    QCOMPARE(activated.first().first().value<QSystemTrayIcon::ActivationReason>(),
             QSystemTrayIcon::Trigger);
    QVERIFY(!m_desktop->screenshot(QStringLiteral("harness-tray")).isEmpty());
}

void tst_DesktopHarness::notificationServerAnswersAndDunstctlSeesIt()
{
    QCOMPARE(m_desktop->startNotificationServer(), QString());
    const QDBusMessage info =
        m_desktop->bus()->connection().call(notificationCall("GetServerInformation"));
    QCOMPARE(info.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(info.arguments().value(0).toString(), QStringLiteral("dunst"));

    QCOMPARE(m_desktop->runTool(QStringLiteral("dunstctl"),
                                {QStringLiteral("count"), QStringLiteral("displayed")}),
             std::optional(QByteArray("0\n")));
    QDBusMessage notify = notificationCall("Notify");
    notify << QStringLiteral("harness") << uint(0) << QString() << QStringLiteral("Hello")
           << QStringLiteral("from the harness") << QStringList() << QVariantMap() << int(-1);
    QCOMPARE(QDBusConnection::sessionBus().call(notify).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE(m_desktop->runTool(QStringLiteral("dunstctl"),
                                    {QStringLiteral("count"), QStringLiteral("displayed")}),
                 std::optional(QByteArray("1\n")));
}

void tst_DesktopHarness::secretServiceKeepsASecret()
{
    QCOMPARE(m_desktop->startSecretService(), QString());
    QVERIFY(m_desktop->bus()->hasOwner(secrets));
    const QStringList attributes{QStringLiteral("service"), QStringLiteral("harness"),
                                 QStringLiteral("account"), QStringLiteral("tester")};
    QVERIFY(m_desktop->runTool(
        QStringLiteral("secret-tool"),
        QStringList{QStringLiteral("store"), QStringLiteral("--label=harness")} + attributes,
        "open sesame"));
    QCOMPARE(m_desktop->runTool(QStringLiteral("secret-tool"),
                                QStringList{QStringLiteral("lookup")} + attributes),
             std::optional(QByteArray("open sesame")));
}

void tst_DesktopHarness::accessibilityBusIsHandedOut()
{
    QCOMPARE(m_desktop->startAccessibilityBus(), QString());
    QVERIFY(m_desktop->accessibilityBusAddress().startsWith(QStringLiteral("unix:")));
    QVERIFY(m_desktop->accessibilityLauncherProcessIdentifier() > 0);
    QDBusConnection accessibility =
        QDBusConnection::connectToBus(m_desktop->accessibilityBusAddress(), "harness-a11y");
    QVERIFY(accessibility.isConnected());
    QDBusConnection::disconnectFromBus("harness-a11y");
}

void tst_DesktopHarness::servicesEndWithTheHarness()
{
    // The class's own harness holds the services: a second cannot take them.
    QVERIFY(!DesktopHarness().startNotificationServer().isEmpty());
    m_desktop = std::make_unique<DesktopHarness>();
    QTRY_VERIFY(!m_desktop->bus()->hasOwner(notifications));
    QTRY_VERIFY(!m_desktop->bus()->hasOwner(secrets));
    QTRY_VERIFY(!m_desktop->trayOwner());
    QCOMPARE(m_desktop->startNotificationServer(), QString());
}

int main(int argc, char **argv)
{
    return DesktopHarness::run<tst_DesktopHarness>(argc, argv,
                                                   {QStringLiteral("HalvexHarnessProbe")});
}

#include "tst_DesktopHarness.moc"
