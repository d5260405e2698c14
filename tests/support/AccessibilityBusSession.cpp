#include "AccessibilityBusSession.h"

#include <unistd.h>

#include <vector>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QTest>

#include "platform/X11Connection.h"

namespace testing {

namespace {
const char *insideMarker = "HALVEX_PRIVATE_ACCESSIBILITY_SESSION";
const QString launcherPath = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
constexpr int startTimeoutMs = 15000;

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
} // namespace

void AccessibilityBusSession::enter(int argc, char **argv)
{
    if (isInside())
        return;
    setenv(insideMarker, "1", 1);
    // The launcher mirrors its switch into the desktop settings: keep them in memory.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    unsetenv("AT_SPI_BUS_ADDRESS");
    std::vector<char *> arguments;
    arguments.push_back(const_cast<char *>("dbus-run-session"));
    arguments.push_back(const_cast<char *>("--"));
    for (int i = 0; i < argc; ++i)
        arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    execvp("dbus-run-session", arguments.data());
    // Not there: run as we are; start() reports the missing session.
    unsetenv(insideMarker);
}

bool AccessibilityBusSession::isInside()
{
    return qEnvironmentVariableIsSet(insideMarker);
}

AccessibilityBusSession::~AccessibilityBusSession()
{
    stop(m_launcher);
}

bool AccessibilityBusSession::start(QString *why)
{
    if (!isInside()) {
        *why = QStringLiteral("no private D-Bus session (dbus-run-session missing)");
        return false;
    }
    if (!QFileInfo::exists(launcherPath)) {
        *why = QStringLiteral("at-spi-bus-launcher missing: install at-spi2-core");
        return false;
    }
    QDBusConnection session = QDBusConnection::sessionBus();
    m_launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_launcher.start(launcherPath, {QStringLiteral("--launch-immediately")});
    if (!m_launcher.waitForStarted(startTimeoutMs)) {
        *why = QStringLiteral("at-spi-bus-launcher did not start");
        return false;
    }
    const bool registered = QTest::qWaitFor(
        [&] { return session.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")); },
        startTimeoutMs);
    if (!registered) {
        *why = QStringLiteral("at-spi-bus-launcher did not take its name");
        return false;
    }
    const QDBusMessage reply =
        session.call(QDBusMessage::createMethodCall(
                         QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                         QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
                     QDBus::Block, startTimeoutMs);
    m_address = reply.arguments().value(0).toString();
    if (m_address.isEmpty()) {
        *why = QStringLiteral("no accessibility bus address: ") + reply.errorMessage();
        return false;
    }
    return true;
}

bool AccessibilityBusSession::ensureWindowManager(QString *why)
{
    *why = m_windowManager.ensureRunning(false);
    return why->isEmpty();
}

QProcessEnvironment AccessibilityBusSession::applicationEnvironment() const
{
    // They find the bus through the session, as on a desktop; an address
    // given outright makes some toolkits skip registering with the registry.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    return environment;
}

} // namespace testing
