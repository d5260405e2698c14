#include "browsers/AccessibilityBrowserBridge.h"

#include <memory>

#include <QPointer>
#include <QPromise>

#include "browsers/BrowserURL.h"

namespace halvex {

AccessibilityBrowserBridge::AccessibilityBrowserBridge(AccessibilityBridgeServices services,
                                                       QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
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

QFuture<bool> AccessibilityBrowserBridge::sendAfterActivation(quint16 keyCode,
                                                              bool pressBackButtonOnRefusal)
{
    const QList<platform::RunningApplication> running =
        m_services.workspace->runningApplications(bundleIdentifier());
    if (running.isEmpty())
        return QtFuture::makeReadyFuture(false);
    const platform::RunningApplication browser = running.first();
    m_services.workspace->activate(browser);

    auto promise = std::make_shared<QPromise<bool>>();
    promise->start();
    QFuture<bool> future = promise->future();
    m_services.scheduler->scheduleOnce(
        activationPause, [self = QPointer<AccessibilityBrowserBridge>(this), promise, browser,
                          keyCode, pressBackButtonOnRefusal] {
            bool done = false;
            if (self) {
                self->m_cached.reset();
                done = self->m_services.keystrokes->send(keyCode, browser.processIdentifier);
                if (!done && pressBackButtonOnRefusal)
                    done = pressBackButton(*self->m_services.accessibility, *self->m_services.trust,
                                           browser.processIdentifier, self->backButton());
            }
            promise->addResult(done);
            promise->finish();
        });
    return future;
}

QFuture<bool> AccessibilityBrowserBridge::goBack()
{
    return sendAfterActivation(platform::keycode::leftBracket, true);
}

QFuture<bool> AccessibilityBrowserBridge::closeTab()
{
    return sendAfterActivation(platform::keycode::w, false);
}

QFuture<fennimar::AutomationStatus> AccessibilityBrowserBridge::requestAccess()
{
    return QtFuture::makeReadyFuture(m_services.trust->requestTrust()
                                         ? fennimar::AutomationStatus::granted
                                         : fennimar::AutomationStatus::notDetermined);
}

} // namespace halvex
