#include "browsers/BrowserCatalog.h"

namespace halvex {

const QList<BrowserCatalog::Entry> &BrowserCatalog::entries()
{
    static const QList<Entry> table = {
        {QStringLiteral("safari"), QStringLiteral("com.apple.Safari"), QStringLiteral("Safari"),
         BrowserAccessKind::appleEvents},
        {QStringLiteral("chrome"), QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"),
         BrowserAccessKind::appleEvents},
        {QStringLiteral("opera"), QStringLiteral("com.operasoftware.Opera"),
         QStringLiteral("Opera"), BrowserAccessKind::appleEvents},
        {QStringLiteral("brave"), QStringLiteral("com.brave.Browser"), QStringLiteral("Brave"),
         BrowserAccessKind::appleEvents},
        {QStringLiteral("edge"), QStringLiteral("com.microsoft.edgemac"),
         QStringLiteral("Microsoft Edge"), BrowserAccessKind::appleEvents},
        {QStringLiteral("vivaldi"), QStringLiteral("com.vivaldi.Vivaldi"),
         QStringLiteral("Vivaldi"), BrowserAccessKind::appleEvents},
        {QStringLiteral("arc"), QStringLiteral("company.thebrowser.Browser"), QStringLiteral("Arc"),
         BrowserAccessKind::appleEvents},
        {QStringLiteral("firefox"), QStringLiteral("org.mozilla.firefox"),
         QStringLiteral("Firefox"), BrowserAccessKind::accessibility},
    };
    return table;
}

QStringList BrowserCatalog::appleEventsBundleIdentifiers()
{
    QStringList ids;
    for (const Entry &e : entries()) {
        if (e.access == BrowserAccessKind::appleEvents)
            ids << e.bundleIdentifier;
    }
    return ids;
}

QString BrowserCatalog::displayName(const QString &bundleIdentifier)
{
    for (const Entry &e : entries()) {
        if (e.bundleIdentifier == bundleIdentifier)
            return e.displayName;
    }
    return bundleIdentifier;
}

} // namespace halvex
