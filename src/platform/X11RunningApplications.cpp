#include "platform/X11RunningApplications.h"

#include <QFileInfo>
#include <QSet>

namespace platform {

QList<RunningApplication> X11RunningApplications::runningApplications() const
{
    QList<RunningApplication> apps;
    QSet<qint32> seenProcesses;
    QSet<QString> seenWithoutProcess;
    for (const X11Connection::Window window : m_connection.clientWindows()) {
        const std::optional<qint32> pid = m_connection.processIdentifier(window);
        if (pid && seenProcesses.contains(*pid))
            continue;
        WindowIdentityHints hints;
        hints.applicationId = m_connection.stringProperty(window, "_GTK_APPLICATION_ID");
        hints.desktopFile = m_connection.stringProperty(window, "_KDE_NET_WM_DESKTOP_FILE");
        std::tie(hints.wmClassInstance, hints.wmClassName) = m_connection.windowClass(window);
        if (pid)
            hints.executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(*pid)).symLinkTarget();
        const QString id = m_identity.resolve(hints);
        if (id.isEmpty())
            continue;
        if (pid) {
            seenProcesses.insert(*pid);
        } else if (seenWithoutProcess.contains(id)) {
            continue;
        } else {
            seenWithoutProcess.insert(id);
        }
        apps << RunningApplication{id, pid.value_or(0)};
    }
    return apps;
}

} // namespace platform
