#include "DesktopHarness.h"

#include <algorithm>

#include <QApplication>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include "DesktopFiles.h"
#include "Screenshots.h"
#include "platform/X11Connection.h"
#include "platform/XcbReply.h"

namespace testing {

namespace {

const char *helperArgument = "--desktop-harness-helper-window";
constexpr int startTimeoutMs = 15000;
// The desktop programs started here believe they run on; keychain clients
// choose their backend by it.
const char *pinnedDesktop = "GNOME";

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

// The window a helper process shows: coloured, with a large text in the middle.
int runHelperWindow(int argc, char **argv)
{
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 2; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (arguments.size() < 6)
        qFatal("helper window: class, title, width, height, colour and text expected");
    QCoreApplication::setApplicationName(arguments[0]);
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(arguments[1]);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(arguments[4]));
    window.setPalette(palette);
    if (!arguments[5].isEmpty()) {
        auto *layout = new QVBoxLayout(&window);
        auto *label = new QLabel(arguments[5], &window);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText,
                      QColor(arguments[4]).lightness() < 128 ? Qt::white : Qt::black);
        label->setPalette(text);
        QFont font = label->font();
        font.setPixelSize(48);
        label->setFont(font);
        layout->addWidget(label, 0, Qt::AlignCenter);
    }
    window.resize(arguments[2].toInt(), arguments[3].toInt());
    // A new window gets the focus; asking for it as well could take it back
    // later from whatever the test brought to the front meanwhile.
    window.show();
    return app.exec();
}

// The dummy driver's X server: RandR outputs of whatever modes a test asks
// for, where Xvfb keeps the one screen it was started with. No input devices
// of its own: the tests' pointer and keys go through XTest.
const char *resizableServerConfiguration = R"(Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3840 2160
    EndSubSection
EndSection
)";
constexpr int dummyOutputs = 16;
const QSize defaultMonitor(1280, 800);
// Whether this process's display is the dummy driver's.
bool displayIsResizable = false;

// The display number a server started with -displayfd 1 writes on its first line.
QString readDisplayNumber(QProcess &server, const QString &name)
{
    QByteArray line;
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!line.endsWith('\n') && !deadline.hasExpired() && server.state() == QProcess::Running) {
        if (server.waitForReadyRead(int(deadline.remainingTime())))
            line += server.readLine();
    }
    bool ok = false;
    const int display = line.trimmed().toInt(&ok);
    if (!ok)
        return name + QStringLiteral(" named no display");
    qputenv("DISPLAY", ":" + QByteArray::number(display));
    return {};
}

// Xvfb on a display number it picks itself.
QString startDisplay(QProcess &server)
{
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.setStandardErrorFile(QProcess::nullDevice());
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    if (!server.waitForStarted(startTimeoutMs))
        return QStringLiteral("Xvfb could not be started: install xvfb");
    return readDisplayNumber(server, QStringLiteral("Xvfb"));
}

// Runs xrandr on $DISPLAY: empty when it succeeded, else what it said.
QString xrandr(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("xrandr"), arguments);
    if (!process.waitForStarted(startTimeoutMs))
        return QStringLiteral("xrandr could not be started: install x11-xserver-utils");
    if (!process.waitForFinished(startTimeoutMs))
        return QStringLiteral("xrandr did not finish");
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {};
    return QStringLiteral("xrandr ") + arguments.join(u' ') + QStringLiteral(": ") +
           QString::fromLocal8Bit(process.readAll()).trimmed();
}

