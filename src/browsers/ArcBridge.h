#pragma once

#include "browsers/AppleScriptBrowserBridge.h"

namespace halvex {

// Arc reads and closes tabs in the Chromium dialect but cannot step back.
class ArcBridge final : public AppleScriptBrowserBridge {
    Q_OBJECT
public:
    ArcBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
              QObject *parent = nullptr);

    // Always false: nothing is checked and no script is sent.
    QFuture<bool> goBack() override;
};

} // namespace halvex
