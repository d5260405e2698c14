#include "platform/LocalTimeZoneWatcher.h"

#include <optional>
#include <time.h>

#include <QDBusMessage>
#include <QFileInfo>

namespace platform {

namespace {

const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString changeSignal = QStringLiteral("PropertiesChanged");

// The zone id in a path into the zone database, as in
// "/usr/share/zoneinfo/Europe/Berlin" or ".../zoneinfo/posix/Europe/Berlin".
QByteArray idInDatabase(const QString &path)
{
    const QString marker = QStringLiteral("zoneinfo/");
    const qsizetype at = path.lastIndexOf(marker);
    if (at < 0)
        return {};
    QString id = path.mid(at + marker.size());
    for (const QString &variant : {QStringLiteral("posix/"), QStringLiteral("right/")}) {
        if (id.startsWith(variant))
            id = id.mid(variant.size());
    }
    return id.toUtf8();
}

// Qt's list of available ids leaves out links such as "Etc/UTC" or
// "US/Eastern", which the database still holds: ask for the zone itself.
std::optional<QTimeZone> available(const QByteArray &id)
{
    if (id.isEmpty())
        return std::nullopt;
    QTimeZone zone(id);
    if (!zone.isValid())
        return std::nullopt;
    return zone;
}

} // namespace

LocalTimeZoneWatcher::LocalTimeZoneWatcher(QByteArray tz, QString localtime, QDBusConnection bus,
                                           QObject *parent)
    : SystemTimeZone(parent)
    , m_tz(std::move(tz))
    , m_localtime(std::move(localtime))
    , m_bus(std::move(bus))
    , m_zone(read(m_tz, m_localtime))
{
    // Any sender: timedated is started on demand, after we subscribe. The
    // whole message, since the changed values come as variants.
    if (m_bus.isConnected()) {
        m_bus.connect(QString(), timedatePath, propertiesInterface, changeSignal, this,
                      SLOT(propertiesChanged(QDBusMessage)));
    }
    connect(&m_files, &QFileSystemWatcher::fileChanged, this, &LocalTimeZoneWatcher::recheck);
    connect(&m_files, &QFileSystemWatcher::directoryChanged, this, &LocalTimeZoneWatcher::recheck);
    watch();
}

LocalTimeZoneWatcher::~LocalTimeZoneWatcher()
{
    if (m_bus.isConnected()) {
        m_bus.disconnect(QString(), timedatePath, propertiesInterface, changeSignal, this,
                         SLOT(propertiesChanged(QDBusMessage)));
    }
}

QTimeZone LocalTimeZoneWatcher::read(const QByteArray &tz, const QString &localtime)
{
    // TZ wins, as it does for the C library: an id, ":id", or a path into
    // the zone database. ":/etc/localtime" and the like fall through.
    const QByteArray named = tz.startsWith(':') ? tz.mid(1) : tz;
    if (const auto zone =
            available(named.startsWith('/') ? idInDatabase(QString::fromUtf8(named)) : named))
        return *zone;
    if (const auto zone = available(idInDatabase(QFileInfo(localtime).canonicalFilePath())))
        return *zone;
    return QTimeZone::systemTimeZone();
}

void LocalTimeZoneWatcher::recheck()
{
    // The C library keeps the zone it read first; local times elsewhere in
    // the process follow the new one only after this.
    tzset();
    watch();
    const QTimeZone now = read(m_tz, m_localtime);
    if (now == m_zone)
        return;
    m_zone = now;
    emit changed();
}

void LocalTimeZoneWatcher::watch()
{
    // The folder sees the link replaced or removed; the watch on the link
    // itself lands on whatever it points to, so it is set again each time
    // (for a plain file rewritten in place).
    const QString folder = QFileInfo(m_localtime).absolutePath();
    if (!m_files.directories().contains(folder) && QFileInfo::exists(folder))
        m_files.addPath(folder);
    if (m_files.files().contains(m_localtime))
        m_files.removePath(m_localtime);
    if (QFileInfo::exists(m_localtime))
        m_files.addPath(m_localtime);
}

void LocalTimeZoneWatcher::propertiesChanged(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (!arguments.isEmpty() && arguments.at(0).toString() == timedateInterface)
        recheck();
}

} // namespace platform
