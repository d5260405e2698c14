#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace platform {

// What the kernel and /proc tell about the machine and this process.
namespace SystemFacts {

// The distribution's name and version ("Debian GNU/Linux 12 (bookworm)").
QString operatingSystemVersion();
// The kernel's release and build ("6.1.0-18-amd64 #1 SMP ... 6.1.76-1"), from uname.
QString kernelBuild();
// The machine's product name from the firmware tables; nothing when the
// system does not expose it (containers, some virtual machines).
std::optional<QString> deviceModel();
// The calling thread's name; empty when it has none.
QString currentThreadName();

// Seconds on the monotonic clock, which stands still while the machine sleeps.
double uptimeSeconds();

struct MemoryFigures {
    double usedMiB = 0.0;
    double freeMiB = 0.0;
};
// The process's resident memory and the machine's free memory; nothing when
// /proc/self/status cannot be read, free 0 when /proc/meminfo cannot.
std::optional<MemoryFigures> memoryFigures();

} // namespace SystemFacts
} // namespace platform
