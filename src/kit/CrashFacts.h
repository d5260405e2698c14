#pragma once

#include <optional>

#include <QList>
#include <QString>

#include "kit/CrashPayload.h"

namespace fennimar {

// The facts a crash record carries beyond what the crash itself tells.
namespace CrashFacts {

// Facts read once at start-up and kept until exit.
struct LaunchFacts {
    double uptimeAtCapture = 0.0;
    std::optional<QString> deviceModel;
    std::optional<QString> osBuild;
    // The executable's build id (see CrashPayload::BinaryImage::uuid).
    std::optional<QString> executableBuildId;
};

// Reads the launch facts; called once by start-up, before the crash
// handlers are installed.
void captureAtLaunch();
// The facts captureAtLaunch() read (all absent before it ran).
const LaunchFacts &launchFacts();

// Sets buildUuid, deviceModel and osBuild from the launch facts, and the
// milliseconds since they were captured (never below 0).
void applyLaunchFacts(CrashPayload &payload);
// The same, with the current uptime given.
void applyLaunchFacts(CrashPayload &payload, double uptimeNow);
// Sets binaryImages, the memory figures, thermalState, threadName and
// locale. There is no dispatch queue here, so no queueLabel.
void enrich(CrashPayload &payload);

// The loaded images, at most `limit`, in the loader's order.
QList<CrashPayload::BinaryImage> binaryImages(int limit);
// Return addresses of the calling thread's stack, innermost first.
QList<quint64> backtrace(int limit);

} // namespace CrashFacts
} // namespace fennimar
