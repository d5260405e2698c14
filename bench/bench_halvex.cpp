// What the running application costs all day, measured on the real halvex
// binary on a desktop of our own (Xvfb, openbox, trayer, a notification
// server, a private session bus, a Secret Service that takes every call and
// answers none, as a locked or hung keyring does) over a heavy user's store
// of 10 streaks and 100,000 trigger events:
// - start-up of a normal launch until the tray icon is docked;
// - activation of a blocked application until its friction panel is mapped;
// - CPU and wake-ups while idle with the icon up and no window open;
// - resident memory after start-up, after opening and closing every window,
//   and over rounds of that;
// - with a site streak, CPU, wake-ups and accessibility bus calls while
//   each installed browser is in front on pages it allows (8 tabs), next to
//   no browser in front; the browsers run as the live tests start them.
//   Wake-ups are the main thread's context switches; the context switches
//   of every thread (the bus's own among them) are counted besides.
//
//   build/bench/bench_halvex [path of halvex]
//
// HALVEX_BENCH_IDLE_SECONDS (60), HALVEX_BENCH_ROUNDS (20),
// HALVEX_BENCH_LAUNCHES (5) and HALVEX_BENCH_BROWSER_SECONDS (60) shorten a
// quick run. Times are taken by polling the X server every millisecond, so
// they are good to about that.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <xcb/xcb.h>

#include "BusServiceStub.h"
#include "DesktopHarness.h"
#include "ForegroundScene.h"
#include "HalvexSteps.h"
#include "LiveBrowserDesk.h"
#include "app/SingleInstance.h"
#include "model/AppSettings.h"
#include "model/ModelContext.h"
#include "model/PersistenceController.h"
#include "model/Streak.h"
#include "model/TriggerEvent.h"
#include "platform/Log.h"
#include "platform/X11Connection.h"
#include "platform/XcbReply.h"

using namespace halvex;
using testing::DesktopHarness;
using testing::LiveBrowserDesk;

