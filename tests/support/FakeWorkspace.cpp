#include "FakeWorkspace.h"

namespace testing {

using platform::RunningApplication;

void FakeWorkspace::bringToFront(const RunningApplication &application)
{
    if (!running.contains(application))
        running << application;
    hidden.removeAll(application);
    frontmost = application;
    emit applicationActivated(application);
}

void FakeWorkspace::setFrontmostSilently(const std::optional<RunningApplication> &application)
{
    frontmost = application;
}

void FakeWorkspace::announceActivation(const RunningApplication &application)
{
    emit applicationActivated(application);
}

void FakeWorkspace::terminate(const RunningApplication &application)
{
    running.removeAll(application);
    hidden.removeAll(application);
    if (frontmost == application)
        frontmost.reset();
}

bool FakeWorkspace::hide(const RunningApplication &application)
{
    hideRequests << application;
    if (!hideSucceeds || !running.contains(application) || windowless.contains(application))
        return false;
    if (!hidden.contains(application))
        hidden << application;
    if (frontmost == application)
        frontmost.reset();
    return true;
}

bool FakeWorkspace::activate(const RunningApplication &application)
{
    activateRequests << application;
    if (!activateSucceeds || !running.contains(application))
        return false;
    if (activatesAtOnce)
        bringToFront(application);
    return true;
}

bool FakeWorkspace::openUrl(const QUrl &url)
{
    openedUrls << url;
    return openUrlSucceeds;
}

} // namespace testing
