#pragma once

#include <functional>
#include <memory>

#include "kit/StatusItemButton.h"
#include "platform/TimerScheduler.h"

namespace fennimar {

// Opens the popover by itself once the status item's button has stopped
// moving, then follows the button a little longer. Main thread only.
class StatusItemReveal final {
public:
    StatusItemReveal() = delete;

    // Equal frames in a row (about 0.13 s at the polling rate) that make the
    // button count as settled.
    static constexpr int stableComparisons = 8;
    static constexpr double pollInterval = 1.0 / 60.0;
    static constexpr double pollLimit = 3.0;
    static constexpr double settleInterval = 0.1;
    static constexpr double settleDuration = 2.5;

    struct Handlers {
        std::function<bool()> isShown;
        // Shows and activates the popover from the button.
        std::function<void()> show;
        // Anchors the shown popover to the button's current place.
        std::function<void()> reposition;
        // Once, when following the button after the show ends.
        std::function<void()> finish;
        // Once, when the popover is shown or the reveal has given up.
        std::function<void()> completion;
    };
    // Seconds on a monotonic clock.
    using Clock = std::function<double()>;

    // Shown after `stableComparisons` equal frames, or at the latest after
    // `pollLimit` seconds if the button has a frame then; otherwise nothing
    // is shown and `finish` never runs. For `settleDuration` seconds after the
    // show, each move of the button re-anchors the popover.
    static void
    revealWhenStable(std::shared_ptr<const StatusItemButton> button, Handlers handlers,
                     platform::TimerScheduler &scheduler = platform::TimerScheduler::live(),
                     Clock clock = {});

    static double monotonicNow();
};

} // namespace fennimar
