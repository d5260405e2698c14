#include "editor/InstalledApplications.h"

#include <QCollator>
#include <QFileInfo>
#include <QSet>

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
