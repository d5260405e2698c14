#include "browsers/AppleScriptBrowserBridge.h"

#include "browsers/BrowserLauncher.h"
#include "browsers/BrowserURL.h"
#include "platform/Log.h"

namespace halvex {

namespace {
constexpr double actionTimeout = 2.0;
// The read after a grant may wait for the browser to finish starting.
constexpr double firstReadTimeout = 120.0;
constexpr double launchTimeout = 3.0;
} // namespace

AppleScriptBrowserBridge::AppleScriptBrowserBridge(QString bundleIdentifier, QString name,
                                                   QString urlScriptSource,
                                                   QString goBackScriptSource,
                                                   QString closeTabScriptSource,
                                                   std::unique_ptr<AppleScriptRunner> runner,
                                                   BrowserBridgeServices services, QObject *parent)
    : QObject(parent)
    , m_bundleIdentifier(std::move(bundleIdentifier))
    , m_name(std::move(name))
    , m_runner(std::move(runner))
    , m_urlScriptSource(std::move(urlScriptSource))
    , m_goBackScriptSource(std::move(goBackScriptSource))
    , m_closeTabScriptSource(std::move(closeTabScriptSource))
    , m_services(std::move(services))
{
    qRegisterMetaType<halvex::ProbeResult>();
}

AppleScriptBrowserBridge::~AppleScriptBrowserBridge() = default;

fennimar::AutomationStatus AppleScriptBrowserBridge::queryAutomation(bool askUserIfNeeded)
{
    return m_services.automation->status(m_bundleIdentifier, fennimar::AutomationProbe::anyEvent,
                                         fennimar::AutomationProbe::anyEvent, askUserIfNeeded,
                                         *m_services.grants);
}

fennimar::AutomationStatus AppleScriptBrowserBridge::automationStatus()
{
    return queryAutomation(false);
}

bool AppleScriptBrowserBridge::hasAutomationGrant()
{
    return automationStatus() == fennimar::AutomationStatus::granted;
}

std::optional<QUrl>
AppleScriptBrowserBridge::url(const platform::ScriptDescriptor &descriptor) const
{
    if (!descriptor.stringValue)
        return std::nullopt;
    return browserURL(*descriptor.stringValue);
}

void AppleScriptBrowserBridge::publish(std::optional<QUrl> url, std::optional<ProbeError> error)
{
    emit resultPublished(ProbeResult{m_bundleIdentifier, m_name, std::move(url), std::move(error),
                                     m_services.clock()});
}

QFuture<URLReadResult> AppleScriptBrowserBridge::fetchURL()
{
    if (!m_services.launcher->isRunning(m_bundleIdentifier)) {
        publish(std::nullopt, std::nullopt);
        return QtFuture::makeReadyFuture(URLReadResult(std::optional<QUrl>()));
    }
    if (!hasAutomationGrant()) {
        publish(std::nullopt, ProbeError::automationDenied());
        return QtFuture::makeReadyFuture(
            URLReadResult(platform::unexpected(ProbeError::automationDenied())));
    }
    return m_runner->runAsync(m_urlScriptSource, actionTimeout)
        .then(this, [this](const ScriptRunResult &outcome) -> URLReadResult {
            if (!outcome) {
                publish(std::nullopt, outcome.error());
                return platform::unexpected(outcome.error());
            }
            std::optional<QUrl> read = url(outcome.value());
            publish(read, std::nullopt);
            return read;
        });
}

QFuture<bool> AppleScriptBrowserBridge::runAction(const QString &source)
{
    if (!m_services.launcher->isRunning(m_bundleIdentifier) || !hasAutomationGrant())
        return QtFuture::makeReadyFuture(false);
    return m_runner->runAsync(source, actionTimeout).then([](const ScriptRunResult &outcome) {
        return outcome.hasValue();
    });
}

QFuture<bool> AppleScriptBrowserBridge::goBack()
{
    return runAction(m_goBackScriptSource);
}

QFuture<bool> AppleScriptBrowserBridge::closeTab()
{
    return runAction(m_closeTabScriptSource);
}

QFuture<fennimar::AutomationStatus> AppleScriptBrowserBridge::requestAccess()
{
    using fennimar::AutomationStatus;
    return m_services.launcher->ensureRunning(m_bundleIdentifier, launchTimeout)
        .then(this,
              [this](bool launched) -> QFuture<AutomationStatus> {
                  if (!launched) {
                      platform::log::permissions().info(
                          "requestAccess: %s not launchable -> notDetermined",
                          {m_bundleIdentifier});
                      return QtFuture::makeReadyFuture(AutomationStatus::notDetermined);
                  }
                  // On the main thread: the prompt that may follow belongs in front.
                  if (m_services.activateApplication)
                      m_services.activateApplication();
                  const AutomationStatus status = queryAutomation(true);
                  platform::log::permissions().info("requestAccess: %s -> %s",
                                                    {m_bundleIdentifier, fennimar::raw(status)});
                  if (status != AutomationStatus::granted)
                      return QtFuture::makeReadyFuture(status);
                  return m_runner->runAsync(m_urlScriptSource, firstReadTimeout)
                      .then([](const ScriptRunResult &) { return AutomationStatus::granted; });
              })
        .unwrap();
}

} // namespace halvex
