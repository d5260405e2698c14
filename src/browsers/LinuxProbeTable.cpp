#include "browsers/LinuxProbeTable.h"

#include "browsers/ChromiumAccessibilityBridge.h"
#include "browsers/FirefoxBridge.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"

namespace halvex {

namespace {

QString installedName(const platform::DesktopEntryIndex &installed, const QString &identifier,
                      const QString &knownAs)
{
    for (const QString &id : platform::ApplicationIdentity::desktopIds(identifier)) {
        if (const std::optional<platform::DesktopEntry> entry = installed.entry(id))
            return entry->shortName();
    }
    return knownAs;
}

} // namespace

BrowserProbeTable makeLinuxProbeTable(const AccessibilityBridgeServices &services,
                                      const platform::DesktopEntryIndex &installed)
{
    // Without an entry, the names of the script bridges on other desktops.
    static const QList<std::pair<const char *, const char *>> chromiumFamily = {
        {"com.google.Chrome", "Google Chrome"}, {"com.operasoftware.Opera", "Opera"},
        {"com.brave.Browser", "Brave"},         {"com.microsoft.edgemac", "Microsoft Edge"},
        {"com.vivaldi.Vivaldi", "Vivaldi"},
    };
    BrowserProbeTable table;
    for (const auto &[identifier, name] : chromiumFamily) {
        const QString id = QString::fromLatin1(identifier);
        table.insert(id,
                     std::make_shared<ChromiumAccessibilityBridge>(
                         id, installedName(installed, id, QString::fromLatin1(name)), services));
    }
    const QString firefox = QString::fromLatin1(FirefoxBridge::identifier);
    table.insert(firefox,
                 std::make_shared<FirefoxBridge>(
                     services, installedName(installed, firefox, QStringLiteral("Firefox"))));
    return table;
}

} // namespace halvex