// Lays the dummy driver's outputs out as monitors side by side; the server
// takes the layout at once, the window manager a moment later.
QString layOutMonitors(const QList<QSize> &sizes)
{
    if (sizes.isEmpty() || sizes.size() > dummyOutputs)
        return QStringLiteral("between 1 and %1 monitors").arg(dummyOutputs);
    int width = 0;
    int height = 0;
    for (const QSize &size : sizes) {
        width += size.width();
        height = std::max(height, size.height());
    }
    QStringList layout{QStringLiteral("--fb"), QStringLiteral("%1x%2").arg(width).arg(height)};
    int x = 0;
    for (int i = 0; i < dummyOutputs; ++i) {
        const QString output = QStringLiteral("DUMMY%1").arg(i);
        layout << QStringLiteral("--output") << output;
        if (i >= sizes.size()) {
            layout << QStringLiteral("--off");
            continue;
        }
        const QSize size = sizes.at(i);
        const QString mode = QStringLiteral("halvex-%1x%2").arg(size.width()).arg(size.height());
        // 60 Hz; the driver takes any timing inside its monitor's ranges. A
        // mode made or added before makes these fail, which is fine.
        const int horizontal = size.width() + 160;
        const int vertical = size.height() + 30;
        const auto n = [](int value) { return QString::number(value); };
        xrandr({QStringLiteral("--newmode"), mode,
                QString::number(60.0 * horizontal * vertical / 1e6, 'f', 2), n(size.width()),
                n(size.width() + 48), n(size.width() + 80), n(horizontal), n(size.height()),
                n(size.height() + 3), n(size.height() + 8), n(vertical)});
        xrandr({QStringLiteral("--addmode"), output, mode});
        layout << QStringLiteral("--mode") << mode << QStringLiteral("--pos")
               << QStringLiteral("%1x0").arg(x);
        if (i == 0)
            layout << QStringLiteral("--primary");
        x += size.width();
    }
    return xrandr(layout);
}

// Xorg with the dummy driver on a display number it picks itself, as one
// monitor of the size Xvfb is given.
QString startResizableDisplay(QProcess &server, const QString &folder)
{
    const QString configuration = folder + QStringLiteral("/xorg.conf");
    QFile file(configuration);
    if (!file.open(QIODevice::WriteOnly) || file.write(resizableServerConfiguration) < 0)
        return QStringLiteral("cannot write ") + configuration;
    file.close();
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.setStandardErrorFile(QProcess::nullDevice());
    server.start(QStringLiteral("Xorg"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-config"),
                  configuration, QStringLiteral("-logfile"), folder + QStringLiteral("/Xorg.log"),
                  QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                  QStringLiteral("-novtswitch"), QStringLiteral("-sharevts")});
    if (!server.waitForStarted(startTimeoutMs))
        return QStringLiteral(
            "Xorg could not be started: install xserver-xorg-core and xserver-xorg-video-dummy");
    if (const QString why = readDisplayNumber(server, QStringLiteral("Xorg")); !why.isEmpty())
        return why + QStringLiteral(" (its log: ") + folder + QStringLiteral("/Xorg.log)");
    displayIsResizable = true;
    return layOutMonitors({defaultMonitor});
}

} // namespace

int DesktopHarness::runMain(int argc, char **argv, const RunOptions &options,
                            const std::function<int()> &runTest)
{
    if (argc > 1 && qstrcmp(argv[1], helperArgument) == 0)
        return runHelperWindow(argc, argv);

    // The accessibility bus launcher mirrors its switch into the desktop
    // settings: keep them in memory. Clients find that bus through ours.
    qputenv("GSETTINGS_BACKEND", "memory");
    qunsetenv("AT_SPI_BUS_ADDRESS");
    // These tests are about X11, whatever the caller's platform is.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QProcess server;
    QTemporaryDir serverFiles;
    if (options.resizableDisplay || qEnvironmentVariableIsEmpty("DISPLAY")) {
        const QString why = options.resizableDisplay
                                ? startResizableDisplay(server, serverFiles.path())
                                : startDisplay(server);
        if (!why.isEmpty()) {
            qCritical("%s", qPrintable(why));
            stop(server);
            return 1;
        }
    }
    SessionBus bus;
    if (const QString why = bus.start(options.activation); !why.isEmpty()) {
        qCritical("%s", qPrintable(why));
        stop(server);
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
    SessionBus::setOfProcess(&bus);

    int code = 0;
    {
        if (!options.applicationName.isEmpty())
            QCoreApplication::setApplicationName(options.applicationName);
        QApplication app(argc, argv);
        code = runTest();
    }
    bus.stop();
    stop(server);
    return code;
}

// A short name: the sockets programs make under this home (Chromium's
// singleton in its TMPDIR, the buses in its runtime folder) must fit in the
// 107 bytes of a socket's path even when the caller's TMPDIR is long.
DesktopHarness::DesktopHarness() : m_home(QDir::tempPath() + QStringLiteral("/hx-XXXXXX"))
{
    const QString runtime = m_home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(applicationsPath());
    QDir().mkpath(m_home.filePath(QStringLiteral("tmp")));
}

DesktopHarness::~DesktopHarness()
{
    for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it)
        stop(**it);
    m_processes.clear();
}

