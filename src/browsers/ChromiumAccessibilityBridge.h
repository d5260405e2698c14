#pragma once

#include <optional>

#include "browsers/AccessibilityBrowserBridge.h"

namespace halvex {

// A browser of the Chromium family read through the accessibility bus. Its
// tree is wide (every toolbar button and panel), so the page is found by the
// browser's own search rather than a walk. Such a browser joins the bus only
// if accessibility was on when it started: one that runs but stays off the
// bus is noted, logged once, and explained to the user.
class ChromiumAccessibilityBridge final : public AccessibilityBrowserBridge {
    Q_OBJECT
public:
    // How long a running browser may stay off the bus before it counts as
    // started too early: one that was just launched joins within moments.
    static constexpr double joinGraceSeconds = 10.0;

    ChromiumAccessibilityBridge(QString bundleIdentifier, QString name,
                                AccessibilityBridgeServices services,
                                QString installedIdentifier = {}, QObject *parent = nullptr);
    ~ChromiumAccessibilityBridge() override;
    Q_DISABLE_COPY_MOVE(ChromiumAccessibilityBridge)

    QString bundleIdentifier() const override { return m_bundleIdentifier; }
    QString name() const override { return m_name; }

    // True once the running browser has stayed off the accessibility bus
    // for the grace period; false again once a read finds it there, or a
    // new process of it runs.
    bool needsRestart() const { return m_needsRestart; }
    std::optional<QString> unreadableReason() const override;

protected:
    std::optional<QString> readAddress() override;
    BackButtonLook backButton() const override { return BackButtonLook::chromium(); }
    // Such a browser lets Alt+Left go unheeded while our panel covers its
    // page (its own shortcuts, Ctrl+W among them, it still takes); its
    // toolbar button acts whatever covers it and wherever the focus is.
    bool pressesBackButtonFirst() const override { return true; }

private:
    struct Absence {
        qint32 processIdentifier;
        QDateTime since;
    };

    void checkOnBus();

    QString m_bundleIdentifier;
    QString m_name;
    std::optional<Absence> m_absence;
    bool m_needsRestart = false;
};

} // namespace halvex
