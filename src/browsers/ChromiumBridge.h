#pragma once

#include "browsers/AppleScriptBrowserBridge.h"

namespace halvex {

// The Chromium family shares one script dialect, naming the application
// whose windows it reads.
class ChromiumBridge : public AppleScriptBrowserBridge {
    Q_OBJECT
public:
    static QString urlScript(const QString &applicationName);
    static QString goBackScript(const QString &applicationName);
    static QString closeTabScript(const QString &applicationName);

protected:
    ChromiumBridge(QString bundleIdentifier, QString name, const QString &applicationName,
                   std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                   QObject *parent);
};

class ChromeBridge final : public ChromiumBridge {
    Q_OBJECT
public:
    ChromeBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                 QObject *parent = nullptr);
};

class OperaBridge final : public ChromiumBridge {
    Q_OBJECT
public:
    OperaBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                QObject *parent = nullptr);
};

class BraveBridge final : public ChromiumBridge {
    Q_OBJECT
public:
    BraveBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                QObject *parent = nullptr);
};

class EdgeBridge final : public ChromiumBridge {
    Q_OBJECT
public:
    EdgeBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
               QObject *parent = nullptr);
};

class VivaldiBridge final : public ChromiumBridge {
    Q_OBJECT
public:
    VivaldiBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                  QObject *parent = nullptr);
};

} // namespace halvex
