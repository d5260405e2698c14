#include "platform/Workspace.h"

namespace platform {

Workspace::~Workspace() = default;

bool Workspace::isRunning(const RunningApplication &application) const
{
    return runningApplications().contains(application);
}

} // namespace platform
