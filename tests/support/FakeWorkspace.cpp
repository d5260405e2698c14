#include "FakeWorkspace.h"

#include <algorithm>

namespace testing {

using platform::ApplicationWindow;
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

std::optional<ApplicationWindow> FakeWorkspace::frontmostWindow() const
{
    if (!frontmost)
        return std::nullopt;
    if (frontWindow && frontWindow->application == *frontmost)
        return frontWindow;
    const QList<ApplicationWindow> open = windowsOf(*frontmost);
    return open.isEmpty() ? ApplicationWindow{*frontmost, 0} : open.first();
}

std::optional<ApplicationWindow> FakeWorkspace::frontWindowOf(const QString &bundleIdentifier) const
{
    if (const auto focused = frontmostWindow();
        focused && focused->application.bundleIdentifier == bundleIdentifier)
        return focused;
    for (const RunningApplication &application : runningApplications(bundleIdentifier)) {
        if (const QList<ApplicationWindow> open = windowsOf(application); !open.isEmpty())
            return open.first();
    }
    return std::nullopt;
}

QList<ApplicationWindow> FakeWorkspace::windowsOf(const RunningApplication &application) const
{
    if (!running.contains(application))
        return {};
    QList<ApplicationWindow> open;
    for (const ApplicationWindow &window : windows) {
        if (window.application == application)
            open << window;
    }
    const bool closedAll = std::any_of(closed.cbegin(), closed.cend(), [&](const auto &window) {
        return window.application == application;
    });
    if (open.isEmpty() && !closedAll)
        open << ApplicationWindow{application, 0};
    return open;
}

bool FakeWorkspace::activateWindow(const ApplicationWindow &window)
{
    windowRequests << window;
    if (!activateSucceeds || !isOpen(window))
        return false;
    if (!activatesAtOnce)
        return true;
    hiddenWindows.removeAll(window);
    const bool news = frontmost != window.application;
    frontmost = window.application;
    frontWindow = window;
    if (news)
        emit applicationActivated(window.application);
    return true;
}

bool FakeWorkspace::hideWindow(const ApplicationWindow &window)
{
    windowRequests << window;
    if (!hideSucceeds || !isOpen(window))
        return false;
    if (!hiddenWindows.contains(window))
        hiddenWindows << window;
    if (frontmostWindow() == window) {
        frontWindow.reset();
        frontmost.reset();
    }
    return true;
}

void FakeWorkspace::closeWindow(const ApplicationWindow &window)
{
    windows.removeAll(window);
    closed << window;
    fullScreen.removeAll(window);
    if (frontWindow == window)
        frontWindow.reset();
}

bool FakeWorkspace::openUrl(const QUrl &url)
{
    openedUrls << url;
    return openUrlSucceeds;
}

} // namespace testing
