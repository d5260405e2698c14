#pragma once

#include <optional>

#include <QDateTime>

namespace platform {

// When the process with this identifier started, in UTC, to a tick of the
// kernel's clock; nothing when it cannot be told (no such process, or no
// /proc to read it from).
std::optional<QDateTime> processStartTime(qint32 processIdentifier);

} // namespace platform
