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

    // True once the running browser has been found off the accessibility
    // bus past the grace; false again once it is found there, or a new
    // process of it runs, or a look finds it no longer running.
    bool needsRestart() const { return m_needsRestart; }
    // While accessibility is on: whether the running browser is off the bus
    // and has been for the grace, counted from when its process started
    // (so one started long before is told at the first look, one just
    // launched is given the time to join), or from when it was first found
    // missing where that start is unknown.
    bool checkUnreadable() override;
    std::optional<QString> unreadableReason() const override;

protected:
    // A read that finds no page judges by the absence reads have seen
    // themselves: off the bus across reads for the grace.
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

    // One lookup on the bus for the process; seen off a bus that answered,
    // flags it once it has been off for the grace (from its start too, with
    // `byStartTime`). A lookup that got no answer changes nothing.
    void judge(qint32 processIdentifier, bool byStartTime);
    void forget();

    QString m_bundleIdentifier;
    QString m_name;
    std::optional<Absence> m_absence;
    bool m_needsRestart = false;
};

} // namespace halvex
