#include "LiveBrowserDesk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <xcb/xcb.h>

#include "browsers/AXTabStrip.h"
#include "browsers/AXURLReader.h"
#include "browsers/AccessibilityAttributes.h"
#include "kit/AccessibilityProbe.h"
#include "platform/ApplicationIdentity.h"
#include "platform/AtspiAccessibilityHost.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/TimerScheduler.h"
#include "platform/UserDefaults.h"
#include "platform/X11Connection.h"
#include "platform/X11FrontWindowSource.h"
#include "platform/X11KeystrokeSender.h"
#include "platform/X11Workspace.h"

namespace testing {

namespace {

namespace ax = platform::ax;

const char *chromiumProgram = "chromium";
const char *firefoxProgram = "firefox-esr";

const char *programOf(LiveBrowserDesk::Browser browser)
{
    return browser == LiveBrowserDesk::Browser::chromium ? chromiumProgram : firefoxProgram;
}

// Quiet first start: no welcome or policy tabs, nothing that needs a
// network; every page counts in the history, followed or not.
const char *firefoxPreferences = R"(user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.navigation.requireUserInteraction", false);
user_pref("browser.sessionstore.resume_from_crash", false);
user_pref("browser.tabs.warnOnClose", false);
user_pref("app.update.disabledForTesting", true);
user_pref("dom.disable_open_during_load", false);
)";

} // namespace

QString LiveBrowserDesk::identifier(Browser browser)
{
    return browser == Browser::chromium ? QStringLiteral("com.google.Chrome")
                                        : QStringLiteral("org.mozilla.firefox");
}

bool LiveBrowserDesk::isInstalled(Browser browser)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(programOf(browser))).isEmpty();
}

LiveBrowserDesk::LiveBrowserDesk(QHash<QByteArray, LivePages::Page> pages)
    : m_pages(std::move(pages))
{}

LiveBrowserDesk::~LiveBrowserDesk() = default;

QString LiveBrowserDesk::start(const QList<Browser> &required)
{
    // A live test that skips proves nothing: scripts/setup --test installs them.
    for (const Browser browser : required) {
        if (!isInstalled(browser))
            return QString::fromLatin1(programOf(browser)) +
                   QStringLiteral(" is not installed: run scripts/setup --test");
    }
    // The window manager until it manages windows: ours come up on a working desktop.
    for (const QString &why : {m_desktop.startAccessibilityBus(), m_desktop.startWindowManager()}) {
        if (!why.isEmpty())
            return why;
    }
    if (!m_pages.listen())
        return QStringLiteral("the page server could not listen");

    m_entries = std::make_unique<platform::DesktopEntryIndex>();
    m_identity = std::make_unique<platform::ApplicationIdentity>(*m_entries);
    m_workspace = std::make_unique<platform::X11Workspace>(*m_identity);
    m_connection = std::make_unique<platform::X11Connection>();
    m_frontWindows = std::make_unique<platform::X11FrontWindowSource>();
    m_host = std::make_unique<platform::AtspiAccessibilityHost>(*m_frontWindows);
    m_defaults =
        std::make_unique<platform::UserDefaults>(m_dir.filePath(QStringLiteral("defaults.ini")));
    m_trust = std::make_unique<fennimar::AccessibilityProbe>(
        *m_host, *m_workspace, *m_defaults, qint32(QCoreApplication::applicationPid()));
    m_reader = std::make_unique<halvex::AXURLReader>(*m_host, *m_trust, *m_workspace);
    m_keystrokes = std::make_unique<platform::X11KeystrokeSender>(
        [trust = m_trust.get()] { return trust->isTrusted(); }, *m_connection);
    return {};
}

bool LiveBrowserDesk::switchAccessibilityOn()
{
    return m_trust->requestTrust();
}

bool LiveBrowserDesk::showOwnWindow()
{
    m_own.setWindowTitle(QStringLiteral("watcher"));
    m_own.resize(240, 120);
    m_own.show();
    return QTest::qWaitForWindowExposed(&m_own);
}

