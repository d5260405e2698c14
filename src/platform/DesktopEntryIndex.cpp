#include "platform/DesktopEntryIndex.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QStandardPaths>

namespace platform {

QStringList DesktopEntryIndex::standardFolders()
{
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

DesktopEntryIndex::DesktopEntryIndex(const QStringList &folders)
{
    QSet<QString> seen;
    for (const QString &folder : folders) {
        const QDir root(folder);
        QStringList paths;
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
        paths.sort();
        for (const QString &path : paths) {
            // Files in subfolders have ids with "-" for each "/" ("kde/okular" is "kde-okular").
            QString id = root.relativeFilePath(path);
            id.chop(int(sizeof(".desktop") - 1));
            id.replace(u'/', u'-');
            if (seen.contains(id))
                continue;
            seen.insert(id);
            std::optional<DesktopEntry> entry = DesktopEntry::load(path, id);
            if (entry && !entry->hidden() &&
                (entry->type().isEmpty() || entry->type() == u"Application"))
                m_entries << *entry;
        }
    }
}

std::optional<DesktopEntry> DesktopEntryIndex::entry(const QString &id) const
{
    for (const DesktopEntry &e : m_entries) {
        if (e.id() == id)
            return e;
    }
    return std::nullopt;
}

} // namespace platform