namespace {

constexpr int streakCount = 10;
constexpr int eventCount = 100'000;
constexpr int perDay = 50;
constexpr int waitMs = 20000;
// The friction panel's size on screen.
constexpr QSize panelSize(520, 420);
// Tabs open in a browser in front, as a user who lives in one keeps them.
constexpr int browserTabs = 8;
// The browser poll's looks a minute.
constexpr double looksPerMinute = 30;

const testing::ForegroundScene::Application own{QStringLiteral("org.example.BenchDesk"),
                                                QStringLiteral("Bench desk"),
                                                QStringLiteral("HalvexBenchDesk")};

int setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

void row(const char *name, double value, const char *unit, const char *aim = nullptr,
         int decimals = 1)
{
    if (aim)
        std::printf("%-56s %10.*f %s (aim %s)\n", name, decimals, value, unit, aim);
    else
        std::printf("%-56s %10.*f %s\n", name, decimals, value, unit);
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The store the binary finds in the desktop's home: settings past the first
// launch, ten app streaks (the first on the blocked helper) and a heavy
// user's history of events, fifty a day.
QString seed(const QString &home, const QString &blockedId)
{
    PersistenceController store(false, {home + QStringLiteral("/.local/share"), home, {}});
    ModelContext &ctx = store.mainContext();
    AppSettings::fetchOrCreate(ctx)->setFirstLaunchCompleted(true);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::vector<std::shared_ptr<Streak>> streaks;
    for (int i = 0; i < streakCount; ++i) {
        auto s = std::make_shared<Streak>(
            QUuid::createUuid(), QStringLiteral("Streak %1").arg(i), StreakType::app,
            StrictnessMode::gentle, QStringList{}, QStringList{},
            QStringList{i == 0 ? blockedId : QStringLiteral("org.example.App%1").arg(i)},
            now.addDays(-3 - 37 * i));
        s->setSortOrder(i);
        s->setIsPrimary(i == 0);
        s->setCreatedAt(now.addDays(-2100));
        ctx.insert(s);
        streaks.push_back(s);
    }
    const QStringList outcomes{QStringLiteral("stepBack"), QStringLiteral("openAnyway"),
                               QStringLiteral("pause"), QStringLiteral("stepBack")};
    for (int i = 0; i < eventCount; ++i) {
        auto e = std::make_shared<TriggerEvent>(
            QUuid::createUuid(), now.addSecs(-qint64(i + 1) * 86400 / perDay), TriggerSource::app,
            std::nullopt, QStringLiteral("org.example.App"));
        e->setOutcomeRaw(outcomes[i % outcomes.size()]);
        e->setStreak(streaks[size_t(i % streakCount)]);
        ctx.insert(e);
    }
    if (auto saved = ctx.save(); !saved)
        return QStringLiteral("cannot seed the store: ") + saved.error().message;
    return {};
}

// The pages the browsers show: allowed ones, each with a link to the one
// the site streak blocks.
QHash<QByteArray, testing::LivePages::Page> browsingPages()
{
    QHash<QByteArray, testing::LivePages::Page> pages;
    for (int i = 1; i <= browserTabs; ++i)
        pages.insert("/page" + QByteArray::number(i),
                     {"Page " + QByteArray::number(i), {{"blocked", "/blocked"}}});
    pages.insert("/blocked", {"Blocked"});
    return pages;
}

// Counts the calls each process sends on a bus while it runs.
class BusCallCounter final {
public:
    explicit BusCallCounter(QString address)
        : m_address(std::move(address))
    {
        m_monitor.setProcessChannelMode(QProcess::SeparateChannels);
        m_monitor.start(QStringLiteral("dbus-monitor"), {QStringLiteral("--address"), m_address,
                                                         QStringLiteral("type='method_call'")});
    }
    ~BusCallCounter() { finish(); }
    BusCallCounter(const BusCallCounter &) = delete;
    BusCallCounter &operator=(const BusCallCounter &) = delete;

    bool isRunning()
    {
        return m_monitor.waitForStarted() && m_monitor.state() == QProcess::Running;
    }

    // The calls the process sent since the start; the counter stops.
    qint64 callsOf(qint64 processIdentifier)
    {
        finish();
        QHash<QByteArray, qint64> bySender;
        for (const QByteArray &line : m_output.split('\n')) {
            if (!line.startsWith("method call "))
                continue;
            const qsizetype at = line.indexOf(" sender=");
            if (at >= 0)
                ++bySender[line.mid(at + 8, line.indexOf(' ', at + 8) - at - 8)];
        }
        const QString name = QStringLiteral("bench-monitor");
        qint64 calls = 0;
        {
            QDBusConnection bus = QDBusConnection::connectToBus(m_address, name);
            for (auto sender = bySender.cbegin(); sender != bySender.cend(); ++sender) {
                const QDBusMessage reply = bus.call(
                    QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                   QStringLiteral("/org/freedesktop/DBus"),
                                                   QStringLiteral("org.freedesktop.DBus"),
                                                   QStringLiteral("GetConnectionUnixProcessID"))
                    << QString::fromLatin1(sender.key()));
                if (reply.type() == QDBusMessage::ReplyMessage &&
                    reply.arguments().value(0).toLongLong() == processIdentifier)
                    calls += sender.value();
            }
        }
        QDBusConnection::disconnectFromBus(name);
        return calls;
    }

private:
    void finish()
    {
        if (m_monitor.state() == QProcess::NotRunning)
            return;
        m_monitor.terminate();
        if (!m_monitor.waitForFinished(5000)) {
            m_monitor.kill();
            m_monitor.waitForFinished(5000);
        }
        m_output += m_monitor.readAllStandardOutput();
    }

    QString m_address;
    QProcess m_monitor;
    QByteArray m_output;
};

struct Shown {
    quint32 window = 0;
    QSize size;
    bool docked = false; // inside the tray host's panel
};

// The mapped windows of a process, top-level and embedded alike.
QList<Shown> shownWindows(const platform::X11Connection &x, qint64 pid)
{
    xcb_connection_t *c = x.connection();
    QList<Shown> shown;
    QList<std::pair<quint32, bool>> pending{{x.root(), false}};
    while (!pending.isEmpty()) {
        const auto [window, inTray] = pending.takeLast();
        const auto tree =
            platform::xcbReply(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree)
            continue;
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            const xcb_window_t child = children[i];
            const auto attributes = platform::xcbReply(
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, child), nullptr));
            if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
                continue;
            const bool docked = inTray || x.windowClass(child).second.compare(
                                              QStringLiteral("trayer"), Qt::CaseInsensitive) == 0;
            if (x.processIdentifier(child) == pid) {
                const auto geometry = platform::xcbReply(
                    xcb_get_geometry_reply(c, xcb_get_geometry(c, child), nullptr));
                shown.push_back(
                    {child, geometry ? QSize(geometry->width, geometry->height) : QSize(), docked});
            }
            pending.push_back({child, docked});
        }
    }
    return shown;
}

