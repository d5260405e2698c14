#pragma once

#include "browsers/AccessibilityBrowserBridge.h"

namespace halvex {

// Firefox, whose tree shows the page's address within a few levels of the
// window and names its back button "back-button".
class FirefoxBridge final : public AccessibilityBrowserBridge {
    Q_OBJECT
public:
    explicit FirefoxBridge(AccessibilityBridgeServices services, QObject *parent = nullptr);
    ~FirefoxBridge() override;
    Q_DISABLE_COPY_MOVE(FirefoxBridge)

    QString bundleIdentifier() const override { return QStringLiteral("org.mozilla.firefox"); }
    QString name() const override { return QStringLiteral("Firefox"); }

protected:
    std::optional<QString> readAddress() override;
    BackButtonLook backButton() const override { return BackButtonLook::firefox(); }
};

} // namespace halvex
