#pragma once

#include <optional>

namespace platform {

// Seconds since the computer started, counting time spent asleep
// (CLOCK_BOOTTIME). Nothing when the clock cannot be read.
std::optional<double> systemUptime();

} // namespace platform
