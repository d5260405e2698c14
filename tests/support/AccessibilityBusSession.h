#pragma once

#include <QProcess>
#include <QProcessEnvironment>

#include "WindowManagerSession.h"
#include <QString>

namespace testing {

// A desktop session of the test's own with an accessibility bus, so live
// accessibility tests neither see nor change the user's desktop.
class AccessibilityBusSession final {
public:
    // Call first in main(). Outside a private session it replaces the
    // process with itself run under dbus-run-session (settings kept in
    // memory) and does not return; inside one, or when that cannot be done,
    // it returns at once.
    static void enter(int argc, char **argv);
    static bool isInside();

    AccessibilityBusSession() = default;
    ~AccessibilityBusSession();
    AccessibilityBusSession(const AccessibilityBusSession &) = delete;
    AccessibilityBusSession &operator=(const AccessibilityBusSession &) = delete;

    // Starts the bus launcher and waits, bounded, until it hands out the
    // bus address. On failure, why says what went wrong.
    bool start(QString *why);
    // Starts openbox when the display has no window manager: the active
    // window is the window manager's to name.
    bool ensureWindowManager(QString *why);

    QString address() const { return m_address; }
    qint64 launcherProcessIdentifier() const { return m_launcher.processId(); }
    // The environment for the applications under test, which join this bus.
    QProcessEnvironment applicationEnvironment() const;

private:
    QProcess m_launcher;
    WindowManagerSession m_windowManager;
    QString m_address;
};

} // namespace testing
