#include "platform/SystemFacts.h"

#include <ctime>

#include <pthread.h>
#include <sys/utsname.h>

#include <QFile>
#include <QSysInfo>

namespace platform::SystemFacts {

namespace {

QByteArray readSmallFile(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // /proc files report size 0: read until the end.
    return file.readAll();
}

// The kibibytes of a "Key:   1234 kB" line of a /proc status text.
std::optional<qint64> kibibytes(const QByteArray &procText, const QByteArray &key)
{
    const QByteArray prefix = key + ':';
    for (const QByteArray &line : procText.split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        QByteArray value = line.mid(prefix.size()).trimmed();
        if (value.endsWith(" kB"))
            value.chop(3);
        bool ok = false;
        const qint64 kib = value.trimmed().toLongLong(&ok);
        return ok ? std::optional<qint64>(kib) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QString operatingSystemVersion()
{
    return QSysInfo::prettyProductName();
}

QString kernelBuild()
{
    utsname names{};
    if (uname(&names) != 0)
        return {};
    return QString::fromUtf8(names.release) + u' ' + QString::fromUtf8(names.version);
}

std::optional<QString> deviceModel()
{
    const QString model =
        QString::fromUtf8(readSmallFile("/sys/devices/virtual/dmi/id/product_name")).trimmed();
    if (model.isEmpty())
        return std::nullopt;
    return model;
}

QString currentThreadName()
{
    char name[64] = {};
    if (pthread_getname_np(pthread_self(), name, sizeof name) != 0)
        return {};
    return QString::fromUtf8(name);
}

double uptimeSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

std::optional<MemoryFigures> memoryFigures()
{
    const std::optional<qint64> resident = kibibytes(readSmallFile("/proc/self/status"), "VmRSS");
    if (!resident)
        return std::nullopt;
    MemoryFigures figures;
    figures.usedMiB = double(*resident) / 1024.0;
    figures.freeMiB =
        double(kibibytes(readSmallFile("/proc/meminfo"), "MemFree").value_or(0)) / 1024.0;
    return figures;
}

} // namespace platform::SystemFacts
