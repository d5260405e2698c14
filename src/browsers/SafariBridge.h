#pragma once

#include "browsers/AppleScriptBrowserBridge.h"

namespace halvex {

// Safari's scripts address its "current tab"; it has no script to step back.
class SafariBridge final : public AppleScriptBrowserBridge {
    Q_OBJECT
public:
    SafariBridge(std::unique_ptr<AppleScriptRunner> runner, BrowserBridgeServices services,
                 QObject *parent = nullptr);

    // Always false: nothing is checked and no script is sent.
    QFuture<bool> goBack() override;
};

} // namespace halvex
