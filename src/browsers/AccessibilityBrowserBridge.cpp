#include "browsers/AccessibilityBrowserBridge.h"

#include <cmath>
#include <memory>
#include <utility>

#include <QPointer>
#include <QPromise>

#include "browsers/AXTabStrip.h"
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
    // visit: the page the step left answers until it is done.
    if (m_held)
        return QtFuture::makeReadyFuture(URLReadResult(*m_held));
    const QDateTime now = m_services.clock();
    if (m_cached) {
        const qint64 elapsedMs = m_cached->readAt.msecsTo(now);
        // A clock set back makes the read stale, not fresh for the gap.
        if (elapsedMs >= 0 && elapsedMs < qint64(cacheLifetime * 1000))
            return QtFuture::makeReadyFuture(URLReadResult(m_cached->url));
    }
    std::optional<QUrl> url;
    if (const std::optional<QString> text = readAddress())
        url = browserURL(*text);
    m_cached = Cached{url, now};
    return QtFuture::makeReadyFuture(URLReadResult(url));
}

QFuture<bool> AccessibilityBrowserBridge::inFront(Step step)
{
    const QList<platform::RunningApplication> running =
        m_services.workspace->runningApplications(bundleIdentifier());
    if (running.isEmpty())
        return QtFuture::makeReadyFuture(false);
    const platform::RunningApplication browser = running.first();

    auto promise = std::make_shared<QPromise<bool>>();
    promise->start();
    QFuture<bool> future = promise->future();
    // Runs once: when the browser is announced in front, or at the time-out.
    auto pending = std::make_shared<std::function<void()>>(
        [self = QPointer<AccessibilityBrowserBridge>(this), step, browser, promise] {
            const Done done = [self, promise](bool result) {
                if (self) {
                    self->m_held.reset();
                    self->m_cached = std::exchange(self->m_landed, std::nullopt);
                }
                promise->addResult(result);
                promise->finish();
            };
            if (!self)
                return done(false);
            self->m_cached.reset();
            self->m_landed.reset();
            const std::optional<QString> shown = self->readAddress();
            self->m_held = shown ? browserURL(*shown) : std::nullopt;
            (self.data()->*step)(browser, shown, done);
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

bool AccessibilityBrowserBridge::send(quint16 keyCode, const platform::RunningApplication &browser)
{
    return m_services.keystrokes->send(keyCode, browser.processIdentifier);
}

void AccessibilityBrowserBridge::stepBack(const platform::RunningApplication &browser,
                                          const std::optional<QString> &shown, Done done)
{
    m_stepUnseen = false;
    platform::AccessibilityHost &host = *m_services.accessibility;
    const auto button =
        findBackButton(host, *m_services.trust, browser.processIdentifier, backButton());
    if (button) {
        const auto enabled = host.copyAttributeValue(*button, QString::fromLatin1(ax::enabled));
        const bool *canAct = enabled ? std::get_if<bool>(&enabled.value()) : nullptr;
        // Greyed out: there is no page to go back to, and nothing is sent.
        if (canAct && !*canAct)
            return done(false);
    }
    const auto press = [&host, &button] {
        return button && host.performAction(*button, QString::fromLatin1(ax::press)).hasValue();
    };
    const bool sent = pressesBackButtonFirst()
                          ? press() || send(platform::keycode::leftBracket, browser)
                          : send(platform::keycode::leftBracket, browser) || press();
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
            const std::optional<QString> now = readAddress();
            if (!now || *now == *before)
                return false;
            m_landed = Cached{browserURL(*now), m_services.clock()};
            return true;
        },
        answer, pollsPerStep);
}

void AccessibilityBrowserBridge::closeFrontTab(const platform::RunningApplication &browser,
                                               const std::optional<QString> &shown, Done done)
{
    // A step back that did not show in time may land yet: a tab closed now
    // could be the page it went back to. The next step back starts afresh.
    if (m_stepUnseen)
        return done(false);
    platform::AccessibilityHost &host = *m_services.accessibility;
    const fennimar::AccessibilityProbe &trust = *m_services.trust;
    const qint32 pid = browser.processIdentifier;
    const auto tabs = windowTabs(host, trust, pid);
    // No strip to count (full screen, an application window, a tree not
    // built yet): the tab may be the window's last, and closing it would
    // end the browser. The page stays.
    if (!tabs)
        return done(false);
    // The tabs as they stand; -1 while the strip cannot be read.
    const auto count = [&host, &trust, pid]() -> qsizetype {
        const auto now = windowTabs(host, trust, pid);
        return now ? now->size() : -1;
    };
    if (const qsizetype before = tabs->size(); before > 1) {
        if (!send(platform::keycode::w, browser))
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
    if (!send(platform::keycode::t, browser))
        return done(false);
    const QPointer<AccessibilityBrowserBridge> self(this);
    waitUntil([count] { return count() > 1; },
              [self, &host, tab, count, shown, done](bool opened) {
                  if (!self || !opened || !pressCloseButton(host, tab))
                      return done(false);
                  self->waitUntil(
                      [self, count, shown] {
                          return count() == 1 && (!shown || self->readAddress() != shown);
                      },
                      done, pollsPerStep);
              },
              pollsPerStep);
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
