#include "editor/InstalledApplications.h"

#include <QCollator>
#include <QFileInfo>
#include <QSet>

#include "browsers/BrowserCatalog.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"

namespace halvex {

namespace {

InstalledApplications::Application applicationOf(const platform::DesktopEntry &entry)
{
    return {platform::ApplicationIdentity::presented(entry.id()),
            entry.name().isEmpty() ? entry.id() : entry.name(), entry.icon(), entry.path()};
}

} // namespace

std::optional<InstalledApplications::Application>
InstalledApplications::find(const QString &identifier) const
{
    if (identifier.isEmpty())
        return std::nullopt;
    for (const QString &id : platform::ApplicationIdentity::desktopIds(identifier)) {
        if (const std::optional<platform::DesktopEntry> entry = m_index.entry(id))
            return applicationOf(*entry);
    }
    return std::nullopt;
}

QString InstalledApplications::displayName(const QString &identifier) const
{
    const std::optional<Application> application = find(identifier);
    return application ? application->name : QString();
}

QString InstalledApplications::nameOf(const QString &identifier) const
{
    if (QString name = displayName(identifier); !name.isEmpty() || identifier.isEmpty())
        return name;
    // A picked browser that has gone still has its catalogue name.
    if (QString browser = BrowserCatalog::displayName(identifier); browser != identifier)
        return browser;
    return readableName(identifier);
}

QString InstalledApplications::readableName(const QString &identifier)
{
    const QStringList parts = identifier.split(u'.', Qt::SkipEmptyParts);
    const QString last = parts.isEmpty() ? QString() : parts.last();
    QStringList words;
    QString word;
    const auto close = [&] {
        if (word.isEmpty())
            return;
        word[0] = word[0].toUpper();
        words << word;
        word.clear();
    };
    for (qsizetype i = 0; i < last.size(); ++i) {
        const QChar c = last.at(i);
        if (c == u'-' || c == u'_' || c.isSpace()) {
            close();
            continue;
        }
        if (c.isUpper() && i > 0 && last.at(i - 1).isLower())
            close();
        word += c;
    }
    close();
    return words.isEmpty() ? identifier : words.join(u' ');
}

QList<InstalledApplications::Application> InstalledApplications::choosable() const
{
    QList<Application> result;
    QSet<QString> seen;
    for (const platform::DesktopEntry &entry : m_index.entries()) {
        if (entry.noDisplay())
            continue;
        Application application = applicationOf(entry);
        // "firefox" and "firefox-esr" are one browser to the rest of the program.
        if (seen.contains(application.identifier))
            continue;
        seen.insert(application.identifier);
        result << std::move(application);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(result.begin(), result.end(), [&](const Application &a, const Application &b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return result;
}

QIcon InstalledApplications::icon(const QString &iconValue)
{
    if (iconValue.isEmpty())
        return {};
    if (QFileInfo(iconValue).isAbsolute()) {
        const QIcon file(iconValue);
        // An unreadable or broken file draws nothing: no icon at all.
        return QFileInfo::exists(iconValue) && !file.pixmap(24).isNull() ? file : QIcon();
    }
    return QIcon::fromTheme(iconValue);
}

} // namespace halvex
