#pragma once

#include <optional>

#include <QList>
#include <QStringList>

#include "platform/DesktopEntry.h"

namespace platform {

// The installed applications: the ".desktop" files of the XDG application
// folders, read once. Where two folders hold the same id, the earlier folder
// wins, and a "Hidden" entry there hides the id altogether.
class DesktopEntryIndex final {
public:
    // The XDG application folders, the user's first.
    static QStringList standardFolders();

    explicit DesktopEntryIndex(const QStringList &folders = standardFolders());

    const QList<DesktopEntry> &entries() const { return m_entries; }
    std::optional<DesktopEntry> entry(const QString &id) const;

private:
    QList<DesktopEntry> m_entries;
};

} // namespace platform
