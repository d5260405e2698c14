#include "browsers/LinuxProbeTable.h"

#include "browsers/ChromiumAccessibilityBridge.h"
#include "browsers/FirefoxBridge.h"

namespace halvex {

BrowserProbeTable makeLinuxProbeTable(const AccessibilityBridgeServices &services)
{
    // The bridges' names are those of the script bridges on other desktops.
    static const QList<std::pair<const char *, const char *>> chromiumFamily = {
        {"com.google.Chrome", "Google Chrome"}, {"com.operasoftware.Opera", "Opera"},
        {"com.brave.Browser", "Brave"},         {"com.microsoft.edgemac", "Microsoft Edge"},
        {"com.vivaldi.Vivaldi", "Vivaldi"},
    };
    BrowserProbeTable table;
    for (const auto &[identifier, name] : chromiumFamily) {
        table.insert(QString::fromLatin1(identifier),
                     std::make_shared<ChromiumAccessibilityBridge>(
                         QString::fromLatin1(identifier), QString::fromLatin1(name), services));
    }
    auto firefox = std::make_shared<FirefoxBridge>(services);
    table.insert(firefox->bundleIdentifier(), firefox);
    return table;
}

} // namespace halvex
