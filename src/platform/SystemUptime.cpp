#include "platform/SystemUptime.h"

#include <ctime>

namespace platform {

std::optional<double> systemUptime()
{
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace platform
