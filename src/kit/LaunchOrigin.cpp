#include "kit/LaunchOrigin.h"

#include <QCoreApplication>

#include "kit/LaunchAtLogin.h"
#include "platform/LoginItem.h"
#include "platform/SystemUptime.h"

namespace fennimar {

namespace {

std::optional<bool> cache;

} // namespace

bool LaunchOrigin::decide(const Sources &sources)
{
    if (sources.arguments.contains(QString::fromLatin1(platform::loginLaunchArgument)))
        return true;
    if (sources.status() != LaunchAtLoginStatus::enabled)
        return false;
    // A session that started us without the argument (an entry written by
    // hand, or by the desktop's settings) is told by how early we run.
    const std::optional<double> uptime = sources.uptime();
    return uptime && *uptime < loginWindowSeconds;
}

void LaunchOrigin::capture()
{
    capture({QCoreApplication::arguments(), &LaunchAtLogin::status, &platform::systemUptime});
}

void LaunchOrigin::capture(const Sources &sources)
{
    if (!cache)
        cache = decide(sources);
}

bool LaunchOrigin::isLoginLaunch()
{
    return cache.value_or(false);
}

bool LaunchOrigin::isCaptured()
{
    return cache.has_value();
}

void LaunchOrigin::resetForTesting()
{
    cache.reset();
}

} // namespace fennimar
