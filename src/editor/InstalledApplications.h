#pragma once

#include <optional>

#include <QIcon>
#include <QList>
#include <QString>

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

// The installed applications as the streak editor shows them: from the XDG
// desktop entries of the one index the frontmost detector resolves windows
// with, each known by the identifier the rest of the program uses
// (ApplicationIdentity's presented id, so Firefox is "org.mozilla.firefox"),
// so that an application picked here is recognised when it comes to the front.
class InstalledApplications final {
public:
    struct Application {
        QString identifier;
        QString name; // the entry's name, or its desktop-file id when it has none
        QString icon; // the entry's Icon value: a theme name or an absolute path
        QString path; // the entry's own ".desktop" file
    };

    explicit InstalledApplications(const platform::DesktopEntryIndex &index)
        : m_index(index)
    {}

    // The installed application known by `identifier`, listed or not.
    std::optional<Application> find(const QString &identifier) const;
    // Its display name; empty for an empty identifier or one not installed.
    QString displayName(const QString &identifier) const;
    // The name to show for `identifier` even when it is no longer installed:
    // the display name, else a catalogue browser's name, else readableName.
    QString nameOf(const QString &identifier) const;
    // An identifier as a name: its last dotted part, words split at dashes,
    // underscores and inner capitals, each capitalised ("org.gnome.TextEditor"
    // is "Text Editor"); the identifier itself when that leaves nothing.
    static QString readableName(const QString &identifier);
    // The applications a user may choose from: those meant to be listed
    // (not NoDisplay), one per identifier, by name.
    QList<Application> choosable() const;

    // The icon an Icon value names: the file at an absolute path, else the
    // icon theme's icon of that name; null when neither exists.
    static QIcon icon(const QString &iconValue);

private:
    const platform::DesktopEntryIndex &m_index;
};

} // namespace halvex
