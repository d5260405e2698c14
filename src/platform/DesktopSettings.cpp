#include "platform/DesktopSettings.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

using Panel = DesktopSettings::Panel;

Panel panel(const char *desktop, const char *program, QStringList arguments = {})
{
    return {QString::fromLatin1(desktop), QString::fromLatin1(program), std::move(arguments)};
}

} // namespace

DesktopSettings::DesktopSettings()
    : DesktopSettings(
          qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts),
          [](const QString &name) { return QStandardPaths::findExecutable(name); },
          [](const QString &path, const QStringList &arguments) {
              return QProcess::startDetached(path, arguments);
          })
{}

DesktopSettings::DesktopSettings(QStringList currentDesktops, FindProgram findProgram,
                                 StartProgram startProgram)
    : m_currentDesktops(std::move(currentDesktops))
    , m_findProgram(std::move(findProgram))
    , m_startProgram(std::move(startProgram))
{}

const QList<Panel> &DesktopSettings::panels(DesktopSettingsPage page)
{
    static const QList<Panel> notifications{
        panel("GNOME", "gnome-control-center", {QStringLiteral("notifications")}),
        panel("KDE", "systemsettings", {QStringLiteral("kcm_notifications")}),
        panel("KDE", "systemsettings5", {QStringLiteral("kcm_notifications")}),
        panel("XFCE", "xfce4-notifyd-config"),
        panel("X-Cinnamon", "cinnamon-settings", {QStringLiteral("notifications")}),
        panel("MATE", "mate-notification-properties"),
        panel("Budgie", "budgie-control-center", {QStringLiteral("notifications")}),
        panel("LXQt", "lxqt-config-notificationd"),
    };
    static const QList<Panel> startupApplications{
        panel("GNOME", "gnome-session-properties"),
        panel("GNOME", "gnome-tweaks"),
        panel("KDE", "systemsettings", {QStringLiteral("kcm_autostart")}),
        panel("KDE", "systemsettings5", {QStringLiteral("kcm_autostart")}),
        panel("XFCE", "xfce4-session-settings"),
        panel("X-Cinnamon", "cinnamon-settings", {QStringLiteral("startup")}),
        panel("MATE", "mate-session-properties"),
        panel("LXQt", "lxqt-config-session"),
    };
    // Where the desktop turns its accessibility support (and with it the
    // accessibility bus) on.
    static const QList<Panel> accessibility{
        panel("GNOME", "gnome-control-center", {QStringLiteral("universal-access")}),
        panel("KDE", "systemsettings", {QStringLiteral("kcm_access")}),
        panel("KDE", "systemsettings5", {QStringLiteral("kcm_access")}),
        panel("XFCE", "xfce4-accessibility-settings"),
        panel("X-Cinnamon", "cinnamon-settings", {QStringLiteral("accessibility")}),
        panel("MATE", "mate-at-properties"),
        panel("Budgie", "budgie-control-center", {QStringLiteral("universal-access")}),
    };
    switch (page) {
    case DesktopSettingsPage::notifications:
        return notifications;
    case DesktopSettingsPage::accessibility:
        return accessibility;
    case DesktopSettingsPage::startupApplications:
        break;
    }
    return startupApplications;
}

std::optional<Panel> DesktopSettings::installedPanel(DesktopSettingsPage page) const
{
    const QList<Panel> &known = panels(page);
    QList<Panel> ordered;
    for (const QString &desktop : m_currentDesktops) {
        for (const Panel &candidate : known) {
            if (candidate.desktop.compare(desktop, Qt::CaseInsensitive) == 0)
                ordered << candidate;
        }
    }
    ordered << known;
    for (Panel candidate : ordered) {
        const QString path = m_findProgram(candidate.program);
        if (path.isEmpty())
            continue;
        candidate.program = path;
        return candidate;
    }
    return std::nullopt;
}

bool DesktopSettings::open(DesktopSettingsPage page) const
{
    const std::optional<Panel> found = installedPanel(page);
    return found && m_startProgram(found->program, found->arguments);
}

} // namespace platform
