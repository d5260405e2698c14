#include "platform/Workspace.h"

namespace platform {

Workspace::~Workspace() = default;

std::optional<RunningApplication> Workspace::frontmostOf(const QString &bundleIdentifier) const
{
    if (const std::optional<ApplicationWindow> window = frontWindowOf(bundleIdentifier))
        return window->application;
    return RunningApplications::frontmostOf(bundleIdentifier);
}

bool Workspace::isRunning(const RunningApplication &application) const
{
    return runningApplications().contains(application);
}

} // namespace platform
