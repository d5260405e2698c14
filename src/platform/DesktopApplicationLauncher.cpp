#include "platform/DesktopApplicationLauncher.h"

#include <QProcess>
#include <QStandardPaths>

#include "platform/ApplicationIdentity.h"

namespace platform {

std::optional<QString>
DesktopApplicationLauncher::applicationLocation(const QString &bundleIdentifier) const
{
    for (const QString &id : ApplicationIdentity::desktopIds(bundleIdentifier)) {
        if (const std::optional<DesktopEntry> entry = m_index.entry(id))
            return entry->path();
    }
    return std::nullopt;
}

Expected<void, QString> DesktopApplicationLauncher::openApplication(const QString &location,
                                                                    const OpenConfiguration &)
{
    // Activation, hiding and recent items are the window manager's business
    // here: a started application shows as it pleases.
    const std::optional<DesktopEntry> entry = DesktopEntry::load(location, QString());
    if (!entry)
        return unexpected(QStringLiteral("Cannot read %1").arg(location));
    QStringList command = entry->commandLine();
    if (command.isEmpty())
        return unexpected(QStringLiteral("%1 has no command to run").arg(location));
    const QString program = command.takeFirst();
    if (QStandardPaths::findExecutable(program).isEmpty())
        return unexpected(QStringLiteral("No program named %1").arg(program));
    QProcess process;
    process.setProgram(program);
    process.setArguments(command);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        const QString reason = process.errorString();
        return unexpected(reason.isEmpty() ? QStringLiteral("Cannot start %1").arg(program)
                                           : reason);
    }
    return {};
}

} // namespace platform
