#pragma once

#include "browsers/AccessibilityBrowserBridge.h"

namespace halvex {

// Firefox, whose tree shows the page's address within a few levels of the
// window and names its back button "back-button".
class FirefoxBridge final : public AccessibilityBrowserBridge {
    Q_OBJECT
public:
    static constexpr const char *identifier = "org.mozilla.firefox";

    // `name` is the one the user knows the installed browser by, and
    // `installedIdentifier` its desktop-file id.
    explicit FirefoxBridge(AccessibilityBridgeServices services,
                           QString name = QStringLiteral("Firefox"),
                           QString installedIdentifier = {}, QObject *parent = nullptr);
    ~FirefoxBridge() override;
    Q_DISABLE_COPY_MOVE(FirefoxBridge)

    QString bundleIdentifier() const override { return QString::fromLatin1(identifier); }
    QString name() const override { return m_name; }

protected:
    std::optional<QString> readAddress() override;
    BackButtonLook backButton() const override { return BackButtonLook::firefox(); }

private:
    QString m_name;
};

} // namespace halvex