platform::RunningApplication LiveBrowserDesk::ownApp() const
{
    // The harness names this process's window class after the application.
    return {QCoreApplication::applicationName(), qint32(QCoreApplication::applicationPid())};
}

halvex::AccessibilityBridgeServices LiveBrowserDesk::bridgeServices() const
{
    halvex::AccessibilityBridgeServices services;
    services.workspace = m_workspace.get();
    services.keystrokes = m_keystrokes.get();
    services.accessibility = m_host.get();
    services.trust = m_trust.get();
    services.reader = m_reader.get();
    services.scheduler = &platform::TimerScheduler::live();
    return services;
}

QString LiveBrowserDesk::newProfile()
{
    return m_dir.filePath(QStringLiteral("profile-%1").arg(++m_profiles));
}

QStringList LiveBrowserDesk::chromiumArguments(const QString &profile) const
{
    // As root under a virtual display: no sandbox and no GPU; no keyring.
    return {QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
            QStringLiteral("--ozone-platform=x11"), QStringLiteral("--no-first-run"),
            QStringLiteral("--no-default-browser-check"),
            QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
            QStringLiteral("--password-store=basic"),
            // A popup opened from a link pressed over the accessibility bus.
            QStringLiteral("--disable-popup-blocking"),
            QStringLiteral("--user-data-dir=") + profile};
}

QProcess *LiveBrowserDesk::startChromium(const QStringList &urls, const QStringList &extraArguments)
{
    const QString profile = newProfile();
    QProcess *browser =
        m_desktop.launch(QStandardPaths::findExecutable(QString::fromLatin1(chromiumProgram)),
                         chromiumArguments(profile) + extraArguments + urls);
    m_profileOf.insert(browser, profile);
    return browser;
}

QProcess *LiveBrowserDesk::startFirefox(const QStringList &urls)
{
    const QString profile = newProfile();
    if (!QDir().mkpath(profile))
        return nullptr;
    QFile preferences(profile + QStringLiteral("/user.js"));
    if (!preferences.open(QIODevice::WriteOnly) || preferences.write(firefoxPreferences) <= 0)
        return nullptr;
    preferences.close();
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("MOZ_CRASHREPORTER_DISABLE"), QStringLiteral("1"));
    // Remote control stays on, so that a second start with the profile
    // opens a window in this one; each test's session bus is its own.
    QProcess *browser =
        m_desktop.launch(QStandardPaths::findExecutable(QString::fromLatin1(firefoxProgram)),
                         QStringList{QStringLiteral("--profile"), profile} + urls, environment);
    m_profileOf.insert(browser, profile);
    return browser;
}

std::optional<DesktopHarness::Window> LiveBrowserDesk::openWindow(QProcess *browser, Browser which,
                                                                  const QString &url,
                                                                  bool privateWindow)
{
    const QString profile = m_profileOf.value(browser);
    if (profile.isEmpty() || browser->state() != QProcess::Running)
        return std::nullopt;
    // The process with the windows, whatever wrapper the program started with.
    const qint32 pid = processOf(which);
    if (pid == 0)
        return std::nullopt;
    const QList<DesktopHarness::Window> before = windowsOf(pid);
    const QStringList window{privateWindow ? which == Browser::chromium
                                                 ? QStringLiteral("--incognito")
                                                 : QStringLiteral("--private-window")
                                           : QStringLiteral("--new-window"),
                             url};
    QProcess *launcher =
        which == Browser::chromium
            ? m_desktop.launch(QStandardPaths::findExecutable(QString::fromLatin1(chromiumProgram)),
                               chromiumArguments(profile) + window)
            : m_desktop.launch(QStandardPaths::findExecutable(QString::fromLatin1(firefoxProgram)),
                               QStringList{QStringLiteral("--profile"), profile} + window);
    if (!launcher)
        return std::nullopt;
    std::optional<DesktopHarness::Window> opened;
    const auto inFront = [&] {
        for (const DesktopHarness::Window w : windowsOf(pid)) {
            if (!before.contains(w) && m_connection->activeWindow() == w)
                opened = w;
        }
        return opened.has_value();
    };
    if (!QTest::qWaitFor(inFront, startTimeoutMs))
        return std::nullopt;
    return opened;
}

