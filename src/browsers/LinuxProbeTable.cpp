#include "browsers/LinuxProbeTable.h"

#include "browsers/ChromiumAccessibilityBridge.h"
#include "browsers/FirefoxBridge.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"

namespace halvex {

namespace {

// The browser installed under a catalogue identifier: the first of its
// desktop ids with an entry.
std::optional<platform::DesktopEntry> installedEntry(const platform::DesktopEntryIndex &installed,
                                                     const QString &identifier)
{
    for (const QString &id : platform::ApplicationIdentity::desktopIds(identifier)) {
        if (std::optional<platform::DesktopEntry> entry = installed.entry(id))
            return entry;
    }
    return std::nullopt;
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
        const std::optional<platform::DesktopEntry> entry = installedEntry(installed, id);
        table.insert(id, std::make_shared<ChromiumAccessibilityBridge>(
                             id, entry ? entry->shortName() : QString::fromLatin1(name), services,
                             entry ? entry->id() : QString()));
    }
    const QString firefox = QString::fromLatin1(FirefoxBridge::identifier);
    const std::optional<platform::DesktopEntry> entry = installedEntry(installed, firefox);
    table.insert(firefox, std::make_shared<FirefoxBridge>(
                              services, entry ? entry->shortName() : QStringLiteral("Firefox"),
                              entry ? entry->id() : QString()));
    return table;
}

} // namespace halvex