platform::X11Connection &DesktopHarness::x11() const
{
    if (!m_x11)
        m_x11 = std::make_unique<platform::X11Connection>();
    return *m_x11;
}

QString DesktopHarness::startWindowManager()
{
    return m_windowManager.ensureRunning();
}

QString DesktopHarness::startService(const QString &what, const QString &program,
                                     const QStringList &arguments, const QByteArray &input,
                                     const std::function<bool()> &ready)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(startTimeoutMs))
        return what + QStringLiteral(" could not be started: is ") + program + " installed?";
    if (!input.isNull()) {
        process->write(input);
        process->closeWriteChannel();
    }
    QProcess *started = process.get();
    m_processes.push_back(std::move(process));
    if (!QTest::qWaitFor([&] { return started->state() != QProcess::Running || ready(); },
                         startTimeoutMs) ||
        started->state() != QProcess::Running)
        return what + QStringLiteral(" did not come up");
    return {};
}

QString DesktopHarness::startBusService(QProcess *&slot, const QString &name,
                                        const QString &program, const QStringList &arguments,
                                        const QByteArray &input)
{
    if (slot)
        return {};
    if (!bus())
        return QStringLiteral("no private session bus: run the test with DesktopHarness::run");
    if (bus()->hasOwner(name))
        return name + QStringLiteral(" is already taken");
    if (const QString why =
            startService(program, program, arguments, input, [&] { return bus()->hasOwner(name); });
        !why.isEmpty())
        return why;
    slot = m_processes.back().get();
    if (bus()->ownerProcessIdentifier(name) != slot->processId())
        return QStringLiteral("another process took ") + name;
    return {};
}

QString DesktopHarness::startAccessibilityBus()
{
    if (m_accessibilityLauncher)
        return {};
    // In-process clients (Qt's own bridge among them) reach the accessibility
    // bus through this process's session connection: it must be ours.
    if (bus() && bus()->id(QDBusConnection::sessionBus()) != bus()->id(bus()->connection()))
        return QStringLiteral("this process's session bus is not the private one");
    const QString name = QStringLiteral("org.a11y.Bus");
    if (const QString why = startBusService(m_accessibilityLauncher, name,
                                            QStringLiteral("/usr/libexec/at-spi-bus-launcher"),
                                            {QStringLiteral("--launch-immediately")});
        !why.isEmpty())
        return why;
    const QDBusMessage reply = bus()->connection().call(
        QDBusMessage::createMethodCall(name, QStringLiteral("/org/a11y/bus"), name,
                                       QStringLiteral("GetAddress")),
        QDBus::Block, startTimeoutMs);
    m_accessibilityAddress = reply.arguments().value(0).toString();
    if (m_accessibilityAddress.isEmpty())
        return QStringLiteral("no accessibility bus address: ") + reply.errorMessage();
    return {};
}

qint64 DesktopHarness::accessibilityLauncherProcessIdentifier() const
{
    return m_accessibilityLauncher ? m_accessibilityLauncher->processId() : 0;
}

