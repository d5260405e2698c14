#include "browsers/AccessibilityBrowserBridge.h"

#include <cmath>
#include <memory>
#include <utility>

#include <QPointer>
#include <QPromise>

#include "browsers/AXTabStrip.h"
#include "browsers/AccessibilityAttributes.h"
#include "browsers/BrowserURL.h"

namespace halvex {

namespace {

namespace ax = platform::ax;

const int pollsPerStep = int(std::lround(AccessibilityBrowserBridge::stepTimeout /
                                         AccessibilityBrowserBridge::pollInterval));

} // namespace

AccessibilityBrowserBridge::AccessibilityBrowserBridge(AccessibilityBridgeServices services,
                                                       QString installedIdentifier, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_installedIdentifier(std::move(installedIdentifier))
{}

AccessibilityBrowserBridge::~AccessibilityBrowserBridge() = default;

bool AccessibilityBrowserBridge::isRunning() const
{
    return !m_services.workspace->runningApplications(bundleIdentifier()).isEmpty();
}

fennimar::AutomationStatus AccessibilityBrowserBridge::automationStatus()
{
    return m_services.trust->isTrusted() ? fennimar::AutomationStatus::granted
                                         : fennimar::AutomationStatus::notDetermined;
}

QFuture<URLReadResult> AccessibilityBrowserBridge::fetchURL()
{
    if (!isRunning())
        return QtFuture::makeReadyFuture(URLReadResult(std::optional<QUrl>()));
    if (!m_services.trust->isTrusted())
        return QtFuture::makeReadyFuture(
            URLReadResult(platform::unexpected(ProbeError::accessibilityDenied())));
    // Between the pages of a step a read would take a passing page for a
    // visit, and the page the step is leaving for a new one: until the step
    // is done a read finds no page.
    if (m_stepWindow)
        return QtFuture::makeReadyFuture(URLReadResult(std::optional<QUrl>()));
    const QDateTime now = m_services.clock();
    const std::optional<platform::ApplicationWindow> window =
        m_services.workspace->frontWindowOf(bundleIdentifier());
    if (m_cached && m_cached->window == window) {
        const qint64 elapsedMs = m_cached->readAt.msecsTo(now);
        // A clock set back makes the read stale, not fresh for the gap.
        if (elapsedMs >= 0 && elapsedMs < qint64(cacheLifetime * 1000))
            return QtFuture::makeReadyFuture(URLReadResult(m_cached->url));
    }
    std::optional<QUrl> url;
    if (const std::optional<QString> text = readAddress())
        url = browserURL(*text);
    m_cached = Cached{url, now, window};
    return QtFuture::makeReadyFuture(URLReadResult(url));
}

QFuture<bool> AccessibilityBrowserBridge::inFront(Step step)
{
    // The window in front now is the one the step is for: the caller has
    // brought it there, and a read a moment ago was of it.
    const std::optional<platform::ApplicationWindow> window =
        m_services.workspace->frontWindowOf(bundleIdentifier());
    if (!window)
        return QtFuture::makeReadyFuture(false);
    const platform::RunningApplication browser = window->application;

    auto promise = std::make_shared<QPromise<bool>>();
    promise->start();
    QFuture<bool> future = promise->future();
    // Runs once: when the browser is announced in front, or at the time-out.
    auto pending = std::make_shared<std::function<void()>>(
        [self = QPointer<AccessibilityBrowserBridge>(this), step, window = *window, promise] {
            const Done done = [self, promise](bool result) {
                if (self) {
                    self->m_stepWindow.reset();
                    self->m_cached = std::exchange(self->m_landed, std::nullopt);
                }
                promise->addResult(result);
                promise->finish();
            };
            if (!self)
                return done(false);
            self->m_cached.reset();
            self->m_landed.reset();
            self->m_stepWindow = window;
            const std::optional<QString> shown = self->readStepAddress();
            (self.data()->*step)(window, shown, done);
        });
    auto timer = std::make_shared<std::shared_ptr<platform::ScheduledTimer>>();
    auto announcement = std::make_shared<QMetaObject::Connection>();
    const auto run = [pending, timer, announcement] {
        QObject::disconnect(*announcement);
        if (const std::shared_ptr<platform::ScheduledTimer> armed = std::exchange(*timer, nullptr))
            armed->invalidate();
        if (const std::function<void()> work = std::exchange(*pending, nullptr))
            work();
    };
    // A browser with no window to bring forward is not waited for.
    if (!m_services.workspace->activate(browser) ||
        m_services.workspace->frontmostApplication() == browser) {
        run();
        return future;
    }
    *announcement = connect(m_services.workspace, &platform::Workspace::applicationActivated, this,
                            [run, browser](const platform::RunningApplication &application) {
                                if (application == browser)
                                    run();
                            });
    *timer = m_services.scheduler->scheduleOnce(activationTimeout, run);
    return future;
}

bool AccessibilityBrowserBridge::send(quint16 keyCode, const platform::ApplicationWindow &window)
{
    return inStepWindow() &&
           m_services.keystrokes->send(keyCode, window.application.processIdentifier);
}

bool AccessibilityBrowserBridge::inStepWindow() const
{
    return m_stepWindow && m_services.workspace->frontmostWindow() == m_stepWindow;
}

std::optional<QString> AccessibilityBrowserBridge::readStepAddress()
{
    if (!inStepWindow())
        return std::nullopt;
    std::optional<QString> address = readAddress();
    // Read just as the user brought another window forward: its page.
    return inStepWindow() ? address : std::nullopt;
}

void AccessibilityBrowserBridge::stepBack(const platform::ApplicationWindow &window,
                                          const std::optional<QString> &shown, Done done)
{
    m_stepUnseen = false;
    platform::AccessibilityHost &host = *m_services.accessibility;
    const fennimar::AccessibilityProbe &trust = *m_services.trust;
    const qint32 pid = window.application.processIdentifier;
    const auto button =
        inStepWindow() ? findBackButton(host, trust, pid, backButton()) : std::nullopt;
    if (button) {
        // Greyed out: there is no page to go back to, and nothing is sent.
        if (copyBoolAttribute(host, *button, ax::enabled) == false)
            return done(false);
    } else if (shown && !windowTabs(host, trust, pid)) {
        // A page shown with neither a way back nor tabs in sight: a popup's,
        // or one in full screen. A step that may have nowhere to go is not
        // waited for; the page leaves the front another way.
        return done(false);
    }
    const auto press = [this, &host, &button] {
        return button && inStepWindow() &&
               host.performAction(*button, QString::fromLatin1(ax::press)).hasValue();
    };
    const bool sent = pressesBackButtonFirst()
                          ? press() || send(platform::keycode::leftBracket, window)
                          : send(platform::keycode::leftBracket, window) || press();
    if (!sent)
        return done(false);
    settle(shown, std::move(done));
}

void AccessibilityBrowserBridge::settle(const std::optional<QString> &before, Done done)
{
    const QPointer<AccessibilityBrowserBridge> self(this);
    const Done answer = [self, done = std::move(done)](bool moved) {
        // Sent but not shown: the browser may still go back, later.
        if (self && !moved)
            self->m_stepUnseen = true;
        done(moved);
    };
    // Nothing to tell the pages apart by: the step cannot be seen to land.
    if (!before)
        return answer(false);
    waitUntil(
        [this, before] {
            const std::optional<QString> now = readStepAddress();
            if (!now || *now == *before)
                return false;
            m_landed = Cached{browserURL(*now), m_services.clock(), m_stepWindow};
            return true;
        },
        answer, pollsPerStep);
}

void AccessibilityBrowserBridge::closeFrontTab(const platform::ApplicationWindow &window,
                                               const std::optional<QString> &shown, Done done)
{
    // A step back that did not show in time may land yet: a tab closed now
    // could be the page it went back to. The next step back starts afresh.
    if (m_stepUnseen)
        return done(false);
    platform::AccessibilityHost &host = *m_services.accessibility;
    const fennimar::AccessibilityProbe &trust = *m_services.trust;
    const qint32 pid = window.application.processIdentifier;
    const auto tabs = windowTabs(host, trust, pid);
    if (!tabs) {
        // No strip to count. A window with a page and no tabs that is not
        // in full screen holds that page alone (a popup); otherwise (full
        // screen, a tree not built yet) the tab may be the window's last,
        // and closing it would end the browser. The page stays.
        if (shown && !m_services.workspace->isFullScreen(window))
            return closeOnlyPage(window, std::move(done));
        return done(false);
    }
    // The tabs as they stand; -1 while the strip cannot be read, or once
    // another window is in front.
    const auto count = [this, &host, &trust, pid]() -> qsizetype {
        const auto now = inStepWindow() ? windowTabs(host, trust, pid) : std::nullopt;
        return now ? now->size() : -1;
    };
    if (const qsizetype before = tabs->size(); before > 1) {
        if (!send(platform::keycode::w, window))
            return done(false);
        return waitUntil(
            [count, before] {
                const qsizetype now = count();
                return now >= 0 && now < before;
            },
            done, pollsPerStep);
    }
    // The window's last tab: closed alone it would end the browser here. A
    // new tab keeps the window, and the tab that was in front closes behind
    // it, out of sight.
    const platform::AccessibleElement tab = tabs->first();
    if (!send(platform::keycode::t, window))
        return done(false);
    const QPointer<AccessibilityBrowserBridge> self(this);
    waitUntil([count] { return count() > 1; },
              [self, &host, tab, count, shown, done](bool opened) {
                  if (!self || !opened || !self->inStepWindow() || !pressCloseButton(host, tab))
                      return done(false);
                  self->waitUntil(
                      [self, count, shown] {
                          return count() == 1 && (!shown || self->readStepAddress() != shown);
                      },
                      done, pollsPerStep);
              },
              pollsPerStep);
}

void AccessibilityBrowserBridge::closeOnlyPage(const platform::ApplicationWindow &window, Done done)
{
    platform::Workspace &workspace = *m_services.workspace;
    // Its last window closed, the browser would end on this desktop.
    if (workspace.windowsOf(window.application).size() < 2 || !send(platform::keycode::w, window))
        return done(false);
    waitUntil([&workspace, window] { return !workspace.isOpen(window); }, done, pollsPerStep);
}

void AccessibilityBrowserBridge::waitUntil(std::function<bool()> condition, Done then,
                                           int pollsLeft)
{
    if (condition())
        return then(true);
    if (pollsLeft <= 0)
        return then(false);
    const QPointer<AccessibilityBrowserBridge> self(this);
    m_services.scheduler->scheduleOnce(pollInterval, [self, condition = std::move(condition),
                                                      then = std::move(then), pollsLeft]() mutable {
        if (!self)
            return then(false);
        self->waitUntil(std::move(condition), std::move(then), pollsLeft - 1);
    });
}

QFuture<bool> AccessibilityBrowserBridge::goBack()
{
    return inFront(&AccessibilityBrowserBridge::stepBack);
}

QFuture<bool> AccessibilityBrowserBridge::closeTab()
{
    return inFront(&AccessibilityBrowserBridge::closeFrontTab);
}

QFuture<fennimar::AutomationStatus> AccessibilityBrowserBridge::requestAccess()
{
    return QtFuture::makeReadyFuture(m_services.trust->requestTrust()
                                         ? fennimar::AutomationStatus::granted
                                         : fennimar::AutomationStatus::notDetermined);
}

} // namespace halvex
