#include "platform/DesktopEntry.h"

#include <QFile>

namespace platform {

namespace {

// The value-level escapes every string key may carry.
QString unescapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case '\\':
            out += u'\\';
            break;
        default:
            // Exec quoting needs to see its own escapes, so they are kept.
            out += u'\\';
            out += next;
        }
    }
    return out;
}

// A boolean as the desktop's own key-file reader takes it: "true" or "1",
// "false" or "0"; anything else is no value.
std::optional<bool> boolean(const QString &value)
{
    const QString text = value.trimmed();
    if (text == u"true" || text == u"1")
        return true;
    if (text == u"false" || text == u"0")
        return false;
    return std::nullopt;
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray &contents, const QString &id,
                                                const QString &path)
{
    DesktopEntry entry;
    entry.m_id = id;
    entry.m_path = path;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    const QStringList lines = QString::fromUtf8(contents).split(u'\n');
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]";
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        // Localised keys ("Name[de]") are not read: names are matched as written.
        const QString key = line.left(eq).trimmed();
        const QString value = unescapeValue(line.mid(eq + 1).trimmed());
        if (key == u"Type")
            entry.m_type = value;
        else if (key == u"Name")
            entry.m_name = value;
        else if (key == u"GenericName")
            entry.m_genericName = value;
        else if (key == u"Exec")
            entry.m_exec = value;
        else if (key == u"StartupWMClass")
            entry.m_startupWMClass = value;
        else if (key == u"Icon")
            entry.m_icon = value;
        else if (key == u"Hidden")
            entry.m_hidden = boolean(value).value_or(false);
        else if (key == u"NoDisplay")
            entry.m_noDisplay = boolean(value).value_or(false);
        else if (key == u"X-GNOME-Autostart-enabled")
            entry.m_autostartEnabled = boolean(value).value_or(true);
    }
    if (!sawMainGroup)
        return std::nullopt;
    return entry;
}

QString DesktopEntry::shortName() const
{
    if (m_name.isEmpty())
        return m_id;
    const QString kind = u' ' + m_genericName.trimmed();
    if (kind.size() > 1 && m_name.size() > kind.size() &&
        m_name.endsWith(kind, Qt::CaseInsensitive))
        return m_name.chopped(kind.size()).trimmed();
    return m_name;
}

std::optional<DesktopEntry> DesktopEntry::load(const QString &path, const QString &id)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll(), id, path);
}

QStringList DesktopEntry::splitExec(const QString &exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    // A field code standing alone is dropped with its argument, not kept as "".
    bool onlyFieldCodes = true;
    auto finish = [&] {
        if (inArgument && !(onlyFieldCodes && current.isEmpty()))
            arguments << current;
        current.clear();
        inArgument = false;
        onlyFieldCodes = true;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                current += exec.at(++i);
            } else if (c == u'%' && i + 1 < exec.size() && exec.at(i + 1) == u'%') {
                // "%%" is a literal percent sign inside quotes as well.
                current += exec.at(++i);
            } else {
                current += c;
            }
            continue;
        }
        if (c == u' ' || c == u'\t') {
            finish();
            continue;
        }
        inArgument = true;
        if (c == u'"') {
            quoted = true;
            onlyFieldCodes = false;
        } else if (c == u'%' && i + 1 < exec.size()) {
            const QChar code = exec.at(++i);
            if (code == u'%') {
                current += u'%';
                onlyFieldCodes = false;
            }
        } else {
            current += c;
            onlyFieldCodes = false;
        }
    }
    if (quoted)
        return {};
    finish();
    return arguments;
}

QStringList DesktopEntry::commandLine() const
{
    return splitExec(m_exec);
}

} // namespace platform