// Polls every millisecond until `done` holds; the elapsed milliseconds of
// `clock` then, or a negative number when `timeoutMs` ran out.
double pollUntil(const QElapsedTimer &clock, const std::function<bool()> &done,
                 int timeoutMs = waitMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (done())
            return double(clock.nsecsElapsed()) / 1e6;
        QThread::usleep(1000);
    }
    return -1;
}

// What /proc says about a running process.
struct ProcessFigures {
    double cpuSeconds = 0;      // user and system time of every thread
    qint64 contextSwitches = 0; // of the main thread
    // Of each thread by its id: the bus thread switches for every call.
    QHash<QString, qint64> threadSwitches;
    double residentMb = 0;
};

// The voluntary and involuntary context switches in a /proc status file.
qint64 switchesIn(const QString &statusPath)
{
    QFile status(statusPath);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    qint64 switches = 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:") ||
            line.startsWith("nonvoluntary_ctxt_switches:"))
            switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return switches;
}

ProcessFigures figuresOf(qint64 pid)
{
    ProcessFigures figures;
    const QString proc = QStringLiteral("/proc/%1").arg(pid);
    QFile stat(proc + QStringLiteral("/stat"));
    if (stat.open(QIODevice::ReadOnly)) {
        // The fields after the command, which may hold spaces, start at state.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            figures.cpuSeconds =
                double(fields[11].toLongLong() + fields[12].toLongLong()) / sysconf(_SC_CLK_TCK);
    }
    const auto statusValue = [](const QString &path, const QByteArray &key) {
        QFile status(path);
        if (!status.open(QIODevice::ReadOnly))
            return qint64(0);
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith(QByteArray(key + ':')))
                return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLongLong();
        }
        return qint64(0);
    };
    figures.residentMb = double(statusValue(proc + QStringLiteral("/status"), "VmRSS")) / 1024.0;
    // The main thread's: the event loop's wake-ups. Other threads come and
    // go, and the counts of one that ended are gone with it.
    figures.contextSwitches = switchesIn(proc + QStringLiteral("/status"));
    const QString tasks = proc + QStringLiteral("/task");
    for (const QString &thread : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        figures.threadSwitches.insert(thread, switchesIn(tasks + u'/' + thread + u"/status"));
    return figures;
}

// What a process used over a stretch of the event loop: CPU seconds,
// main-thread context switches, and those of every thread that lived
// through the stretch, each a minute.
struct UseAMinute {
    double cpuSeconds = 0;
    double contextSwitches = 0;
    double allSwitches = 0;
};

UseAMinute useOver(qint64 pid, int seconds)
{
    const ProcessFigures before = figuresOf(pid);
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(seconds * 1000);
    const ProcessFigures after = figuresOf(pid);
    const double minutes = double(clock.elapsed()) / 60000.0;
    qint64 all = 0;
    for (auto thread = after.threadSwitches.cbegin(); thread != after.threadSwitches.cend();
         ++thread) {
        if (const auto was = before.threadSwitches.constFind(thread.key());
            was != before.threadSwitches.cend())
            all += thread.value() - was.value();
    }
    return {(after.cpuSeconds - before.cpuSeconds) / minutes,
            double(after.contextSwitches - before.contextSwitches) / minutes,
            double(all) / minutes};
}

