#include "platform/XdgAutostartEntry.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/DesktopEntry.h"

namespace platform {

namespace {

// Characters that make an Exec argument need quotes.
constexpr QStringView reserved = u" \t\n\"'\\><~|&;$*?#()`";
// Characters escaped with a backslash inside quotes.
constexpr QStringView escapedInQuotes = u"\"`$\\";

QString quoteArgument(const QString &argument)
{
    const bool needsQuotes =
        argument.isEmpty() ||
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    QString out;
    if (needsQuotes)
        out += u'"';
    for (const QChar c : argument) {
        if (needsQuotes && escapedInQuotes.contains(c))
            out += u'\\';
        out += c;
        if (c == u'%')
            out += u'%';
    }
    if (needsQuotes)
        out += u'"';
    return out;
}

// The escapes every string value carries in the file.
QString escapeValue(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += u"\\\\";
            break;
        case '\n':
            out += u"\\n";
            break;
        case '\t':
            out += u"\\t";
            break;
        case '\r':
            out += u"\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool programExists(const QString &program)
{
    if (QDir::isAbsolutePath(program)) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

XdgAutostartEntry::XdgAutostartEntry(Identity identity)
    : m_identity(std::move(identity))
{}

XdgAutostartEntry XdgAutostartEntry::forThisApplication()
{
    QString id = QGuiApplication::desktopFileName();
    if (id.endsWith(u".desktop"))
        id.chop(8);
    if (id.isEmpty())
        id = QCoreApplication::applicationName();
    return XdgAutostartEntry({
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/autostart"),
        id,
        QGuiApplication::applicationDisplayName(),
        QCoreApplication::applicationFilePath(),
    });
}

QString XdgAutostartEntry::execValue(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &argument : arguments)
        quoted << quoteArgument(argument);
    return escapeValue(quoted.join(u' '));
}

QByteArray XdgAutostartEntry::contents() const
{
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=%1\n"
                       "Exec=%2\n"
                       "Terminal=false\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(escapeValue(m_identity.name),
                 execValue({m_identity.executable, QString::fromLatin1(loginLaunchArgument)}));
    return text.toUtf8();
}

QString XdgAutostartEntry::path() const
{
    return m_identity.folder + u'/' + m_identity.id + QStringLiteral(".desktop");
}

LoginItemStatus XdgAutostartEntry::status() const
{
    const std::optional<DesktopEntry> entry = DesktopEntry::load(path(), m_identity.id);
    if (!entry || entry->hidden() || !entry->autostartEnabled())
        return LoginItemStatus::notRegistered;
    const QStringList command = entry->commandLine();
    if (command.isEmpty() || !programExists(command.first()))
        return LoginItemStatus::notFound;
    return LoginItemStatus::enabled;
}

Expected<void, LoginItemError> XdgAutostartEntry::registerItem()
{
    if (!QDir::isAbsolutePath(m_identity.executable) || !programExists(m_identity.executable)) {
        return unexpected(LoginItemError{
            LoginItemError::notFoundCode,
            QStringLiteral("%1 is not an executable file").arg(m_identity.executable)});
    }
    // A failure here shows in the save file's own error below.
    QDir().mkpath(m_identity.folder);
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(contents()) < 0 || !file.commit())
        return unexpected(LoginItemError{LoginItemError::writeFailedCode, file.errorString()});
    return {};
}

Expected<void, LoginItemError> XdgAutostartEntry::unregisterItem()
{
    QFile file(path());
    if (!file.exists() || file.remove())
        return {};
    return unexpected(LoginItemError{LoginItemError::writeFailedCode, file.errorString()});
}

} // namespace platform
