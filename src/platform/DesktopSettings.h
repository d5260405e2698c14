#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// The pages of the desktop's own settings the application sends the user to.
enum class DesktopSettingsPage { notifications, startupApplications, accessibility };

// Opens a page of the desktop's own settings program. Each desktop has its
// own program and none is certain to be installed: the current desktop's
// panels ($XDG_CURRENT_DESKTOP) are tried first, then any installed one.
class DesktopSettings final {
public:
    struct Panel {
        QString desktop; // as $XDG_CURRENT_DESKTOP names it
        QString program;
        QStringList arguments;
    };
    // The full path of an installed program, or empty.
    using FindProgram = std::function<QString(const QString &name)>;
    using StartProgram = std::function<bool(const QString &path, const QStringList &arguments)>;

    // This session's desktop, programs on $PATH, started detached.
    DesktopSettings();
    DesktopSettings(QStringList currentDesktops, FindProgram findProgram,
                    StartProgram startProgram);

    // Every panel known for the page, in order of preference among equals.
    static const QList<Panel> &panels(DesktopSettingsPage page);

    // The panel open() would start, its program resolved to a full path.
    std::optional<Panel> installedPanel(DesktopSettingsPage page) const;
    // False when no panel is installed or it could not be started.
    bool open(DesktopSettingsPage page) const;

private:
    QStringList m_currentDesktops;
    FindProgram m_findProgram;
    StartProgram m_startProgram;
};

} // namespace platform