QList<DesktopHarness::Window> LiveBrowserDesk::windowsOf(qint32 processIdentifier) const
{
    return m_connection->windowsOfProcess(processIdentifier);
}

bool LiveBrowserDesk::windowTool(const QStringList &arguments,
                                 const std::function<bool()> &done) const
{
    return m_desktop.runTool(QStringLiteral("xdotool"), arguments).has_value() &&
           QTest::qWaitFor(done, 10000);
}

bool LiveBrowserDesk::activateWindow(DesktopHarness::Window window) const
{
    return windowTool({QStringLiteral("windowactivate"), QString::number(window)},
                      [&] { return m_connection->activeWindow() == window; });
}

bool LiveBrowserDesk::minimiseWindow(DesktopHarness::Window window) const
{
    const quint32 state = m_connection->atom("_NET_WM_STATE");
    const quint32 hidden = m_connection->atom("_NET_WM_STATE_HIDDEN");
    return windowTool({QStringLiteral("windowminimize"), QString::number(window)}, [&] {
        return m_connection->cardinalProperty(window, state, XCB_ATOM_ATOM).contains(hidden);
    });
}

bool LiveBrowserDesk::isMinimised(DesktopHarness::Window window) const
{
    return m_connection
        ->cardinalProperty(window, m_connection->atom("_NET_WM_STATE"), XCB_ATOM_ATOM)
        .contains(m_connection->atom("_NET_WM_STATE_HIDDEN"));
}

bool LiveBrowserDesk::isStackedAbove(DesktopHarness::Window upper,
                                     DesktopHarness::Window lower) const
{
    const QList<platform::X11Connection::Window> stack = m_connection->stackingOrder();
    return stack.contains(lower) && stack.indexOf(upper) > stack.indexOf(lower);
}

