#pragma once

#include <functional>

#include "app/StartupNotices.h"

namespace halvex {

// The surfaces of the shell that come with windows of their own: the status
// item and popover, the onboarding window, the settings and statistics
// windows. The composition root fills a hook once its surface exists; an
// empty hook makes the operation that calls it do nothing.
struct AppSurfaces {
    // Shows the start-up notices in a window of their own; `read` runs once
    // it has gone (after a quit it asked for, too).
    std::function<void(const StartupNotices &notices, std::function<void()> read)> presentNotices;

    // First launch: opens the onboarding window. Called by start-up, and
    // again when onboarding is reset while no onboarding window is open.
    std::function<void()> openOnboarding;
    // Whether the onboarding window is open now.
    std::function<bool()> isOnboardingOpen;

    // Installing the menu-bar UI, right after the friction panel controller
    // is built: the status item and its popover (with the popover's
    // services and its statistics and settings handlers), then the review
    // prompt over them.
    std::function<void()> installMenuBar;
    // Removing it: closes the popover, cancels a pending review prompt and
    // drops the review coordinator, the status item and the popover.
    std::function<void()> removeMenuBar;
    // Reveals the popover from the status item once it has settled on
    // screen, then runs the completion; false, without the completion, when
    // there is no status item to reveal from.
    std::function<bool(std::function<void()> completion)> revealPopover;

    // Hands the settings window its dependencies; once, during start-up.
    std::function<void()> configureSettings;
    // The settings window on its General tab, and on its About tab.
    std::function<void()> openSettings;
    std::function<void()> openAbout;
    std::function<void()> openStats;
    // Closes the settings, statistics and streak-editor windows that are open.
    std::function<void()> closeWindows;
};

} // namespace halvex
