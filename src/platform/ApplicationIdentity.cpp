#include "platform/ApplicationIdentity.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

// The browsers of the catalogue under the desktop ids their Linux builds
// install, their channels included. Chromium is Chrome's open build.
struct Browser {
    QString identifier;
    QStringList desktopIds;
};
const QList<Browser> &browsers()
{
    static const QList<Browser> table = {
        {QStringLiteral("org.mozilla.firefox"),
         {QStringLiteral("firefox"), QStringLiteral("firefox-esr")}},
        {QStringLiteral("com.google.Chrome"),
         {QStringLiteral("google-chrome"), QStringLiteral("google-chrome-stable"),
          QStringLiteral("google-chrome-beta"), QStringLiteral("google-chrome-unstable"),
          QStringLiteral("chromium"), QStringLiteral("chromium-browser")}},
        {QStringLiteral("com.operasoftware.Opera"),
         {QStringLiteral("opera"), QStringLiteral("opera-beta"),
          QStringLiteral("opera-developer")}},
        {QStringLiteral("com.brave.Browser"),
         {QStringLiteral("brave-browser"), QStringLiteral("brave-browser-beta"),
          QStringLiteral("brave-browser-nightly")}},
        {QStringLiteral("com.microsoft.edgemac"),
         {QStringLiteral("microsoft-edge"), QStringLiteral("microsoft-edge-stable"),
          QStringLiteral("microsoft-edge-beta"), QStringLiteral("microsoft-edge-dev")}},
        {QStringLiteral("com.vivaldi.Vivaldi"),
         {QStringLiteral("vivaldi-stable"), QStringLiteral("vivaldi"),
          QStringLiteral("vivaldi-snapshot")}},
    };
    return table;
}

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
    // Ignoring case: without a desktop file the window's class ("Chromium")
    // stands for the id.
    for (const Browser &browser : browsers()) {
        if (browser.desktopIds.contains(desktopId, Qt::CaseInsensitive))
            return browser.identifier;
    }
    return desktopId;
}

QStringList ApplicationIdentity::desktopIds(const QString &bundleIdentifier)
{
    QStringList ids{bundleIdentifier};
    for (const Browser &browser : browsers()) {
        if (browser.identifier == bundleIdentifier)
            ids << browser.desktopIds;
    }
    return ids;
}

} // namespace platform