std::optional<DesktopHarness::Window> DesktopHarness::trayOwner() const
{
    if (!x11().isValid())
        return std::nullopt;
    xcb_connection_t *c = x11().connection();
    const auto owner = platform::xcbReply(xcb_get_selection_owner_reply(
        c, xcb_get_selection_owner(c, x11().atom("_NET_SYSTEM_TRAY_S0")), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return std::nullopt;
    return owner->owner;
}

QString DesktopHarness::startTrayHost()
{
    if (m_trayHost)
        return {};
    if (trayOwner())
        return QStringLiteral("another tray host owns the tray");
    const QString why = startService(
        QStringLiteral("trayer"), QStringLiteral("trayer"),
        {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
         QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
         QStringLiteral("--height"), QStringLiteral("32"), QStringLiteral("--transparent"),
         QStringLiteral("false"), QStringLiteral("--SetDockType"), QStringLiteral("true")},
        {}, [this] {
            // Its panel settled too: icons embedded while the window manager
            // still frames it may miss a click.
            const auto panel = findWindow({.windowClass = QStringLiteral("trayer"),
                                           .processIdentifier = m_processes.back()->processId()});
            return trayOwner() && panel &&
                   (!x11().hasWindowManager() || x11().clientWindows().contains(*panel));
        });
    if (why.isEmpty())
        m_trayHost = m_processes.back().get();
    return why;
}

QString DesktopHarness::startNotificationServer()
{
    // Notifications stay until closed, so a test reads them when it likes.
    const QString config = m_home.filePath(QStringLiteral("dunstrc"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write("[global]\n    monitor = 0\n    follow = none\n"
                   "[urgency_low]\n    timeout = 0\n"
                   "[urgency_normal]\n    timeout = 0\n"
                   "[urgency_critical]\n    timeout = 0\n") < 0)
        return QStringLiteral("cannot write the notification server's configuration");
    file.close();
    return startBusService(m_notificationServer, QStringLiteral("org.freedesktop.Notifications"),
                           QStringLiteral("dunst"), {QStringLiteral("-config"), config});
}

QString DesktopHarness::startSecretService()
{
    // Keychain clients in this process pick their backend by the desktop.
    qputenv("XDG_CURRENT_DESKTOP", pinnedDesktop);
    // The login keyring is created, or unlocked, with the empty password read
    // from stdin: one empty line (nothing at all would leave it locked).
    return startBusService(m_secretService, QStringLiteral("org.freedesktop.secrets"),
                           QStringLiteral("gnome-keyring-daemon"),
                           {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                            QStringLiteral("--components=secrets")},
                           QByteArray("\n"));
}

QString DesktopHarness::newLogPath(const QString &program) const
{
    const QString folder = m_home.filePath(QStringLiteral("logs"));
    QDir().mkpath(folder);
    const QString base = folder + u'/' + QFileInfo(program).fileName();
    QString path = base + QStringLiteral(".log");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + u'-' + QString::number(n) + QStringLiteral(".log");
    return path;
}

QString DesktopHarness::applicationsPath() const
{
    return m_home.filePath(QStringLiteral(".local/share/applications"));
}

QProcessEnvironment DesktopHarness::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = m_home.path();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/.local/state"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    // What a browser leaves there when it is stopped goes with the home.
    environment.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/tmp"));
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QString::fromLatin1(pinnedDesktop));
    // The session is the harness's X server, whatever desktop the test runs from.
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // Programs find the accessibility bus through the session bus, as on a
    // desktop; an address given outright makes some toolkits skip
    // registering with the registry.
    environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    if (bus())
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus()->address());
    return environment;
}

bool DesktopHarness::writeDesktopFile(const QString &id, const QString &name,
                                      const QString &windowClass, const QString &exec)
{
    return ::writeDesktopFile(applicationsPath(), id + QStringLiteral(".desktop"),
                              "Type=Application\nName=" + name.toUtf8() +
                                  "\nExec=" + exec.toUtf8() +
                                  "\nStartupWMClass=" + windowClass.toUtf8() + '\n');
}

QProcess *DesktopHarness::launch(const QString &program, const QStringList &arguments,
                                 const QProcessEnvironment &extra)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = this->environment();
    environment.insert(extra);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::MergedChannels);
    const QString log = newLogPath(program);
    process->setStandardOutputFile(log);
    process->start(program, arguments);
    if (!process->waitForStarted(startTimeoutMs))
        return nullptr;
    m_logs.insert(process.get(), log);
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

QString DesktopHarness::logOf(const QProcess *process) const
{
    return m_logs.value(process);
}

QString DesktopHarness::logEndOf(const QProcess *process) const
{
    QFile log(process ? logOf(process) : QString());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(3000)) : QString();
}

