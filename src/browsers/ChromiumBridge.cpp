#include "browsers/ChromiumBridge.h"

namespace halvex {

namespace {
QString tellApplication(const QString &applicationName, const char *line2, const char *line3)
{
    return u"tell application \"" + applicationName + u"\"\n    " + QLatin1StringView(line2) +
           u"\n    " + QLatin1StringView(line3) + u"\nend tell";
}
} // namespace

QString ChromiumBridge::urlScript(const QString &applicationName)
{
    return tellApplication(applicationName, "if (count of windows) is 0 then return \"\"",
                           "return URL of active tab of front window");
}

QString ChromiumBridge::goBackScript(const QString &applicationName)
{
    return tellApplication(applicationName, "if (count of windows) is 0 then return",
                           "tell front window to go back active tab");
}

QString ChromiumBridge::closeTabScript(const QString &applicationName)
{
    return tellApplication(applicationName, "if (count of windows) is 0 then return",
                           "close active tab of front window");
}

ChromiumBridge::ChromiumBridge(QString bundleIdentifier, QString name,
                               const QString &applicationName,
                               std::unique_ptr<AppleScriptRunner> runner,
                               BrowserBridgeServices services, QObject *parent)
    : AppleScriptBrowserBridge(std::move(bundleIdentifier), std::move(name),
                               urlScript(applicationName), goBackScript(applicationName),
                               closeTabScript(applicationName), std::move(runner),
                               std::move(services), parent)
{}

ChromeBridge::ChromeBridge(std::unique_ptr<AppleScriptRunner> runner,
                           BrowserBridgeServices services, QObject *parent)
    : ChromiumBridge(QStringLiteral("com.google.Chrome"), QStringLiteral("Google Chrome"),
                     QStringLiteral("Google Chrome"), std::move(runner), std::move(services),
                     parent)
{}

OperaBridge::OperaBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                         QObject *parent)
    : ChromiumBridge(QStringLiteral("com.operasoftware.Opera"), QStringLiteral("Opera"),
                     QStringLiteral("Opera"), std::move(runner), std::move(services), parent)
{}

BraveBridge::BraveBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                         QObject *parent)
    : ChromiumBridge(QStringLiteral("com.brave.Browser"), QStringLiteral("Brave"),
                     QStringLiteral("Brave Browser"), std::move(runner), std::move(services),
                     parent)
{}

EdgeBridge::EdgeBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                       QObject *parent)
    : ChromiumBridge(QStringLiteral("com.microsoft.edgemac"), QStringLiteral("Microsoft Edge"),
                     QStringLiteral("Microsoft Edge"), std::move(runner), std::move(services),
                     parent)
{}

VivaldiBridge::VivaldiBridge(std::unique_ptr<AppleScriptRunner> runner,
                             BrowserBridgeServices services, QObject *parent)
    : ChromiumBridge(QStringLiteral("com.vivaldi.Vivaldi"), QStringLiteral("Vivaldi"),
                     QStringLiteral("Vivaldi"), std::move(runner), std::move(services), parent)
{}

} // namespace halvex
