#include "platform/ApplicationIdentity.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

const QString firefoxIdentifier = QStringLiteral("org.mozilla.firefox");
const QStringList firefoxDesktopIds = {QStringLiteral("firefox"), QStringLiteral("firefox-esr")};

QString withoutDesktopSuffix(QString id)
{
    if (id.endsWith(u".desktop"))
        id.chop(int(sizeof(".desktop") - 1));
    return id;
}

QString canonicalExecutable(const QString &program)
{
    const QString found =
        program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return {};
    const QString canonical = QFileInfo(found).canonicalFilePath();
    return canonical.isEmpty() ? found : canonical;
}

} // namespace

QString ApplicationIdentity::resolve(const WindowIdentityHints &hints) const
{
    if (!hints.applicationId.isEmpty())
        return presented(withoutDesktopSuffix(hints.applicationId));
    if (!hints.desktopFile.isEmpty())
        return presented(withoutDesktopSuffix(QFileInfo(hints.desktopFile).fileName()));
    for (const QString &windowClass : {hints.wmClassName, hints.wmClassInstance}) {
        const QString id = matchWindowClass(windowClass);
        if (!id.isEmpty())
            return presented(id);
    }
    const QString byExecutable = matchExecutable(hints.executable);
    if (!byExecutable.isEmpty())
        return presented(byExecutable);
    return presented(hints.wmClassName.isEmpty() ? hints.wmClassInstance : hints.wmClassName);
}

QString ApplicationIdentity::matchWindowClass(const QString &windowClass) const
{
    if (windowClass.isEmpty())
        return {};
    const auto same = [&](const QString &text) {
        return !text.isEmpty() && text.compare(windowClass, Qt::CaseInsensitive) == 0;
    };
    for (const DesktopEntry &e : m_index.entries()) {
        if (same(e.startupWMClass()))
            return e.id();
    }
    for (const DesktopEntry &e : m_index.entries()) {
        if (same(e.id()))
            return e.id();
    }
    for (const DesktopEntry &e : m_index.entries()) {
        if (same(e.name()))
            return e.id();
    }
    return {};
}

QString ApplicationIdentity::matchExecutable(const QString &executable) const
{
    if (executable.isEmpty())
        return {};
    const QString wanted = QFileInfo(executable).canonicalFilePath().isEmpty()
                               ? executable
                               : QFileInfo(executable).canonicalFilePath();
    for (const DesktopEntry &e : m_index.entries()) {
        const QStringList command = e.commandLine();
        if (!command.isEmpty() && canonicalExecutable(command.first()) == wanted)
            return e.id();
    }
    return {};
}

QString ApplicationIdentity::presented(const QString &desktopId)
{
    return firefoxDesktopIds.contains(desktopId) ? firefoxIdentifier : desktopId;
}

QStringList ApplicationIdentity::desktopIds(const QString &bundleIdentifier)
{
    QStringList ids{bundleIdentifier};
    if (bundleIdentifier == firefoxIdentifier)
        ids << firefoxDesktopIds;
    return ids;
}

} // namespace platform
