#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "browsers/BrowserAccessKind.h"

namespace halvex {

// The fixed table of supported browsers.
class BrowserCatalog final {
public:
    struct Entry {
        QString friendlyKey;
        QString bundleIdentifier;
        QString displayName;
        BrowserAccessKind access;

        friend bool operator==(const Entry &, const Entry &) = default;
    };

    BrowserCatalog() = delete;

    static const QList<Entry> &entries();
    // The browsers reached by scripts, in table order.
    static QStringList appleEventsBundleIdentifiers();
    // The first matching entry's display name; an unknown identifier as given.
    static QString displayName(const QString &bundleIdentifier);
};

} // namespace halvex
