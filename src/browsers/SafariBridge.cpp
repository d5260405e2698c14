#include "browsers/SafariBridge.h"

namespace halvex {

namespace {
const QString urlScript = QStringLiteral("tell application \"Safari\"\n"
                                         "    if (count of windows) is 0 then return \"\"\n"
                                         "    return URL of current tab of front window\n"
                                         "end tell");
const QString closeTabScript = QStringLiteral("tell application \"Safari\"\n"
                                              "    if (count of windows) is 0 then return\n"
                                              "    close current tab of front window\n"
                                              "end tell");
} // namespace

SafariBridge::SafariBridge(std::unique_ptr<AppleScriptRunner> runner,
                           BrowserBridgeServices services, QObject *parent)
    : AppleScriptBrowserBridge(QStringLiteral("com.apple.Safari"), QStringLiteral("Safari"),
                               urlScript, QString(), closeTabScript, std::move(runner),
                               std::move(services), parent)
{}

QFuture<bool> SafariBridge::goBack()
{
    return QtFuture::makeReadyFuture(false);
}

} // namespace halvex
