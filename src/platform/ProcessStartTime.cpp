#include "platform/ProcessStartTime.h"

#include <cmath>

#include <unistd.h>

#include <QFile>

#include "platform/SystemUptime.h"

namespace platform {

std::optional<QDateTime> processStartTime(qint32 processIdentifier)
{
    if (processIdentifier <= 0)
        return std::nullopt;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(processIdentifier));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    // The command name, second, is in parentheses and may hold spaces and
    // parentheses of its own: the fields are counted after its last ")".
    const qsizetype nameEnd = line.lastIndexOf(')');
    if (nameEnd < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(nameEnd + 1).simplified().split(' ');
    // The 22nd field, starttime, is the 20th after the name: ticks since boot.
    constexpr qsizetype startTimeAfterName = 19;
    bool ok = false;
    const qulonglong ticks = fields.value(startTimeAfterName).toULongLong(&ok);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    const std::optional<double> uptime = systemUptime();
    if (!ok || ticksPerSecond <= 0 || !uptime)
        return std::nullopt;
    const double age = *uptime - double(ticks) / double(ticksPerSecond);
    return QDateTime::currentDateTimeUtc().addMSecs(-qint64(std::llround(age * 1000)));
}

} // namespace platform
