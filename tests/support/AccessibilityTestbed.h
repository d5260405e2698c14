#pragma once

#include <QTemporaryDir>

#include "FakeAccessibilityHost.h"
#include "FakeWorkspace.h"
#include "kit/AccessibilityProbe.h"

namespace testing {

// A trusted desktop with a reference process that answers, and Firefox
// running as "/app", whose focused window a test builds.
struct AccessibilityTestbed {
    static constexpr qint32 ownPid = 1;
    static constexpr qint32 referencePid = 2;
    static constexpr qint32 browserPid = 40;
    static inline const QString firefox = QStringLiteral("org.mozilla.firefox");

    QTemporaryDir dir;
    platform::UserDefaults defaults{dir.filePath(QStringLiteral("defaults.ini"))};
    FakeAccessibilityHost host;
    FakeWorkspace workspace;
    fennimar::AccessibilityProbe probe{host, workspace, defaults, ownPid};
    platform::AccessibleElement browser;

    AccessibilityTestbed()
    {
        host.trusted = true;
        host.reference = referencePid;
        host.addApplication(referencePid, QStringLiteral("desktop"));
        browser = host.addApplication(browserPid, QStringLiteral("app"));
        workspace.running << platform::RunningApplication{firefox, browserPid};
    }

    // The window, built from the lines as FakeAccessibilityHost::addTree does.
    platform::AccessibleElement showWindow(const QStringList &lines)
    {
        const platform::AccessibleElement window = host.addTree(lines);
        host.setFocusedWindow(browser, window);
        return window;
    }
    // Calls that reached the browser's own tree.
    int browserLookups() const
    {
        return int(host.calls.count(QStringLiteral("application %1").arg(browserPid)));
    }
};

} // namespace testing
