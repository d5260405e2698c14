#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace platform {

// The fields we read from one application's ".desktop" file.
class DesktopEntry final {
public:
    // Nothing when the text has no "[Desktop Entry]" group.
    static std::optional<DesktopEntry> parse(const QByteArray &contents, const QString &id,
                                             const QString &path);
    static std::optional<DesktopEntry> load(const QString &path, const QString &id);

    // The desktop-file id without ".desktop" ("org.gnome.TextEditor").
    const QString &id() const { return m_id; }
    const QString &path() const { return m_path; }
    const QString &type() const { return m_type; }
    const QString &name() const { return m_name; }
    // The kind of application ("Web Browser").
    const QString &genericName() const { return m_genericName; }
    // The name without the kind it ends with, as it reads in a sentence
    // ("Chromium Web Browser" is "Chromium"); else the name, else the id.
    QString shortName() const;
    const QString &exec() const { return m_exec; }
    const QString &startupWMClass() const { return m_startupWMClass; }
    // A theme icon name or an absolute file path, as the file gives it.
    const QString &icon() const { return m_icon; }
    bool hidden() const { return m_hidden; }
    // False when the desktop's own switch for an autostart entry is off
    // (X-GNOME-Autostart-enabled, as the startup-applications settings write it).
    bool autostartEnabled() const { return m_autostartEnabled; }
    // Installed, but not meant to be listed in menus and choosers.
    bool noDisplay() const { return m_noDisplay; }

    // The Exec line split into program and arguments, with its field codes
    // ("%u", "%F", ...) removed and "%%" read as "%". Empty when there is no
    // program or the quoting is broken.
    QStringList commandLine() const;

    static QStringList splitExec(const QString &exec);

private:
    DesktopEntry() = default;

    QString m_id;
    QString m_path;
    QString m_type;
    QString m_name;
    QString m_genericName;
    QString m_exec;
    QString m_startupWMClass;
    QString m_icon;
    bool m_hidden = false;
    bool m_autostartEnabled = true;
    bool m_noDisplay = false;
};

} // namespace platform
