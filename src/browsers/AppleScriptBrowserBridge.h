#pragma once

#include <functional>
#include <memory>

#include <QDateTime>
#include <QObject>

#include "browsers/AppleScriptRunner.h"
#include "browsers/BrowserURLProbe.h"
#include "browsers/ProbeResult.h"
#include "kit/AutomationGrantMemory.h"
#include "kit/AutomationProbe.h"

namespace halvex {

class BrowserLauncher;

// What every script bridge calls on; the composition root hands the same
// services to all of them.
struct BrowserBridgeServices {
    BrowserLauncher *launcher = nullptr;
    const fennimar::AutomationProbe *automation = nullptr;
    // The remembered grants ("fennimar.automationGrants" in the standard defaults).
    fennimar::AutomationGrantMemory *grants = nullptr;
    // Brings this application forward, ahead of the system's consent prompt.
    std::function<void()> activateApplication;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTimeUtc(); };
};

// A browser read and steered through scripts. A script is sent only while
// the browser runs and its automation grant stands; only requestAccess()
// may have the user asked. Lives on the main thread.
class AppleScriptBrowserBridge : public QObject, public BrowserURLProbe {
    Q_OBJECT
public:
    ~AppleScriptBrowserBridge() override;
    Q_DISABLE_COPY_MOVE(AppleScriptBrowserBridge)

    QString bundleIdentifier() const final { return m_bundleIdentifier; }
    QString name() const final { return m_name; }
    BrowserAccessKind accessKind() const final { return BrowserAccessKind::appleEvents; }
    fennimar::AutomationStatus automationStatus() final;

    QFuture<URLReadResult> fetchURL() override;
    QFuture<bool> goBack() override;
    QFuture<bool> closeTab() override;
    QFuture<fennimar::AutomationStatus> requestAccess() override;
    virtual bool hasAutomationGrant();
    // The URL in a script's result; none for an empty or unparsable text.
    virtual std::optional<QUrl> url(const platform::ScriptDescriptor &descriptor) const;

    const QString &urlScriptSource() const { return m_urlScriptSource; }
    const QString &goBackScriptSource() const { return m_goBackScriptSource; }
    const QString &closeTabScriptSource() const { return m_closeTabScriptSource; }

signals:
    // Every URL read, sent before fetchURL()'s result is delivered.
    void resultPublished(const halvex::ProbeResult &result);

protected:
    AppleScriptBrowserBridge(QString bundleIdentifier, QString name, QString urlScriptSource,
                             QString goBackScriptSource, QString closeTabScriptSource,
                             std::unique_ptr<AppleScriptRunner> runner,
                             BrowserBridgeServices services, QObject *parent);

private:
    QFuture<bool> runAction(const QString &source);
    void publish(std::optional<QUrl> url, std::optional<ProbeError> error);
    fennimar::AutomationStatus queryAutomation(bool askUserIfNeeded);

    QString m_bundleIdentifier;
    QString m_name;
    std::unique_ptr<AppleScriptRunner> m_runner;
    QString m_urlScriptSource;
    QString m_goBackScriptSource;
    QString m_closeTabScriptSource;
    BrowserBridgeServices m_services;
};

} // namespace halvex