class Bench final {
public:
    explicit Bench(QString binary)
        : m_binary(std::move(binary))
    {}

    int run() { return prepare() && launches() && idleAndWindows() && browsersInFront() ? 0 : 1; }

private:
    bool prepare()
    {
        if (!QFile::exists(m_binary))
            return fail(QStringLiteral("no binary at ") + m_binary);
        if (const QString why = m_scene.setUp({.title = QStringLiteral("distraction"),
                                               .size = QSize(800, 500),
                                               .background = QColor(0x8a3b1f),
                                               .text = QStringLiteral("Endless feed")});
            !why.isEmpty())
            return fail(why);
        for (const QString &why :
             {m_desktop.startTrayHost(), m_desktop.startNotificationServer(),
              seed(m_desktop.homePath(), testing::ForegroundScene::distraction().id)}) {
            if (!why.isEmpty())
                return fail(why);
        }
        // Start-up must not wait for the keyring, whatever it does.
        m_secrets = std::make_unique<testing::BusServiceStub>(
            m_desktop.bus()->address(), QStringLiteral("org.freedesktop.secrets"));
        if (!m_secrets->isRegistered())
            return fail(QStringLiteral("cannot own the Secret Service's name"));
        return true;
    }

    static bool fail(const QString &why)
    {
        std::fprintf(stderr, "bench_halvex: %s\n", qPrintable(why));
        return false;
    }

    bool frontOwn() { return m_scene.bringToFront(m_scene.ownApp()); }

    std::optional<Shown> icon(qint64 pid) const
    {
        for (const Shown &shown : shownWindows(m_x11, pid))
            if (shown.docked)
                return shown;
        return std::nullopt;
    }
    bool panelShown(qint64 pid) const
    {
        const QList<Shown> shown = shownWindows(m_x11, pid);
        return std::any_of(shown.begin(), shown.end(),
                           [](const Shown &s) { return !s.docked && s.size == panelSize; });
    }
    int openWindows(qint64 pid) const
    {
        const QList<Shown> shown = shownWindows(m_x11, pid);
        return int(std::count_if(shown.begin(), shown.end(), [](const Shown &s) {
            return !s.docked && s.size.width() > 1 && s.size.height() > 1;
        }));
    }

    bool stop(QProcess *halvex) { return stop(halvex, m_desktop); }
    static bool stop(QProcess *halvex, const DesktopHarness &desktop)
    {
        halvex->terminate();
        if (halvex->waitForFinished(waitMs) && halvex->exitCode() == 0)
            return true;
        return fail(QStringLiteral("halvex did not stop in order; its log: ") +
                    desktop.logOf(halvex));
    }

