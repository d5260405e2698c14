#include "browsers/ArcBridge.h"

#include "browsers/ChromiumBridge.h"

namespace halvex {

ArcBridge::ArcBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                     QObject *parent)
    : AppleScriptBrowserBridge(QStringLiteral("company.thebrowser.Browser"), QStringLiteral("Arc"),
                               ChromiumBridge::urlScript(QStringLiteral("Arc")), QString(),
                               ChromiumBridge::closeTabScript(QStringLiteral("Arc")),
                               std::move(runner), std::move(services), parent)
{}

QFuture<bool> ArcBridge::goBack()
{
    return QtFuture::makeReadyFuture(false);
}

} // namespace halvex