std::optional<QByteArray> DesktopHarness::runTool(const QString &program,
                                                  const QStringList &arguments,
                                                  const QByteArray &input) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(startTimeoutMs))
        return std::nullopt;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(startTimeoutMs)) {
        stop(process);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

QProcess *DesktopHarness::startHelperWindow(const HelperWindow &window)
{
    return launch(QCoreApplication::applicationFilePath(),
                  {QString::fromLatin1(helperArgument), window.windowClass, window.title,
                   QString::number(window.size.width()), QString::number(window.size.height()),
                   window.background.name(), window.text});
}

std::optional<DesktopHarness::Window> DesktopHarness::findWindow(const WindowMatch &match) const
{
    const QList<Window> found = search(match, true);
    return found.isEmpty() ? std::nullopt : std::optional<Window>(found.first());
}

QList<DesktopHarness::Window> DesktopHarness::findWindows(const WindowMatch &match) const
{
    return search(match, false);
}

QList<DesktopHarness::Window> DesktopHarness::search(const WindowMatch &match, bool firstOnly) const
{
    QList<Window> found;
    const platform::X11Connection &connection = x11();
    if (!connection.isValid())
        return found;
    xcb_connection_t *c = connection.connection();
    const auto matches = [&](xcb_window_t window) {
        const auto attributes = platform::xcbReply(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            return false;
        if (!match.windowClass.isEmpty() && connection.windowClass(window).second.compare(
                                                match.windowClass, Qt::CaseInsensitive) != 0)
            return false;
        if (!match.title.isEmpty()) {
            QString title = connection.stringProperty(window, "_NET_WM_NAME");
            if (title.isEmpty())
                title = connection.stringProperty(window, "WM_NAME");
            if (title != match.title)
                return false;
        }
        if (match.size) {
            const auto geometry =
                platform::xcbReply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
            if (!geometry || QSize(geometry->width, geometry->height) != *match.size)
                return false;
        }
        if (match.within && !match.within->contains(frame(window)))
            return false;
        return !match.processIdentifier ||
               connection.processIdentifier(window) == match.processIdentifier;
    };
    // Depth first from the root: frames of the window manager and tray
    // hosts hold the windows looked for.
    QList<xcb_window_t> pending{connection.root()};
    while (!pending.isEmpty()) {
        const xcb_window_t window = pending.takeFirst();
        if (window != connection.root() && matches(window)) {
            found << window;
            if (firstOnly)
                break;
        }
        const auto tree =
            platform::xcbReply(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree)
            continue;
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        const int count = xcb_query_tree_children_length(tree.get());
        for (int i = count - 1; i >= 0; --i)
            pending.prepend(children[i]);
    }
    return found;
}

std::optional<DesktopHarness::Window> DesktopHarness::waitForWindow(const WindowMatch &match,
                                                                    int timeoutMs) const
{
    std::optional<Window> found;
    if (!QTest::qWaitFor([&] { return (found = findWindow(match)).has_value(); }, timeoutMs))
        return std::nullopt;
    return found;
}

std::optional<DesktopHarness::Window> DesktopHarness::waitForTrayIcon(qint64 processIdentifier,
                                                                      int timeoutMs) const
{
    std::optional<Window> found;
    const bool docked = QTest::qWaitFor(
        [&] {
            const auto panel = findWindow({.windowClass = QStringLiteral("trayer")});
            return panel && (found = findWindow(
                                 {.processIdentifier = processIdentifier, .within = frame(*panel)}))
                                .has_value();
        },
        timeoutMs);
    return docked ? found : std::nullopt;
}

QRect DesktopHarness::frame(Window window) const
{
    const platform::X11Connection &connection = x11();
    if (!connection.isValid())
        return {};
    xcb_connection_t *c = connection.connection();
    const auto geometry =
        platform::xcbReply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const auto origin = platform::xcbReply(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, connection.root(), 0, 0), nullptr));
    if (!geometry || !origin)
        return {};
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

QSize DesktopHarness::screenSize() const
{
    return x11().isValid() ? frame(x11().root()).size() : QSize();
}

QRect DesktopHarness::outerFrame(Window window) const
{
    const QRect area = frame(window);
    const QList<quint32> extents =
        x11().isValid()
            ? x11().cardinalProperty(window, x11().atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL)
            : QList<quint32>{};
    if (area.isNull() || extents.size() != 4)
        return area;
    return area.adjusted(-int(extents[0]), -int(extents[2]), int(extents[1]), int(extents[3]));
}

QList<QRect> DesktopHarness::monitors() const
{
    // " 0: +*DUMMY0 1280/339x800/212+0+0  DUMMY0"
    static const QRegularExpression line(
        QStringLiteral(R"(^\s*\d+: \S+ (\d+)/\d+x(\d+)/\d+\+(\d+)\+(\d+))"),
        QRegularExpression::MultilineOption);
    QList<QRect> found;
    const auto listed = runTool(QStringLiteral("xrandr"), {QStringLiteral("--listmonitors")});
    if (!listed)
        return found;
    for (auto it = line.globalMatch(QString::fromLocal8Bit(*listed)); it.hasNext();) {
        const auto match = it.next();
        found << QRect(match.captured(3).toInt(), match.captured(4).toInt(),
                       match.captured(1).toInt(), match.captured(2).toInt());
    }
    std::sort(found.begin(), found.end(),
              [](const QRect &a, const QRect &b) { return a.x() < b.x(); });
    return found;
}

QString DesktopHarness::setMonitors(const QList<QSize> &sizes)
{
    if (!displayIsResizable)
        return QStringLiteral("not a resizable display: run the test with resizableDisplay");
    if (const QString why = layOutMonitors(sizes); !why.isEmpty())
        return why;
    QList<QRect> wanted;
    int x = 0;
    for (const QSize &size : sizes) {
        wanted << QRect(QPoint(x, 0), size);
        x += size.width();
    }
    // The window manager has taken the new screen once it gives the desktop its size.
    const QSize total(x, std::max_element(sizes.cbegin(), sizes.cend(), [](QSize a, QSize b) {
                             return a.height() < b.height();
                         })->height());
    const auto desktopSize = [this] {
        const QList<quint32> size = x11().cardinalProperty(
            x11().root(), x11().atom("_NET_DESKTOP_GEOMETRY"), XCB_ATOM_CARDINAL);
        return size.size() == 2 ? QSize(int(size[0]), int(size[1])) : QSize();
    };
    // This process's screens follow a moment later: a test's own window
    // must be placed on the new ones.
    const auto ownScreens = [] {
        QList<QRect> native;
        for (const QScreen *screen : QGuiApplication::screens())
            native << QRect(screen->geometry().topLeft(),
                            screen->geometry().size() * screen->devicePixelRatio());
        std::sort(native.begin(), native.end(),
                  [](const QRect &a, const QRect &b) { return a.x() < b.x(); });
        return native;
    };
    const bool windowManager = x11().hasWindowManager();
    if (!QTest::qWaitFor(
            [&] {
                return monitors() == wanted && screenSize() == total &&
                       (!windowManager || desktopSize() == total) && ownScreens() == wanted;
            },
            startTimeoutMs))
        return QStringLiteral("the monitors did not change: the desktop is %1x%2")
            .arg(desktopSize().width())
            .arg(desktopSize().height());
    return {};
}

QString DesktopHarness::waitForWindowManager()
{
    return m_windowManager.ensureRunning();
}

bool DesktopHarness::click(const QPoint &point, Qt::MouseButton button) const
{
    const platform::X11Connection &connection = x11();
    if (!connection.isValid())
        return false;
    xcb_connection_t *c = connection.connection();
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(c, &xcb_test_id);
    if (!extension || !extension->present)
        return false;
    const uint8_t detail = button == Qt::RightButton ? 3 : button == Qt::MiddleButton ? 2 : 1;
    xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, connection.root(),
                        int16_t(point.x()), int16_t(point.y()), 0);
    xcb_test_fake_input(c, XCB_BUTTON_PRESS, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_BUTTON_RELEASE, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    // A round trip: the server has taken all three when it answers.
    return platform::xcbReply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)) !=
           nullptr;
}

std::optional<DesktopHarness::Window> DesktopHarness::activeWindow() const
{
    return x11().isValid() ? x11().activeWindow() : std::nullopt;
}

QImage DesktopHarness::grab(Window window) const
{
    QScreen *screen = QGuiApplication::primaryScreen();
    // Qt's window 0 is the primary monitor alone: the root holds every monitor.
    const Window grabbed = window != 0 || !x11().isValid() ? window : x11().root();
    return screen ? screen->grabWindow(grabbed).toImage() : QImage();
}

QString DesktopHarness::screenshot(const QString &name, Window window) const
{
    return screenshots::save(grab(window), name);
}

QString describe(const QRect &rect)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

} // namespace testing