    // Normal launches: to the tray icon, then a blocked application's
    // activation to its panel. A build without a tray icon is timed to the
    // panel of a blocked application already in front at launch instead.
    bool launches()
    {
        const int count = setting("HALVEX_BENCH_LAUNCHES", 5);
        std::vector<double> startUps, activations;
        for (int i = 0; i < count; ++i) {
            if (!frontOwn())
                return fail(QStringLiteral("cannot bring the bench's window to the front"));
            if (!m_hasTray)
                m_scene.bringToFront(m_scene.helperApp());
            QElapsedTimer clock;
            clock.start();
            QProcess *halvex = m_desktop.launch(m_binary);
            if (!halvex)
                return fail(QStringLiteral("cannot start ") + m_binary);
            const qint64 pid = halvex->processId();
            double ms = pollUntil(
                clock, [&] { return m_hasTray ? icon(pid).has_value() : panelShown(pid); });
            if (ms < 0 && m_hasTray && i == 0) {
                // No icon at all: this build has no tray icon yet.
                m_hasTray = false;
                std::printf("no tray icon: start-up is timed to a panel at launch\n");
                if (!stop(halvex))
                    return false;
                --i;
                continue;
            }
            if (ms < 0)
                return fail(QStringLiteral("halvex did not come up; its log: ") +
                            m_desktop.logOf(halvex));
            startUps.push_back(ms);
            if (m_hasTray) {
                // Settled, then a blocked application comes to the front.
                QTest::qWait(1000);
                if (!frontOwn())
                    return fail(QStringLiteral("halvex kept the front"));
                QTest::qWait(500);
                QElapsedTimer activation;
                activation.start();
                if (!m_scene.workspace().activate(m_scene.helperApp()))
                    return fail(QStringLiteral("cannot activate the blocked application"));
                const double toPanel = pollUntil(activation, [&] { return panelShown(pid); });
                if (toPanel < 0)
                    return fail(QStringLiteral("no panel for the blocked application"));
                activations.push_back(toPanel);
            }
            if (!stop(halvex))
                return false;
        }
        const char *startName = m_hasTray
                                    ? "start-up to tray icon, keyring silent, first launch"
                                    : "start-up to panel at launch, keyring silent, first launch";
        row(startName, startUps.front(), "ms", "< 400 ms");
        row(m_hasTray ? "start-up to tray icon, keyring silent, median"
                      : "start-up to panel at launch, keyring silent, median",
            median(startUps), "ms", "< 400 ms");
        // Proof that the launches did ask it.
        QTest::qWait(100);
        row("calls the silent Secret Service took", m_secrets->calls(), "calls", nullptr, 0);
        if (!activations.empty())
            row("activation to panel on screen, median", median(activations), "ms");
        return true;
    }

    bool request(const QString &window) const
    {
        // Where the running process listens, as it works that out itself.
        const SingleInstance instance(m_desktop.homePath() + QStringLiteral("/runtime"),
                                      QString::fromLatin1(platform::log::appSubsystem));
        QLocalSocket socket;
        socket.connectToServer(instance.socketPath());
        if (!socket.waitForConnected(waitMs))
            return false;
        socket.write(SingleInstance::windowRequestPrefix + window.toUtf8() + '\n');
        return socket.waitForBytesWritten(waitMs);
    }

    // Opens one window and closes it again, each time waiting until the
    // process has it on screen or no longer.
    bool cycle(qint64 pid, const QString &window)
    {
        QElapsedTimer clock;
        clock.start();
        const bool popover = window == QStringLiteral("popover");
        const auto iconNow = icon(pid);
        if (popover && !iconNow)
            return false;
        const auto clickIcon = [&] {
            return m_desktop.click(m_desktop.frame(iconNow->window).center());
        };
        if (!(popover ? clickIcon() : request(window)) ||
            pollUntil(clock, [&] { return openWindows(pid) > 0; }) < 0)
            return fail(QStringLiteral("the window did not open: ") + window);
        QTest::qWait(300); // its first paints
        if (!(popover ? clickIcon() : request(QStringLiteral("close"))) ||
            pollUntil(clock, [&] { return openWindows(pid) == 0; }) < 0)
            return fail(QStringLiteral("the window did not close: ") + window);
        return true;
    }

