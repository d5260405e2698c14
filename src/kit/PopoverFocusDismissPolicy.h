#pragma once

namespace fennimar {

// When the popover closes because the user turned elsewhere.
class PopoverFocusDismissPolicy final {
public:
    PopoverFocusDismissPolicy() = delete;

    static constexpr bool shouldDismiss(bool isShown, bool activatedIsThisApplication,
                                        bool hasModalWindow, bool isNotTransient)
    {
        return isShown && !activatedIsThisApplication && !hasModalWindow && !isNotTransient;
    }
};

} // namespace fennimar