bool LiveBrowserDesk::closeWindow(DesktopHarness::Window window) const
{
    // As a task bar's close does: the window manager asks the window.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = m_connection->atom("_NET_CLOSE_WINDOW");
    message.data.data32[1] = 2; // a pager's request
    xcb_send_event(m_connection->connection(), 0, m_connection->root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(m_connection->connection());
    return QTest::qWaitFor([&] { return !m_connection->clientWindows().contains(window); }, 10000);
}

bool LiveBrowserDesk::switchToDesktop(int desktop) const
{
    const quint32 property = m_connection->atom("_NET_CURRENT_DESKTOP");
    return windowTool({QStringLiteral("set_desktop"), QString::number(desktop)}, [&] {
        return m_connection->cardinalProperty(m_connection->root(), property, XCB_ATOM_CARDINAL) ==
               QList<quint32>{quint32(desktop)};
    });
}

bool LiveBrowserDesk::moveWindowToDesktop(DesktopHarness::Window window, int desktop) const
{
    const quint32 property = m_connection->atom("_NET_WM_DESKTOP");
    return windowTool({QStringLiteral("set_desktop_for_window"), QString::number(window),
                       QString::number(desktop)},
                      [&] {
                          return m_connection->cardinalProperty(window, property,
                                                                XCB_ATOM_CARDINAL) ==
                                 QList<quint32>{quint32(desktop)};
                      });
}

bool LiveBrowserDesk::stop(QProcess *browser, Browser which)
{
    if (browser && browser->state() != QProcess::NotRunning) {
        browser->terminate();
        if (!browser->waitForFinished(20000)) {
            browser->kill();
            browser->waitForFinished(5000);
        }
    }
    return QTest::qWaitFor([&] { return processOf(which) == 0; }, 20000);
}

qint32 LiveBrowserDesk::processOf(Browser browser) const
{
    const auto running = m_workspace->runningApplications(identifier(browser));
    return running.isEmpty() ? 0 : running.first().processIdentifier;
}

QString LiveBrowserDesk::shownAddress(Browser browser) const
{
    const QString id = identifier(browser);
    const std::optional<QString> address =
        browser == Browser::chromium ? m_reader->readDocumentURL(id) : m_reader->readURL(id);
    return address.value_or(QString());
}

QString LiveBrowserDesk::frontWindowTree(qint32 processIdentifier) const
{
    platform::AccessibilityHost &host = *m_host;
    const auto window = host.copyAttributeValue(host.applicationElement(processIdentifier),
                                                QString::fromLatin1(ax::focusedWindow));
    if (!window) {
        static const char *const errors[] = {
            "failure",         "illegal argument", "invalid element",
            "cannot complete", "unsupported",      "action unsupported",
            "not implemented", "api disabled",     "no value"};
        return QStringLiteral("none found: %1").arg(QLatin1String(errors[int(window.error())]));
    }
    const auto *element = std::get_if<platform::AccessibleElement>(&window.value());
    if (!element)
        return QStringLiteral("the window in front is no element");
    QStringList lines;
    const auto describe = [&](const auto &self, const platform::AccessibleElement &at,
                              int depth) -> void {
        if (depth > 10 || lines.size() >= 80)
            return;
        const auto url = host.copyAttributeValue(at, QString::fromLatin1(ax::url));
        const QUrl *asUrl = url ? std::get_if<QUrl>(&url.value()) : nullptr;
        const QString *asText = url ? std::get_if<QString>(&url.value()) : nullptr;
        lines << QStringLiteral("%1%2 \"%3\" value \"%4\" url \"%5\"")
                     .arg(QString(depth * 2, u' '),
                          halvex::copyStringAttribute(host, at, ax::role)
                              .value_or(QStringLiteral("?")),
                          halvex::copyStringAttribute(host, at, ax::title)
                              .value_or(QString())
                              .left(60),
                          halvex::copyStringAttribute(host, at, ax::value)
                              .value_or(QString())
                              .left(60),
                          asUrl    ? asUrl->toString()
                          : asText ? *asText
                                   : QString());
        for (const platform::AccessibleElement &child : halvex::childElements(host, at))
            self(self, child, depth + 1);
    };
    describe(describe, *element, 0);
    return lines.join(u'\n');
}

int LiveBrowserDesk::tabCount(qint32 processIdentifier) const
{
    const auto tabs = halvex::windowTabs(*m_host, *m_trust, processIdentifier);
    return tabs ? int(tabs->size()) : -1;
}

bool LiveBrowserDesk::followLink(qint32 processIdentifier, const QString &name) const
{
    platform::AccessibilityHost &host = *m_host;
    const auto window = halvex::copyElementAttribute(
        host, host.applicationElement(processIdentifier), ax::focusedWindow);
    if (!window)
        return false;
    // Only what is on screen: the pages of other tabs have links of their own.
    const auto find = [&](const auto &self, const platform::AccessibleElement &element, bool inPage,
                          int depth) -> std::optional<platform::AccessibleElement> {
        if (depth > 12)
            return std::nullopt;
        if (inPage && halvex::copyStringAttribute(host, element, ax::title) == name)
            return element;
        inPage = inPage || halvex::copyStringAttribute(host, element, ax::role) ==
                               QLatin1String(ax::webAreaRole);
        for (const platform::AccessibleElement &child : halvex::childElements(host, element)) {
            if (auto found = self(self, child, inPage, depth + 1))
                return found;
        }
        return std::nullopt;
    };
    const std::optional<platform::AccessibleElement> link = find(find, *window, false, 0);
    return link && host.performAction(*link, QString::fromLatin1(ax::press)).hasValue();
}

bool LiveBrowserDesk::pressKeys(const QString &keys) const
{
    return m_desktop
        .runTool(QStringLiteral("xdotool"),
                 QStringList{QStringLiteral("key")} + keys.split(u' ', Qt::SkipEmptyParts))
        .has_value();
}

} // namespace testing