    bool idleAndWindows()
    {
        if (!frontOwn())
            return fail(QStringLiteral("cannot bring the bench's window to the front"));
        // A quiet launch: no popover at start, and windows open on request.
        QProcess *halvex = m_desktop.launch(m_binary, {QStringLiteral("--ui-test")});
        if (!halvex)
            return fail(QStringLiteral("cannot start ") + m_binary);
        const qint64 pid = halvex->processId();
        QElapsedTimer clock;
        clock.start();
        if (m_hasTray && pollUntil(clock, [&] { return icon(pid).has_value(); }) < 0)
            return fail(QStringLiteral("no tray icon"));
        QTest::qWait(3000); // what start-up leaves to the event loop
        row("resident memory after start-up", figuresOf(pid).residentMb, "MB", "< 80 MB");

        const int seconds = setting("HALVEX_BENCH_IDLE_SECONDS", 60);
        const UseAMinute idle = useOver(pid, seconds);
        if (openWindows(pid) != 0)
            return fail(QStringLiteral("a window opened while idle"));
        const QByteArray idleName =
            QByteArray("idle CPU over ") + QByteArray::number(seconds) + " s, icon up, no window";
        row(idleName.constData(), 100.0 * idle.cpuSeconds / 60.0, "% of a core", "< 0.5 %", 3);
        row("idle wake-ups (main thread's context switches)", idle.contextSwitches, "/min");

        QStringList windows{QStringLiteral("stats"), QStringLiteral("settings")};
        if (m_hasTray)
            windows.prepend(QStringLiteral("popover"));
        const int rounds = setting("HALVEX_BENCH_ROUNDS", 20);
        std::vector<double> resident;
        for (int round = 0; round < rounds; ++round) {
            for (const QString &window : windows) {
                if (!cycle(pid, window))
                    return false;
            }
            QTest::qWait(200);
            resident.push_back(figuresOf(pid).residentMb);
        }
        row(qPrintable(QStringLiteral("resident memory after opening and closing %1")
                           .arg(windows.join(QStringLiteral(", ")))),
            resident.front(), "MB", "< 80 MB");
        row(qPrintable(QStringLiteral("resident memory after %1 such rounds").arg(rounds)),
            resident.back(), "MB", "< 80 MB");
        row(qPrintable(QStringLiteral("resident memory, highest over %1 rounds").arg(rounds)),
            *std::max_element(resident.begin(), resident.end()), "MB", "< 80 MB");
        row(qPrintable(QStringLiteral("growth from round 1 to round %1").arg(rounds)),
            resident.back() - resident.front(), "MB", "none");
        return stop(halvex);
    }

    // A quiet launch on the desk's desktop, settled with its icon up.
    QProcess *launchOn(LiveBrowserDesk &desk)
    {
        QProcess *halvex = desk.desktop().launch(m_binary, {QStringLiteral("--ui-test")});
        if (!halvex) {
            fail(QStringLiteral("cannot start ") + m_binary);
            return nullptr;
        }
        QElapsedTimer clock;
        clock.start();
        if (m_hasTray &&
            pollUntil(clock, [&] { return icon(halvex->processId()).has_value(); }) < 0) {
            fail(QStringLiteral("no tray icon; its log: ") + desk.desktop().logOf(halvex));
            return nullptr;
        }
        QTest::qWait(3000); // what start-up leaves to the event loop
        return halvex;
    }

    // Halvex's CPU seconds and context switches a minute, and
    // its accessibility calls a look, over the browser seconds.
    void measure(LiveBrowserDesk &desk, qint64 pid, const QString &what,
                 const char *cpuAim = nullptr)
    {
        const int seconds = setting("HALVEX_BENCH_BROWSER_SECONDS", 60);
        BusCallCounter counter(desk.desktop().accessibilityBusAddress());
        const bool counting = counter.isRunning();
        const UseAMinute use = useOver(pid, seconds);
        const double minutes = seconds / 60.0;
        const QByteArray name = what.toUtf8();
        row(QByteArray("Halvex CPU, " + name).constData(), use.cpuSeconds, "s/minute", cpuAim, 3);
        row(QByteArray("Halvex wake-ups, " + name).constData(), use.contextSwitches, "/minute");
        row(QByteArray("Halvex context switches, every thread, " + name).constData(),
            use.allSwitches, "/minute");
        if (counting)
            row(QByteArray("Halvex bus calls a look, " + name).constData(),
                double(counter.callsOf(pid)) / minutes / looksPerMinute, "calls");
    }

