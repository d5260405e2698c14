#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QFileSystemWatcher>
#include <QString>

#include "platform/SystemTimeZone.h"

class QDBusMessage;

namespace platform {

// The system's zone as the C library takes it: `TZ` from the environment
// when it is set, else the zone /etc/localtime links to. Follows changes
// while it runs: systemd-timedated announces a new zone on the system bus,
// and a watch on /etc/localtime and its folder sees the link replaced by
// whatever tool set it. Without a bus the file watch alone reports them.
class LocalTimeZoneWatcher final : public SystemTimeZone {
    Q_OBJECT
public:
    static inline const QString timedatePath = QStringLiteral("/org/freedesktop/timedate1");
    static inline const QString timedateInterface = QStringLiteral("org.freedesktop.timedate1");

    // `tz`: the value of TZ (empty when unset); `localtime`: the link that
    // names the system's zone.
    explicit LocalTimeZoneWatcher(QByteArray tz = qgetenv("TZ"),
                                  QString localtime = QStringLiteral("/etc/localtime"),
                                  QDBusConnection bus = QDBusConnection::systemBus(),
                                  QObject *parent = nullptr);
    ~LocalTimeZoneWatcher() override;

    QTimeZone zone() const override { return m_zone; }

    // The zone named by `tz`, else by what `localtime` links to, else the
    // one Qt finds for the system.
    static QTimeZone read(const QByteArray &tz, const QString &localtime);

    // Reads the zone again, and tells when it changed.
    void recheck();

private slots:
    void propertiesChanged(const QDBusMessage &message);

private:
    void watch();

    QByteArray m_tz;
    QString m_localtime;
    QDBusConnection m_bus;
    QFileSystemWatcher m_files;
    QTimeZone m_zone;
};

} // namespace platform