    // With a site streak Halvex reads the browser in front every 2 s: what
    // that costs with each installed browser in front on allowed pages,
    // next to none in front. A blocked page then proves each browser read.
    bool browsersInFront()
    {
        using Browser = LiveBrowserDesk::Browser;
        QList<Browser> installed;
        for (const Browser browser : {Browser::chromium, Browser::firefox}) {
            if (LiveBrowserDesk::isInstalled(browser))
                installed << browser;
        }
        LiveBrowserDesk desk(browsingPages());
        if (const QString why = desk.start(installed); !why.isEmpty())
            return fail(why);
        if (!desk.switchAccessibilityOn() || !desk.showOwnWindow())
            return fail(
                QStringLiteral("cannot switch accessibility on and show the bench's window"));
        const QString blocked = desk.pageUrl("/blocked");
        if (!testing::halvexSteps::writeHomePastOnboarding(
                desk.desktop().homePath(), {}, {QUrl(blocked).host() + QUrl(blocked).path()}))
            return fail(QStringLiteral("cannot write the store with a site streak"));
        QStringList tabs;
        for (int i = 1; i <= browserTabs; ++i)
            tabs << desk.pageUrl("/page" + QByteArray::number(i));

        QProcess *halvex = launchOn(desk);
        if (!halvex || !frontOwn())
            return fail(QStringLiteral("cannot bring the bench's window to the front"));
        measure(desk, halvex->processId(), QStringLiteral("no browser in front"));
        if (!stop(halvex, desk.desktop()))
            return false;

        for (const Browser which : installed) {
            const bool chromium = which == Browser::chromium;
            const QString name = chromium ? QStringLiteral("Chromium") : QStringLiteral("Firefox");
            QProcess *browser = chromium ? desk.startChromium(tabs) : desk.startFirefox(tabs);
            if (!browser ||
                !QTest::qWaitFor([&] { return desk.shownAddress(which) == tabs.first(); },
                                 LiveBrowserDesk::startTimeoutMs))
                return fail(name + QStringLiteral(" did not show its first page"));
            const qint32 browserPid = desk.processOf(which);
            const QList<DesktopHarness::Window> windows = desk.windowsOf(browserPid);
            halvex = launchOn(desk);
            if (!halvex)
                return false;
            if (windows.isEmpty() || !desk.activateWindow(windows.first()))
                return fail(QStringLiteral("cannot bring %1 to the front").arg(name));
            QTest::qWait(5000); // the switch, and the first looks
            measure(desk, halvex->processId(),
                    QStringLiteral("%1 in front, %2 tabs").arg(name).arg(browserTabs), "<= 0.15 s");
            // Proof that it was read all along: a blocked page is seen. A
            // browser may take a press for nothing now and then: press again.
            const auto onBlockedPage = [&] { return desk.shownAddress(which) == blocked; };
            for (int attempt = 0; attempt < 3 && !onBlockedPage(); ++attempt) {
                if (desk.followLink(browserPid, QStringLiteral("blocked")))
                    (void)QTest::qWaitFor(onBlockedPage, 5000);
            }
            if (!onBlockedPage())
                return fail(QStringLiteral("cannot follow a link in ") + name);
            QElapsedTimer clock;
            clock.start();
            if (pollUntil(clock, [&] { return panelShown(halvex->processId()); }) < 0) {
                QFile log(desk.desktop().logOf(halvex));
                return fail(QStringLiteral("halvex did not read %1: no panel for %2; it said: ")
                                .arg(name, desk.shownAddress(which)) +
                            QString::fromUtf8(log.open(QIODevice::ReadOnly) ? log.readAll() : ""));
            }
            if (!stop(halvex, desk.desktop()) || !desk.stop(browser, which))
                return fail(QStringLiteral("cannot end ") + name);
        }
        return true;
    }

    QString m_binary;
    DesktopHarness m_desktop;
    std::unique_ptr<testing::BusServiceStub> m_secrets;
    testing::ForegroundScene m_scene{m_desktop, own};
    platform::X11Connection m_x11;
    bool m_hasTray = true;
};

} // namespace

int main(int argc, char **argv)
{
    const QString binary =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(HALVEX_BINARY);
    return DesktopHarness::runMain(argc, argv, {own.windowClass}, [&] {
        Bench bench(binary);
        return bench.run();
    });
}
